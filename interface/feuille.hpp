// A printed sheet laid out for the sheet, not for the window: the groups of
// one or more pages, tenses and order as the window has them, each list as
// wide as its longest line, the lines spread down the whole sheet; the text
// is made smaller only when the sheet's width (or, on a wide sheet, its
// height) leaves no other way to show every line whole.
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

    QGroupBox* Boite(TGroupeBoite groupe) const { return Boites[std::size_t(groupe)]; }
};

// The pages of the window a sheet shows, one bit a page (bit 0 "Page1").
using PagesFeuille = unsigned;
inline constexpr PagesFeuille ToutesLesPages = (1u << NombrePages) - 1;

// Places the pieces of the pages `pages`, their groups one row under
// another, for a sheet whose printable area is `page` (any unit: only its
// proportions count) and returns the size of the laid-out content, in the
// widgets' own pixels, which has the sheet's proportions: drawn stretched to
// the sheet, it fills it. `largeur`, when wider than what the pages need,
// is the content's width, so that sheets laid out at one width print at one
// type size.
QSize AgenceFeuille(const TPiecesFeuille& pieces, PagesFeuille pages, QSize page, int largeur = 0);

// The narrowest width AgenceFeuille may give `pages` on such a sheet: every
// line whole, and every group within the sheet's height.
int LargeurFeuille(const TPiecesFeuille& pieces, PagesFeuille pages, QSize page);

}  // namespace florimot
