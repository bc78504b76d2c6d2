#include "modele.hpp"

namespace florimot {

namespace {

bool EstPluriel(std::uint8_t DecalageMode, int Personne) {
    // The impératif numbers its persons tu, nous, vous as 1, 2, 3.
    return DecalageMode == ModeImperatif ? Personne >= 2 : Personne >= 4;
}

}  // namespace

std::string FormeComposee(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne, std::string_view participe) {
    if (EstMarqueur(participe)) return std::string(participe);
    const bool etre = SeConjugueAvecEtre(verbe);
    const std::uint8_t kind = etre ? 1 : 0;
    // The conditionnel passé 2e forme borrows the subjonctif plus-que-parfait.
    std::string forme =
        CodeTemps == 15 ? ConjugueAuxiliaire(verbe, kind, 1, ModeSubjonctif, Personne)
                        : ConjugueAuxiliaire(verbe, kind, CodeTemps % 10, DecalageMode, Personne);
    forme += SeparateurAuxiliaire;
    forme += participe;
    // "éclos" and the like are already plural.
    if (etre && EstPluriel(CodeTemps == 15 ? ModeSubjonctif : DecalageMode, Personne) &&
        !participe.ends_with('s') && !participe.ends_with('x'))
        forme += 's';
    return forme;
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
        std::string participe;
        participe.reserve(P.size() + fin.size());
        participe += P;
        participe += fin;
        return FormeComposee(verbe, CodeTemps, DecalageMode, Personne, participe);
    }
    return FormeSimple(S, T[Slot(CodeTemps, DecalageMode, Personne)]);
}

}  // namespace florimot
