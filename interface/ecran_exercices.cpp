// The window's two commands for exercises: each opens its panel beside the
// window, made on first use.
#include "ecran.hpp"
#include "entrainement.hpp"
#include "fiche_exercices.hpp"

namespace florimot {

namespace {

void Montre(QDialog& dialogue) {
    dialogue.show();
    dialogue.raise();
    dialogue.activateWindow();
}

}  // namespace

void TEcran::FicheExercices1Click() {
    if (Fiche_ == nullptr) Fiche_ = new TFicheExercices(Dialogues_, Impression_, this);
    Montre(*Fiche_);
}

void TEcran::Entrainement1Click() {
    if (Entrainement_ == nullptr) Entrainement_ = new TEntrainement(Dialogues_, Impression_, this);
    Montre(*Entrainement_);
}

}  // namespace florimot
