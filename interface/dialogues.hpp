// What the windows ask of the user, and how the program ends: kept behind an
// interface so that the windows can be driven without a person at the screen.
#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace florimot {

class TDialogues {
public:
    enum class TIcone { Information, Question, Erreur };
    enum class TBoutons { Ok, OuiNon };
    enum class TReponseDialogue { Ok, Oui, Non };

    virtual ~TDialogues() = default;

    // A modal box owned by `proprietaire`; returns the button pressed. Closing
    // a Yes/No box without choosing answers No.
    virtual TReponseDialogue Demande(QWidget* proprietaire, const QString& texte,
                                     const QString& titre, TIcone icone, TBoutons boutons) = 0;
    // A box with OK and one button more, named `action`, that offers what to
    // do instead; true when that button was pressed. A stand-in that knows no
    // such button shows the plain box.
    virtual bool Propose(QWidget* proprietaire, const QString& texte, const QString& titre,
                         TIcone icone, const QString& /*action*/) {
        Demande(proprietaire, texte, titre, icone, TBoutons::Ok);
        return false;
    }
    // Asks for the name of a file to write, offering `propose` (a full path);
    // an empty text when the user gives up. `filtre` as QFileDialog takes it.
    virtual QString DemandeFichier(QWidget* proprietaire, const QString& titre,
                                   const QString& propose, const QString& filtre) = 0;
    // The system's print dialog on `imprimante` (printer, pages, orientation,
    // copies); false when the user gives up. A stand-in accepts at once.
    virtual bool ChoisitImpression(QWidget* /*proprietaire*/, QPrinter& /*imprimante*/) {
        return true;
    }
    // A preview of what `dessine` puts on the printer it is given, for
    // `imprimante`'s pages; a stand-in shows none.
    virtual void Apercu(QWidget* /*proprietaire*/, QPrinter& /*imprimante*/,
                        const std::function<void(QPrinter&)>& /*dessine*/) {}
    // Ends the program with `statut`, without closing the windows one by one.
    virtual void Termine(int statut) = 0;
};

// The real thing: QMessageBox, QFileDialog, and the end of the event loop.
class TDialoguesQt final : public TDialogues {
public:
    TReponseDialogue Demande(QWidget* proprietaire, const QString& texte, const QString& titre,
                             TIcone icone, TBoutons boutons) override;
    bool Propose(QWidget* proprietaire, const QString& texte, const QString& titre, TIcone icone,
                 const QString& action) override;
    QString DemandeFichier(QWidget* proprietaire, const QString& titre, const QString& propose,
                           const QString& filtre) override;
    bool ChoisitImpression(QWidget* proprietaire, QPrinter& imprimante) override;
    void Apercu(QWidget* proprietaire, QPrinter& imprimante,
                const std::function<void(QPrinter&)>& dessine) override;
    void Termine(int statut) override;
};

}  // namespace florimot
