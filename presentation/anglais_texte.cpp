#include "anglais_texte.hpp"

namespace florimot {

std::string LigneGlosses(const std::vector<std::string>& glosses) {
    std::string ligne;
    for (const std::string& g : glosses) {
        ligne += ligne.empty() ? "en anglais : " : ", ";
        ligne += g;
    }
    return ligne;
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
