// The system's own text for an error number, for a French message to quote.
#pragma once

#include <string>

namespace florimot {

// strerror's text in the language the environment asks for (LC_ALL,
// LC_MESSAGES, LANG), always in UTF-8 whatever the locale's character set:
// "Aucun espace disponible sur le périphérique" under a French locale, the
// untranslated text where the language has no translation or the locale is
// not installed.
std::string MessageSysteme(int erreur);

}  // namespace florimot
