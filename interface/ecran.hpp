// The main window: the entry, the seventeen tense lists over two pages, the
// participle, and the menu.
#pragma once

#include <QMainWindow>
#include <QString>
#include <string>

#include "conjugaison.hpp"
#include "dialogues.hpp"
#include "impression.hpp"

class QAction;
class QMenu;
class QMenuBar;

namespace florimot {

class TAbout;
class TContenu;

// The whole conjugation of `verbe` as plain text, one column: the word and
// its group, then each mode, its tenses indented by 2 and their lines by 4
// (the participle's line by 2), as the command line writes it.
std::string TexteConjugaison(const TVerbe& verbe, const LignesGrille& lignes);

class TEcran : public QMainWindow {
    Q_OBJECT

public:
    // Characters the entry holds, and the length of the text read from it.
    static constexpr int LongueurEntree = 15;
    // The window's default and smallest size.
    static constexpr QSize TailleInitiale{640, 480};

    explicit TEcran(TDialogues& dialogues, QWidget* parent = nullptr);
    ~TEcran() override;

    // The About window the "A Propos..." command shows; the window does not own it.
    void AttacheAbout(TAbout* about) { About_ = about; }
    // The printer the "Imprimer" command uses; the window does not own it.
    void AttacheImpression(TImpression* impression) { Impression_ = impression; }

    // The entry's text as the conjugation reads it: what was typed, lower
    // case, then blanks up to 15 characters.
    QString TexteVerbe() const;

    // Handlers. A conjugation asked for while one is running (from inside
    // its message box) or while a print job runs is not lost: it runs once
    // that is over, on the entry's text as it was when asked.
    void ConjugueClick();
    void Conjuguer1Click();
    void SetPage(int onglet);
    void Imprimer1Click();
    void EnregistrerPdf1Click();
    void CopierConjugaison1Click();
    void Quitter1Click();
    void APropos1Click();
    void Aide1Click();

    // Keeps the window's size, place and state for the next run (done when
    // the window closes and when the program quits).
    void GardeReglages() const;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void CreeMenu();
    // Takes back the size, place and state the last run left, if they fit
    // on a screen of this one.
    void RestaureReglages();
    void Conjugue(const QString& texte);
    void ConjugueEnAttente();
    // Prints the two pages on `service`; an empty text when all went well,
    // else why not, for the user.
    QString ImprimeSur(TImpression& service);
    void SignaleEchec(const QString& raison);

    TDialogues& Dialogues_;
    TAbout* About_ = nullptr;
    TImpression* Impression_ = nullptr;
    TContenu* Contenu_ = nullptr;
    bool Imprime_ = false;
    bool Conjugue_ = false;
    bool Centree_ = false;
    // The text of a conjugation asked for at a moment it could not run.
    QString EnAttente_;
    // The text the lists show the conjugation of (empty before the first).
    QString Montre_;

    QMenuBar* MainMenu1 = nullptr;
    QMenu* Action = nullptr;
    QAction* Conjuguer1 = nullptr;
    QAction* Imprimer1 = nullptr;
    QAction* EnregistrerPdf1 = nullptr;
    QAction* CopierConjugaison1 = nullptr;
    QAction* Quitter1 = nullptr;
    QMenu* Aide = nullptr;
    QAction* APropos1 = nullptr;
    QAction* Aide1 = nullptr;
};

}  // namespace florimot
