// The window's content: the verb's row and the three pages. The window shows
// one; a print job draws from another, never shown, filled with the same
// lines, so that nothing done in the window during the job reaches paper.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"
#include "disposition.hpp"
#include "entete.hpp"
#include "feuille.hpp"
#include "selection.hpp"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;

namespace florimot {

// What a tense is for, as the tooltip of its caption ("" for a cell with no
// caption).
QString ExplicationTemps(std::string_view cellule);

// The header's group ("Groupe : 1", "Auxiliaire") in the window's language.
QString GroupeTraduit(const std::string& groupe);

class TContenu : public QWidget {
    Q_OBJECT

public:
    enum class TUsage { Ecran, Impression };

    TContenu(TUsage usage, QWidget* parent);

    // The size the fixed layout was drawn for; larger sizes spread it out.
    void DefinitReference(QSize reference);
    QSize Reference() const { return Reference_; }

    // The verb's row said from its header (the word as people write it, the
    // options in force, the group, the model and its rule) and the lines of
    // its grid; returns the word as shown. `raisons`: why each line's
    // participle agrees, by its index in the grid ("" for none, or none at
    // all), in the line's tooltip and under the pages once it is selected.
    QString Remplit(const TEntete& entete, const TLignesGrille& lignes,
                    const QStringList& raisons = {});
    void CopieDe(const TContenu& autre);
    // What the dictionary says of the verb shown, beside the group ("" for
    // nothing). Remplit clears it.
    void DefinitNote(const QString& note);
    // Under the pages: what the dictionary found behind the text typed, or
    // why it cannot tell ("" for nothing), and a button for each other verb
    // the text may belong to; `choix` is told the verb of the one pressed.
    void DefinitAnalyse(const QString& texte, const QStringList& autres,
                        const std::function<void(const QString&)>& choix);
    void MontrePage(int onglet);
    // Selects `lignes` and shows the page of the first in the grid's order.
    void Selectionne(const std::vector<TLigneChoisie>& lignes);
    // The page keys on `fenetre`, wherever its focus is: Ctrl+PgDown,
    // Ctrl+PgUp, Ctrl+Tab, Ctrl+Shift+Tab, Alt+1, Alt+2, Alt+3.
    void AttacheRaccourcisPages(QWidget* fenetre);
    // Lays the pages `pages` (one bit a page) out for a sheet of `page`'s
    // proportions (a content made for printing only), at least `largeur`
    // wide, and takes the size that layout needs, which is then the whole of
    // what the sheet shows.
    QSize AgencePourFeuille(unsigned pages, QSize page, int largeur = 0);
    // The narrowest such layout, every line whole.
    int LargeurPourFeuille(unsigned pages, QSize page);
    // The row of option boxes, beside the page tabs (the window's content
    // only: paper has none).
    void AttacheCasesOptions(QWidget* cases);
    // How many times wider the lists of page `onglet` must grow for their
    // longest lines to show whole (1 when they do).
    double ManqueDeLargeur(int onglet) const;

    // The entry: its text as typed, replaced, given the focus.
    QString TexteEntree() const;
    void DefinitEntree(const QString& texte);
    // `selectionne`: its text selected, so that typing replaces it.
    void FocusEntree(bool selectionne = false);
    // What "Copier la conjugaison" of a list's context menu runs.
    void QuandCopieConjugaison(std::function<void()> action);
    // After a text that is no verb: the word stays, its group, options,
    // model and rule go.
    void VideEntete();
    // What conjugates: the button, pressed by Enter too, and what it runs.
    void PresseConjugue();
    void QuandConjugue(std::function<void()> action);
    // The button beside the model that lists the verbs of the same model.
    void QuandMemeModele(std::function<void()> action);
    // Under the pages when no analysis is shown: the verb's English
    // meanings ("" for none).
    void DefinitGlose(const QString& glose);
    // The « Écouter » button at the end of the verb's row, the lists'
    // context menu, both running `ecoute`.
    void AttacheEcoute(QAction* ecoute);
    // What « Écouter » says: the lines selected, in the grid's order; else
    // the whole tense of the list that has the focus, else the indicatif
    // présent.
    QStringList LignesAEcouter() const;

    // The page shown, 0 to 2, and what runs when it changes.
    int Page() const;
    void DefinitPage(int onglet);
    void QuandPage(std::function<void(int)> action);

protected:
    void resizeEvent(QResizeEvent* evenement) override;

private:
    QGroupBox* Boite(TGroupeBoite groupe) const { return Boites[std::size_t(groupe)]; }

    QLineEdit* Verbe = nullptr;
    QPushButton* Conjugue = nullptr;
    QLabel* Groupe = nullptr;
    QLabel* VerbeL = nullptr;
    QLabel* OptionsL = nullptr;
    QLabel* ModeleL = nullptr;
    QLabel* NoteL = nullptr;
    QPushButton* MemeModeleB = nullptr;  // on screen only
    bool MemeModeleVoulu_ = false;       // a verb with a model is shown
    QLabel* AnalyseL = nullptr;
    QLabel* GloseL = nullptr;
    QPushButton* EcouterB = nullptr;
    std::vector<QPushButton*> AutresVerbes;
    QFrame* Biseau = nullptr;  // the raised panel around the pages
    QTabBar* PageSet = nullptr;
    QWidget* CasesOptions = nullptr;
    std::array<QGroupBox*, NombreGroupes> Boites{};
    QLabel* PartPres = nullptr;
    // The list of each cell of the engine's grid, in the grid's order, and
    // its tense caption; the participle's cell has none (it fills PartPres).
    std::array<QListWidget*, GrilleComplete.size()> Listes{};
    std::array<QLabel*, GrilleComplete.size()> Legendes{};

    // The layout for the window, or for the sheet being laid out.
    void Agence();
    // The verb's row: the word, the options, the group, the model, the note.
    void AligneGroupe();
    // The options' caption, on one line or two.
    void EcritOptions(bool deuxLignes);
    void PlaceParticipe();
    void PlaceAnalyse();
    // The reason of the line `liste` has selected, under the pages.
    void MontreRaison(const QListWidget* liste);
    // The meanings' line, where the analysis leaves room for it.
    void PlaceGlose();
    // What a screen reader says of each control, and the Tab order.
    void NommePourLecteurs();

    QString Options_;
    QString Note_;
    QString Regle_;
    QString Analyse_;
    QString Raison_;
    QString Glose_;
    // The pages laid out for a sheet; none for the window's layout.
    unsigned PagesFeuille_ = 0;
    QSize PageFeuille_;
    int LargeurFeuille_ = 0;
    // The pieces a sheet is made of.
    TPiecesFeuille Pieces();

    QSize Reference_{TailleFenetre};
    std::function<void()> CopieConjugaison_;
    // The context menu of list `i`: its line, its tense, the conjugation.
    void MenuListe(std::size_t i, const QPoint& ou);
};

}  // namespace florimot
