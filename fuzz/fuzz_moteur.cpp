// Arbitrary bytes through what a front end does: the UTF-8 boundary of the
// record, classification, and the whole grid under any options; and a request
// of any codes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "conjugaison.hpp"
#include "saisie.hpp"
#include "utf8.hpp"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

bool EstBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The first byte draws the options and a request of any codes; the rest is
// the text.
struct TTirage {
    florimot::TOptions Options;
    florimot::TFaits Faits;
    std::uint8_t Code = 0, mode = 0;
    int Personne = 0;
};

TTirage Tire(std::string_view& texte) {
    TTirage t;
    if (texte.size() < 4) return t;
    const auto octet = [&](std::size_t i) { return static_cast<std::uint8_t>(texte[i]); };
    t.Options.Feminin = octet(0) & 1;
    t.Options.Negation = octet(0) & 2;
    t.Options.Interrogation = octet(0) & 4;
    t.Options.Passif = octet(0) & 8;
    // The facts any table could give, in any combination.
    t.Faits.Impersonnel = octet(0) & 16;
    t.Faits.TroisiemesPersonnes = octet(0) & 32;
    t.Faits.Reciproque = octet(0) & 64;
    t.Faits.ReflechiIndirect = octet(0) & 128;
    t.Faits.Passif = !t.Faits.ReflechiIndirect;
    t.Code = octet(1);
    t.mode = octet(2);
    t.Personne = static_cast<std::int8_t>(octet(3));
    texte.remove_prefix(4);
    return t;
}

bool DansLaGrille(const TTirage& t) {
    for (const florimot::TCellule& c : florimot::GrilleComplete)
        if (c.CodeTemps == t.Code && c.DecalageMode == t.mode)
            return t.Personne >= c.PremierePersonne && t.Personne <= c.DernierePersonne;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const TTirage tirage = Tire(texte);
    const florimot::TOptions& options = tirage.Options;
    const florimot::TFaits& faits = tirage.Faits;
    florimot::TVerbe verbe;
    verbe.DefinitVerbe(texte);
    Exige(verbe.Longueur() <= florimot::TText::Capacite);
    Exige(florimot::utf8::EstValide(verbe.MotVue()));
    // Nothing but a word written as a verb, whole, is conjugated.
    Exige(verbe.DonneGroupe() == 0 ||
          (florimot::EstMotDeVerbe(verbe.MotVue()) && !verbe.TropLong()));

    const florimot::TLignesGrille grille = florimot::ConjugueGrille(verbe, options, faits);
    florimot::TVerbe encore;
    encore.DefinitVerbe(texte);
    Exige(florimot::ConjugueGrille(encore, options, faits) == grille);
    // Any codes at all: outside the grid, no line, and nothing read astray.
    const std::string seule =
        florimot::ConjugueForme(verbe, tirage.Code, tirage.mode, tirage.Personne, options, faits);
    Exige(DansLaGrille(tirage) || seule.empty());

    for (const florimot::TCellule& c : florimot::GrilleComplete)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
            const std::string_view ligne = grille[c.Premier + p - c.PremierePersonne];
            Exige(florimot::utf8::EstValide(ligne));
            Exige(ligne ==
                  florimot::ConjugueForme(verbe, c.CodeTemps, c.DecalageMode, p, options, faits));
            if (verbe.DonneGroupe() == 0) {
                Exige(ligne.empty());
            } else {
                Exige(!ligne.empty());
                Exige(!EstBlanc(ligne.front()) && !EstBlanc(ligne.back()));
            }
        }
    return 0;
}
