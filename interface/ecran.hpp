// The main window: the entry, the seventeen tense lists over two pages, the
// participle, and the menu.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "conjugaison.hpp"
#include "dialogues.hpp"
#include "impression.hpp"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabBar;

namespace florimot {

class TAbout;

class TEcran : public QMainWindow {
    Q_OBJECT

public:
    // Characters the entry holds, and the length of the text read from it.
    static constexpr int LongueurEntree = 15;

    explicit TEcran(TDialogues& dialogues, QWidget* parent = nullptr);

    // The About window the "A Propos..." command shows; the window does not own it.
    void AttacheAbout(TAbout* about) { About_ = about; }
    // The printer the "Imprimer" command uses; the window does not own it.
    void AttacheImpression(TImpression* impression) { Impression_ = impression; }

    // The entry's text as the conjugation reads it: what was typed, lower
    // case, then blanks up to 15 characters.
    QString TexteVerbe() const;

    // Handlers.
    void ConjugueClick();
    void Conjuguer1Click();
    void SetPage(int onglet);
    void Imprimer1Click();
    void Quitter1Click();
    void APropos1Click();
    void Aide1Click();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void CreeComposants();
    void CreeMenu();
    void PlaceParticipe();
    // The part of the window a printed page shows: the verb's row and the
    // page area, without the tabs.
    QRect RectangleImpression() const;
    QPixmap ImagePage(int onglet, const QRect& source);
    void RetablitApresImpression(const std::array<int, Grille.size()>& cadres);

    TDialogues& Dialogues_;
    TAbout* About_ = nullptr;
    TImpression* Impression_ = nullptr;
    bool Imprime_ = false;
    bool Centree_ = false;

    QLineEdit* Verbe = nullptr;
    QPushButton* Conjugue = nullptr;
    QLabel* Groupe = nullptr;
    QLabel* VerbeL = nullptr;
    QGroupBox* Indicatif = nullptr;
    QGroupBox* Subjonctif = nullptr;
    QTabBar* PageSet = nullptr;
    QFrame* Rectangl = nullptr;
    QGroupBox* Imperatif = nullptr;
    QGroupBox* Conditionnel = nullptr;
    QGroupBox* Participe = nullptr;
    QLabel* PartPres = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Action = nullptr;
    QAction* Conjuguer1 = nullptr;
    QAction* Imprimer1 = nullptr;
    QAction* Quitter1 = nullptr;
    QMenu* Aide = nullptr;
    QAction* APropos1 = nullptr;
    QAction* Aide1 = nullptr;

    // The list of each cell of the engine's grid, in the grid's order; the
    // participle's cell has none (it fills PartPres).
    std::array<QListWidget*, Grille.size()> Listes_{};
};

}  // namespace florimot
