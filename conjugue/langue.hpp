// The language conjugue speaks to a person in: its messages and its help,
// as gettext programs choose it (French by default, in a French or unset
// locale; English under an English one). What it writes on standard output
// as data (TSV, JSON, the grids) never depends on it.
#pragma once

#include <string>
#include <string_view>

namespace florimot {

enum class TLangue : unsigned char { Francais, Anglais };

// From the variables gettext reads, null when unset: LANGUAGE (its first
// entry, unless the locale is C or POSIX), then LC_ALL, LC_MESSAGES, LANG.
TLangue LangueDesMessages(const char* language, const char* lcAll, const char* lcMessages,
                          const char* lang);

// The run's language, set once by main before any message is made.
void DefinitLangue(TLangue langue);
TLangue LangueChoisie();

// Standard error's text in the run's language: in English, each message
// the catalogue knows is said in English, the words it quotes kept.
std::string Traduit(std::string_view messages);

}  // namespace florimot
