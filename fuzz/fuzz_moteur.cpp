// Arbitrary bytes through what a front end does: the UTF-8 boundary of the
// record, classification, and the whole grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "conjugaison.hpp"
#include "utf8.hpp"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    florimot::TVerbe verbe;
    verbe.DefinitVerbe(texte);
    Exige(verbe.Longueur() <= florimot::TText::Capacite);
    Exige(florimot::utf8::EstValide(verbe.MotVue()));

    const florimot::LignesGrille grille = florimot::ConjugueGrille(verbe);
    florimot::TVerbe encore;
    encore.DefinitVerbe(texte);
    Exige(florimot::ConjugueGrille(encore) == grille);

    for (const florimot::Cellule& c : florimot::Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
            const std::string_view ligne = grille[c.Premier + p - c.PremierePersonne];
            Exige(florimot::utf8::EstValide(ligne));
            Exige(ligne == florimot::ConjugueForme(verbe, c.CodeTemps, c.DecalageMode, p));
            if (verbe.DonneGroupe() == 0) {
                Exige(ligne.empty());
            } else {
                Exige(!ligne.empty());
                Exige(!EstBlanc(ligne.front()) && !EstBlanc(ligne.back()));
            }
        }
    return 0;
}
