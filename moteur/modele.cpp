#include "modele.hpp"

namespace florimot {

namespace {

bool EstPluriel(std::uint8_t DecalageMode, int Personne) {
    // The impératif numbers its persons tu, nous, vous as 1, 2, 3.
    return DecalageMode == ModeImperatif ? Personne >= 2 : Personne >= 4;
}

// Auxiliary, blank, participle (in two pieces, so that no temporary is
// built), and the plural agreement of the être verbs.
std::string Compose(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                    int Personne, std::string_view radical, std::string_view fin) {
    const bool etre = verbe.AvecEtre();
    // The conditionnel passé 2e forme borrows the subjonctif plus-que-parfait.
    if (CodeTemps == 15) DecalageMode = ModeSubjonctif;
    const std::string_view auxiliaire =
        FormeAuxiliaire(etre, CodeTemps == 15 ? 1 : CodeTemps % 10, DecalageMode, Personne);
    const char derniere = !fin.empty() ? fin.back() : !radical.empty() ? radical.back() : '\0';
    // "éclos" and the like are already plural.
    const bool accord =
        etre && EstPluriel(DecalageMode, Personne) && derniere != 's' && derniere != 'x';
    std::string forme;
    forme.reserve(auxiliaire.size() + 2 + radical.size() + fin.size());
    forme += auxiliaire;
    forme += SeparateurAuxiliaire;
    forme += radical;
    forme += fin;
    if (accord) forme += 's';
    return forme;
}

}  // namespace

std::string FormeComposee(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne, std::string_view participe) {
    if (EstMarqueur(participe)) return std::string(participe);
    return Compose(verbe, CodeTemps, DecalageMode, Personne, participe, {});
}

std::string FormeSimple(std::string_view radical, std::string_view terminaison) {
    if (EstMarqueur(terminaison)) return std::string(terminaison);
    std::string forme;
    forme.reserve(radical.size() + terminaison.size());
    forme += radical;
    forme += terminaison;
    return forme;
}

std::string AppliqueModele(const TVerbe& verbe, std::string_view S, std::string_view P,
                           const TTerminaisons& T, std::uint8_t CodeTemps,
                           std::uint8_t DecalageMode, int Personne) {
    if (EstCompose(CodeTemps)) {
        const std::string_view fin = T[SlotParticipePasse];
        if (EstMarqueur(fin)) return std::string(fin);
        // A verb without this person of the impératif has no impératif passé
        // for it either.
        if (DecalageMode == ModeImperatif) {
            const std::string_view present = T[Slot(0, ModeImperatif, Personne)];
            if (EstMarqueur(present)) return std::string(present);
        }
        return Compose(verbe, CodeTemps, DecalageMode, Personne, P, fin);
    }
    return FormeSimple(S, T[Slot(CodeTemps, DecalageMode, Personne)]);
}

std::string AppliqueTroisieme(const TVerbe& verbe, std::uint8_t N, const TTerminaisons& T,
                              std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    const std::string_view S = Radical(verbe, N);
    return AppliqueModele(verbe, S, S, T, CodeTemps, DecalageMode, Personne);
}

}  // namespace florimot
