#include "message_systeme.hpp"

#include <locale.h>

#include <cstring>

#include "utf8.hpp"

namespace florimot {

namespace {

// The user's language for messages over UTF-8 characters: made once, never
// freed (it serves the whole run). A locale that cannot be made is null.
locale_t Locale() {
    static const locale_t locale = [] {
        locale_t base = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        if (base == static_cast<locale_t>(nullptr)) return base;
        const locale_t langue = newlocale(LC_MESSAGES_MASK, "", base);
        return langue == static_cast<locale_t>(nullptr) ? base : langue;
    }();
    return locale;
}

}  // namespace

std::string MessageSysteme(int erreur) {
    if (const locale_t l = Locale(); l != static_cast<locale_t>(nullptr)) {
        std::string texte = strerror_l(erreur, l);
        if (utf8::EstValide(texte)) return texte;
    }
    // The untranslated text is ASCII.
    if (std::string texte = std::strerror(erreur); utf8::EstValide(texte)) return texte;
    return "erreur système " + std::to_string(erreur);
}

}  // namespace florimot
