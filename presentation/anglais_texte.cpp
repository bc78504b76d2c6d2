#include "anglais_texte.hpp"

#include "conjugaison.hpp"

namespace florimot {

std::string LigneGlosses(const std::vector<std::string>& glosses) {
    std::string ligne;
    for (const std::string& g : glosses) {
        ligne += ligne.empty() ? "en anglais : " : ", ";
        ligne += g;
    }
    return ligne;
}

std::optional<TLigneChoisie> LigneDuChoix(const TChoixAnglais& choix) {
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const TCellule& c = GrilleComplete[i];
        if (choix.Cellule.empty() || c.Nom != choix.Cellule) continue;
        int ligne = choix.Personne - c.PremierePersonne;
        if (c.DecalageMode == ModeImperatif)
            ligne = choix.Personne == 2   ? 0
                    : choix.Personne == 4 ? 1
                    : choix.Personne == 5 ? 2
                                          : -1;
        if (ligne < 0 || ligne >= c.NombreLignes()) return std::nullopt;
        return TLigneChoisie{i, ligne};
    }
    return std::nullopt;
}

std::string_view TexteNoteAnglaise(TNoteAnglaise note) {
    switch (note) {
        case TNoteAnglaise::Aucune: break;
        case TNoteAnglaise::PasseCompose_PasseSimple:
            return "l'anglais n'a qu'un passé : passé composé ou passé simple";
        case TNoteAnglaise::TuOuVous: return "« you » : tu ou vous";
    }
    return {};
}

}  // namespace florimot
