// « S'entraîner » : one item at a time from the exercises' choices; the
// pupil types the answer, Enter checks it and says what a wrong one is,
// Enter again goes on. A score for the session, and at its end the items
// missed with their answers, which can be printed.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "choix_exercices.hpp"
#include "exercices.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace florimot {

class TDialogues;
class TImpression;

class TEntrainement : public QDialog {
    Q_OBJECT

public:
    // `impression` (may be null) prints the list of items missed; the
    // panel does not own it.
    TEntrainement(TDialogues& dialogues, TImpression* impression, QWidget* parent = nullptr);

    // A new session from the choices shown.
    void Commence();
    // Checks the answer typed, or goes on to the next item once checked.
    void Valide();
    // Ends the session: the list of items missed.
    void Termine();
    void ImprimeManques();

    int Justes() const { return Justes_; }
    int Faites() const { return Faites_; }

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void Montre();
    void MetScore();

    TDialogues& Dialogues_;
    TImpression* Impression_;
    TChoixExercices* Choix_;
    TReglagesExercices Reglages_;
    QLabel* Enonce_;
    QLineEdit* Reponse_;
    QCheckBox* Indulgent_;
    QLabel* Remarque_;
    QLabel* Score_;
    QPushButton* Terminer_;
    QPlainTextEdit* Manques_;
    QPushButton* Imprimer_;

    TFiche Fiche_;
    std::size_t Rang_ = 0;
    bool Verifie_ = false;  // the item shown has been checked
    int Justes_ = 0, Faites_ = 0;
    std::vector<QString> Manquees_;
    bool Imprime_ = false;
};

}  // namespace florimot
