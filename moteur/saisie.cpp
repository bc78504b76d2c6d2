#include "saisie.hpp"

#include "utf8.hpp"

namespace florimot {

namespace {

// The marks French puts on a letter, and the letters they compose with.
struct TComposition {
    char32_t Marque;
    std::u32string_view Bases;
    std::u32string_view Composees;
};

constexpr TComposition Compositions[] = {
    {0x0300, U"aeiouAEIOU", U"àèìòùÀÈÌÒÙ"},
    {0x0301, U"aeiouyAEIOUY", U"áéíóúýÁÉÍÓÚÝ"},
    {0x0302, U"aeiouAEIOU", U"âêîôûÂÊÎÔÛ"},
    {0x0303, U"aonAON", U"ãõñÃÕÑ"},
    {0x0308, U"aeiouyAEIOUY", U"äëïöüÿÄËÏÖÜŸ"},
    {0x030A, U"aA", U"åÅ"},
    {0x0327, U"cC", U"çÇ"},
};

// 0 when the pair does not compose.
char32_t Compose(char32_t base, char32_t marque) {
    for (const TComposition& c : Compositions)
        if (c.Marque == marque) {
            const std::size_t i = c.Bases.find(base);
            return i == std::u32string_view::npos ? 0 : c.Composees[i];
        }
    return 0;
}

char32_t Minuscule(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;  // Ÿ
    // Latin Extended-A pairs its capitals and small letters (Œ œ, Ā ā …).
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && (c & 1)) return c + 1;
    return c;
}

}  // namespace

std::string NormaliseSaisie(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    // The last character, still open to a combining mark: it is lowered only
    // once written, so that E + U+0301 composes to É, then é.
    char32_t enAttente = 0;
    bool blanc = false;
    const auto emet = [&](char32_t c) {
        if (enAttente != 0) utf8::Encode(Minuscule(enAttente), sortie);
        enAttente = c;
    };
    while (!texte.empty()) {
        const utf8::TDecodage d = utf8::Decode(texte);
        texte.remove_prefix(d.Taille);
        char32_t c = d.Valide ? d.Point : utf8::Remplacement;
        if (EstInvisible(c)) continue;
        if (EstSeparateur(c)) {
            blanc = true;
            continue;
        }
        if (blanc) {
            emet(U' ');
            blanc = false;
        }
        if (enAttente != 0)
            if (const char32_t composee = Compose(enAttente, c)) {
                enAttente = composee;
                continue;
            }
        if (c == 0x2019 || c == 0x02BC) c = U'\'';
        emet(c);
    }
    if (blanc) emet(U' ');
    emet(0);
    return sortie;
}

bool EstMotDeVerbe(std::string_view mot) {
    bool apresLettre = false;  // the character before is a letter
    while (!mot.empty()) {
        const utf8::TDecodage d = utf8::Decode(mot);
        mot.remove_prefix(d.Taille);
        if (d.Valide && EstLettre(d.Point)) {
            apresLettre = true;
            continue;
        }
        if ((d.Point != U'\'' && d.Point != U'-') || !apresLettre || mot.empty()) return false;
        apresLettre = false;
    }
    return apresLettre;
}

bool EstTexteBlanc(std::string_view texte) {
    while (!texte.empty()) {
        const utf8::TDecodage d = utf8::Decode(texte);
        if (!d.Valide || !(EstSeparateur(d.Point) || EstInvisible(d.Point))) return false;
        texte.remove_prefix(d.Taille);
    }
    return true;
}

}  // namespace florimot
