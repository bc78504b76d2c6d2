#include <string_view>

#include "modeles.hpp"
#include "premier_groupe.hpp"
#include "registre.hpp"

namespace florimot {

namespace {

constexpr std::u32string_view Consonnes = U"bcçdfghjklmnpqrstvwz";

bool EstConsonne(char32_t c) {
    return c != 0 && Consonnes.find(c) != std::u32string_view::npos;
}

bool EstGroupe(char32_t a, char32_t b) {
    if ((a == U'c' && b == U'h') || (a == U'g' && b == U'n') || (a == U'g' && b == U'u') ||
        (a == U'q' && b == U'u'))
        return true;
    return std::u32string_view(U"bcdfgkptv").find(a) != std::u32string_view::npos &&
           (b == U'l' || b == U'r');
}

// Whether the vowel before the consonants can take the grave accent: an é
// always (j'inquiète), an e unless it follows an i or another e, where it is
// no mute e (je briefe, j'interviewe, je speede, je tweete).
bool VoyelleChange(char32_t voyelle, char32_t avant) {
    return voyelle == U'é' || (voyelle == U'e' && avant != U'i' && avant != U'e');
}

}  // namespace

int ConsonnesAvantEr(const TVerbe& verbe) {
    const char32_t c3 = verbe.LettreFin(3), c4 = verbe.LettreFin(4);
    if (EstConsonne(c3) && VoyelleChange(c4, verbe.LettreFin(5))) return 1;
    if (EstGroupe(c4, c3) && VoyelleChange(verbe.LettreFin(5), verbe.LettreFin(6))) return 2;
    return 0;
}

char32_t VoyelleAvantConsonnes(const TVerbe& verbe) {
    const int n = ConsonnesAvantEr(verbe);
    return n == 0 ? 0 : verbe.LettreFin(static_cast<std::uint8_t>(3 + n));
}

Modele ChoisitModelePremierGroupe(const TVerbe& verbe) {
    if (const Modele modele = ChoisitDansRegistre<1>(verbe)) return modele;
    switch (VoyelleAvantConsonnes(verbe)) {
        case U'é': return ModeleCeder;
        case U'e': return ModeleLever;
        default: return ModeleEr;
    }
}

}  // namespace florimot
