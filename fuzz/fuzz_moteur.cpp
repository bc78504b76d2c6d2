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
struct Tirage {
    florimot::TOptions options;
    florimot::TFaits faits;
    std::uint8_t code = 0, mode = 0;
    int personne = 0;
};

Tirage Tire(std::string_view& texte) {
    Tirage t;
    if (texte.size() < 4) return t;
    const auto octet = [&](std::size_t i) { return static_cast<std::uint8_t>(texte[i]); };
    t.options.Feminin = octet(0) & 1;
    t.options.Negation = octet(0) & 2;
    t.options.Interrogation = octet(0) & 4;
    t.options.Passif = octet(0) & 8;
    // The facts any table could give, in any combination.
    t.faits.Impersonnel = octet(0) & 16;
    t.faits.TroisiemesPersonnes = octet(0) & 32;
    t.faits.Reciproque = octet(0) & 64;
    t.faits.ReflechiIndirect = octet(0) & 128;
    t.faits.Passif = !t.faits.ReflechiIndirect;
    t.code = octet(1);
    t.mode = octet(2);
    t.personne = static_cast<std::int8_t>(octet(3));
    texte.remove_prefix(4);
    return t;
}

bool DansLaGrille(const Tirage& t) {
    for (const florimot::TCellule& c : florimot::GrilleComplete)
        if (c.CodeTemps == t.code && c.DecalageMode == t.mode)
            return t.personne >= c.PremierePersonne && t.personne <= c.DernierePersonne;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const Tirage tirage = Tire(texte);
    const florimot::TOptions& options = tirage.options;
    const florimot::TFaits& faits = tirage.faits;
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
        florimot::ConjugueForme(verbe, tirage.code, tirage.mode, tirage.personne, options, faits);
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
