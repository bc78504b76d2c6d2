// « Fiche d'exercices… » : the worksheet's choices, its preview, and the
// sheet with its key printed or saved as a PDF.
#pragma once

#include <QDialog>
#include <QString>

#include "choix_exercices.hpp"
#include "exercices.hpp"

class QLabel;
class QTimer;
class QVBoxLayout;

namespace florimot {

class TDialogues;
class TImpression;

class TFicheExercices : public QDialog {
    Q_OBJECT

public:
    // `impression` (may be null) is the window's printer; the dialog does
    // not own it.
    TFicheExercices(TDialogues& dialogues, TImpression* impression, QWidget* parent = nullptr);

    // The worksheet the choices shown make.
    TFiche Fiche() const;
    // The preview's pages, as they are printed (sheet, then key).
    int NombrePagesApercu() const { return PagesApercu_; }

    void Imprime();
    void EnregistrePdf();

protected:
    void done(int resultat) override;

private:
    void MetAJour();
    // Prints on `service`, saying why not in a box; true when done.
    bool ImprimeSur(TImpression& service);
    void Garde();

    TDialogues& Dialogues_;
    TImpression* Impression_;
    TChoixExercices* Choix_;
    QTimer* Attente_;
    QWidget* Apercu_;
    QVBoxLayout* Pages_;
    QLabel* Etat_;
    int PagesApercu_ = 0;
    bool Imprime_ = false;
};

}  // namespace florimot
