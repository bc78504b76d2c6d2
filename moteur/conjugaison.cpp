#include "conjugaison.hpp"

#include "formes_nues.hpp"

namespace florimot {

namespace {

std::string_view Pronom(int Personne) {
    switch (Personne) {
        case 2: return "tu ";
        case 3: return "il ";
        case 4: return "nous ";
        case 5: return "vous ";
        case 6: return "ils ";
        default: return "";
    }
}

// Appends the finished line of one request: "que " or "qu'", the pronoun,
// the form; the markers alone; nothing for a word that is not a verb; the
// impératif and the participe without pronoun.
void AjouteLigne(std::string& sortie, const TFormes& formes, std::uint8_t CodeTemps,
                 std::uint8_t DecalageMode, int Personne) {
    const TFormeNue f = formes.Nue(CodeTemps, DecalageMode, Personne);
    if (!f.Marqueur.empty()) {
        sortie += f.Marqueur;
        return;
    }
    if (f.Verbe.empty()) return;
    if (DecalageMode != ModeImperatif && DecalageMode != ModeParticipe) {
        if (DecalageMode == ModeSubjonctif)
            sortie += (Personne == 3 || Personne == 6) ? "qu'" : "que ";
        sortie += Personne == 1 ? (ElideDevant(formes.Verbe(), f.Verbe) ? "j'" : "je ") : Pronom(Personne);
    }
    sortie += f.Verbe;
    if (!f.EstCompose()) return;
    sortie += SeparateurAuxiliaire;
    sortie += f.Participe;
    sortie += f.Accord;
}

// Whether a request is one of the grid's: any other has no line.
bool DansLaGrille(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    for (const Cellule& c : Grille)
        if (c.CodeTemps == CodeTemps && c.DecalageMode == DecalageMode)
            return Personne >= c.PremierePersonne && Personne <= c.DernierePersonne;
    return false;
}

}  // namespace

std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne) {
    std::string ligne;
    if (!DansLaGrille(CodeTemps, DecalageMode, Personne)) return ligne;
    const TFormes formes(verbe);
    AjouteLigne(ligne, formes, CodeTemps, DecalageMode, Personne);
    return ligne;
}

LignesGrille ConjugueGrille(const TVerbe& verbe) {
    LignesGrille lignes;
    lignes.Texte.reserve(2048);
    const TFormes formes(verbe);
    std::size_t i = 0;
    for (const Cellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
            AjouteLigne(lignes.Texte, formes, c.CodeTemps, c.DecalageMode, p);
            lignes.Debut[++i] = static_cast<std::uint32_t>(lignes.Texte.size());
        }
    return lignes;
}

std::string LegendeGroupe(const TVerbe& verbe) {
    if (verbe.Est("avoir") || verbe.Est("être")) return "Auxiliaire";
    return "Groupe : " + std::to_string(verbe.DonneGroupe());
}

}  // namespace florimot
