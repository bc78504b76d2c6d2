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
        if (choix.cellule.empty() || c.Nom != choix.cellule) continue;
        int ligne = choix.personne - c.PremierePersonne;
        if (c.DecalageMode == ModeImperatif)
            ligne = choix.personne == 2   ? 0
                    : choix.personne == 4 ? 1
                    : choix.personne == 5 ? 2
                                          : -1;
        if (ligne < 0 || ligne >= c.NombreLignes()) return std::nullopt;
        return TLigneChoisie{i, ligne};
    }
    return std::nullopt;
}

std::string_view TexteNoteAnglaise(NoteAnglaise note) {
    switch (note) {
        case NoteAnglaise::Aucune: break;
        case NoteAnglaise::PasseCompose_PasseSimple:
            return "l'anglais n'a qu'un passé : passé composé ou passé simple";
        case NoteAnglaise::TuOuVous: return "« you » : tu ou vous";
    }
    return {};
}

}  // namespace florimot
