#include "entree.hpp"

#include "anglais.hpp"
#include "saisie.hpp"
#include "selection.hpp"
#include "utf8.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

// No line of a grid has more words; past them a paste is cut.
constexpr int MotsMax = 12;

bool EstLiaison(char32_t c) {
    return c == U'\'' || c == U'-';
}

std::string EnUtf8(std::u32string_view texte) {
    std::string octets;
    for (const char32_t c : texte) utf8::Encode(c, octets);
    return octets;
}

std::u32string Normalise(std::string_view texte) {
    const std::string normal = NormaliseSaisie(texte);
    std::u32string points;
    for (std::string_view reste = normal; !reste.empty();) {
        const utf8::TDecodage d = utf8::Decode(reste);
        points += d.Point;
        reste.remove_prefix(d.Taille);
    }
    return points;
}

// Where the verb's own letters begin in a text of the entry: after "se ",
// "s'", "s' ", "s'en " or "s'y ", none of which counts towards the letter
// limit.
std::size_t DebutDuVerbe(std::u32string_view texte) {
    const std::string octets = EnUtf8(texte);
    const std::size_t debut = florimot::DebutDuVerbe(octets);
    std::size_t points = 0;
    for (std::size_t i = 0; i < debut; ++i)
        points += (static_cast<unsigned char>(octets[i]) & 0xC0) != 0x80;
    return points;
}

// The word being typed: the verb, or the complement after it; in a line,
// its last word.
std::u32string_view MotEnCours(std::u32string_view texte, bool ligne) {
    if (ligne) {
        const std::size_t blanc = texte.rfind(U' ');
        return blanc == std::u32string_view::npos ? texte : texte.substr(blanc + 1);
    }
    const std::u32string_view verbe = texte.substr(DebutDuVerbe(texte));
    const std::size_t blanc = verbe.find(U' ');
    return blanc == std::u32string_view::npos ? verbe : verbe.substr(blanc + 1);
}

}  // namespace

TSaisieGardee FormeSaisie(std::string_view texte, std::string_view avantCurseur) {
    // The engine's own normaliser, so that the entry shows what the engine
    // reads: "ce\u0301der" pasted from a page that writes the accent as a
    // separate mark is céder, not "ceder" once the mark is dropped.
    const std::u32string lu = Normalise(texte);
    const std::size_t avant = avantCurseur.empty() ? 0 : Normalise(avantCurseur).size();
    TSaisieGardee g;
    std::u32string& sortie = g.Texte;
    bool ligne = false;  // the text starts as a written line: every word kept apart
    int mots = 1;
    for (std::size_t i = 0; i < lu.size(); ++i) {
        const char32_t c = lu[i];
        bool garde = false;
        if (c == U' ') {
            // An English verb phrase ("i went") keeps its words apart too: the
            // English search reads it.
            ligne = ligne || (!sortie.empty() && (CommenceCommeUneLigne(EnUtf8(sortie)) ||
                                                  CommenceCommeDeLAnglais(EnUtf8(sortie) + ' ')));
            if (!ligne) {
                garde = BlancPermisApres(EnUtf8(sortie));
            } else if (!sortie.empty() && sortie.back() != U' ') {
                // A line longer than any the grid writes is cut there.
                if (mots == MotsMax) {
                    g.Coupe = true;
                    break;
                }
                garde = true;
                ++mots;
            }
        } else if (EstLiaison(c) && !sortie.empty() && EstLettre(sortie.back())) {
            garde = true;  // entr'apercevoir, entre-nuire: not counted as a letter
        } else {
            // The verb, the complement after it, or a word of the line: each
            // has its own limit.
            const std::u32string_view mot = MotEnCours(sortie, ligne);
            int comptes = 0;
            for (std::size_t k = 0; k < mot.size(); ++k)
                comptes += !(EstLiaison(mot[k]) && k > 0 && EstLettre(mot[k - 1]));
            garde = comptes < LettresEntree;
            g.Coupe = g.Coupe || !garde;
        }
        if (!garde) continue;
        sortie += c;
        if (i < avant) ++g.Curseur;
    }
    return g;
}

}  // namespace florimot
