// A printed page laid out for the sheet, not for the window: the same groups,
// tenses and order, each list as wide as its longest line, the lines spread
// down the whole page; the text is made smaller only when the sheet's width
// (or, on a wide sheet, its height) leaves no other way to show every line
// whole.
#pragma once

#include <QSize>
#include <QString>
#include <array>

#include "conjugaison.hpp"
#include "disposition.hpp"

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QWidget;

namespace florimot {

// The controls of a content the page is made of; the tense lists and their
// captions in the order of GrilleComplete (the participe présent's list is
// null: it is `Participe`'s label).
struct TPiecesFeuille {
    QLabel* Verbe = nullptr;
    QLabel* Options = nullptr;
    QLabel* Groupe = nullptr;
    QLabel* Modele = nullptr;
    QLabel* Note = nullptr;
    QString TexteOptions;  // whole, as the window may break or cut them
    QString TexteNote;
    QFrame* Biseau = nullptr;
    std::array<QGroupBox*, NombreGroupes> Boites{};  // in the order of PlacesGroupes
    QLabel* PartPres = nullptr;
    std::array<QListWidget*, GrilleComplete.size()> Listes{};
    std::array<QLabel*, GrilleComplete.size()> Legendes{};

    QGroupBox* Boite(EGroupe groupe) const { return Boites[std::size_t(groupe)]; }
};

// Places the pieces of page `onglet` (0, 1 or 2) for a sheet whose printable
// area is `page` (any unit: only its proportions count) and returns the size
// of the laid-out content, in the widgets' own pixels, which has the sheet's
// proportions: drawn stretched to the sheet, it fills it.
QSize AgenceFeuille(const TPiecesFeuille& pieces, int onglet, QSize page);

}  // namespace florimot
