#include "feuille.hpp"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <vector>

#include "apparence.hpp"
#include "liste_temps.hpp"

namespace florimot {

namespace {

// The width a page is drawn at when nothing is too wide for it: the window's
// own, so that paper shows the window's type sizes.
constexpr int LargeurNominale = 620;
constexpr int Marge = 8;           // around the page and inside a group
constexpr int EcartColonnes = 14;  // between two lists
constexpr int EcartGroupes = 10;
constexpr int HauteurLegende = 16;
constexpr int HautGroupe = 18;  // the group's caption, on its frame line
// The lines are spread at most to twice their height; past that the room
// left goes between the groups.
constexpr int EspacementMaximal = HauteurLigne;

struct TGroupe {
    QGroupBox* Boite;
    std::vector<std::size_t> Cellules;  // indices in Grille, in order
    int Colonnes;
};

// The groups of each page, rows of them, as the window shows them; a sheet
// of several pages puts their rows one under another.
std::vector<std::vector<TGroupe>> Rangees(const TPiecesFeuille& p, PagesFeuille pages) {
    std::vector<std::vector<TGroupe>> rangees;
    if (pages & 1u) {
        rangees.push_back({{p.Boite(TGroupeBoite::Indicatif), {0, 1, 2, 3, 4, 5, 6, 7}, 4}});
        rangees.push_back({{p.Boite(TGroupeBoite::Subjonctif), {8, 9, 10, 11}, 4}});
    }
    if (pages & 2u) {
        rangees.push_back({{p.Boite(TGroupeBoite::Imperatif), {12, 13}, 2},
                           {p.Boite(TGroupeBoite::Participe), {17}, 1}});
        rangees.push_back({{p.Boite(TGroupeBoite::Conditionnel), {14, 15, 16}, 3}});
    }
    if (pages & 4u) {
        rangees.push_back({{p.Boite(TGroupeBoite::Infinitif), {18, 19}, 2}});
        rangees.push_back({{p.Boite(TGroupeBoite::ParticipePasse), {20, 21}, 2}});
        rangees.push_back({{p.Boite(TGroupeBoite::Gerondif), {22, 23}, 2}});
    }
    return rangees;
}

int LargeurTexte(const QWidget* w, const QString& texte) {
    return QFontMetrics(w->font()).horizontalAdvance(texte);
}

// Lines taller than the window's, their text centred in them: the room a
// sheet has to spare spreads the lines without widening the lists.
class TDelegueFeuille : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int Hauteur = HauteurLigne;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), Hauteur};
    }
};

// A list's width: its longest line, and room for the view's own margins.
int LargeurListe(const QListWidget* liste) {
    int largeur = 0;
    for (int i = 0; i < liste->count(); ++i)
        largeur = std::max(largeur, LargeurTexte(liste, liste->item(i)->text()));
    return largeur + 8;
}

// As the view itself lays its lines out, each `espacement` pixels taller.
int HauteurListe(QListWidget* liste, int espacement) {
    auto* delegue = dynamic_cast<TDelegueFeuille*>(liste->itemDelegate());
    if (delegue == nullptr) {
        delegue = new TDelegueFeuille(liste);
        liste->setItemDelegate(delegue);
    }
    delegue->Hauteur = HauteurLigne + espacement;
    if (liste->count() == 0) return 4;
    liste->doItemsLayout();
    liste->scrollToTop();
    const QRect derniere = liste->visualItemRect(liste->item(liste->count() - 1));
    return derniere.bottom() + 1 + 4;
}

class TDisposition {
public:
    TDisposition(const TPiecesFeuille& p, PagesFeuille pages)
        : P_(p), Rangees_(Rangees(p, pages)) {}

    // Lays the page out with lines `espacement` pixels taller and `ecart`
    // more at the foot of each row of groups, the last group of each row reaching
    // `largeurPage` when given; returns its size.
    QSize Place(int espacement, int ecart, int largeurPage = 0) {
        int y = Marge + Entete() + EcartGroupes;
        int largeur = Entete_ + 2 * Marge;
        for (const std::vector<TGroupe>& rangee : Rangees_) {
            int x = Marge, hauteur = 0;
            for (const TGroupe& g : rangee) {
                const QSize taille = PlaceGroupe(g, espacement);
                g.Boite->setGeometry(x, y, taille.width(), taille.height() + ecart);
                x += taille.width() + EcartGroupes;
                hauteur = std::max(hauteur, taille.height() + ecart);
            }
            // Side by side, the groups of a row are as tall as the tallest.
            for (const TGroupe& g : rangee) g.Boite->resize(g.Boite->width(), hauteur);
            QGroupBox* derniere = rangee.back().Boite;
            if (largeurPage > 0)
                derniere->resize(std::max(derniere->width(), largeurPage - Marge - derniere->x()),
                                 hauteur);
            largeur = std::max(largeur, x - EcartGroupes + Marge);
            y += hauteur + EcartGroupes;
        }
        return {largeur, y - EcartGroupes + Marge};
    }
    int NombreRangees() const { return int(Rangees_.size()); }

private:
    // The verb's row on one line, each caption whole, and under it the
    // model's rule and the dictionary's note, broken into lines no wider than
    // the narrowest sheet so that they never make the type smaller; returns
    // its height.
    int Entete() {
        int x = Marge, hauteur = 0;
        P_.Options->setText(P_.TexteOptions);
        P_.Note->setToolTip({});
        for (QLabel* l : {P_.Verbe, P_.Options, P_.Groupe, P_.Modele}) {
            l->setVisible(!l->text().isEmpty());
            if (l->text().isEmpty()) continue;
            l->adjustSize();
            hauteur = std::max(hauteur, l->height());
        }
        for (QLabel* l : {P_.Verbe, P_.Options, P_.Groupe, P_.Modele}) {
            if (l->text().isEmpty()) continue;
            // On the baseline of the word.
            l->move(x, Marge + P_.Verbe->fontMetrics().ascent() - l->fontMetrics().ascent());
            x += l->width() + (l == P_.Options || l == P_.Verbe ? 16 : 10);
        }
        Entete_ = x - Marge;
        P_.Note->setVisible(!P_.TexteNote.isEmpty());
        if (!P_.TexteNote.isEmpty()) {
            P_.Note->setWordWrap(true);
            P_.Note->setText(P_.TexteNote);
            const int large = LargeurNominale - 2 * Marge;
            P_.Note->setFixedWidth(std::min(large, LargeurTexte(P_.Note, P_.TexteNote) + 2));
            P_.Note->setFixedHeight(P_.Note->heightForWidth(P_.Note->width()));
            P_.Note->move(Marge, Marge + hauteur + 2);
            hauteur += 2 + P_.Note->height();
        }
        return hauteur;
    }

    QSize PlaceGroupe(const TGroupe& g, int espacement) {
        if (g.Boite == P_.Boite(TGroupeBoite::Participe)) {
            // On paper, at the type of every other line: the window's large
            // face would tower over the sheet's words.
            P_.PartPres->setFont(P_.Listes.front()->font());
            P_.PartPres->adjustSize();
            const QSize t = P_.PartPres->size();
            P_.PartPres->move(Marge, HautGroupe + espacement);
            return {std::max(t.width(), LargeurTexte(g.Boite, g.Boite->title()) + 16) + 2 * Marge,
                    HautGroupe + t.height() + 2 * espacement + Marge};
        }
        // Each column as wide as its widest list or caption.
        std::vector<int> colonnes(std::size_t(g.Colonnes), 0);
        for (std::size_t k = 0; k < g.Cellules.size(); ++k) {
            const std::size_t c = g.Cellules[k];
            int& l = colonnes[k % colonnes.size()];
            l = std::max({l, LargeurListe(P_.Listes[c]),
                          LargeurTexte(P_.Legendes[c], P_.Legendes[c]->text())});
        }
        int y = HautGroupe, largeur = 0;
        for (std::size_t debut = 0; debut < g.Cellules.size(); debut += colonnes.size()) {
            int x = Marge, hauteur = 0;
            for (std::size_t k = debut; k < std::min(g.Cellules.size(), debut + colonnes.size());
                 ++k) {
                const std::size_t c = g.Cellules[k];
                const int l = colonnes[k - debut];
                P_.Legendes[c]->adjustSize();
                P_.Legendes[c]->move(x, y);
                const int h = HauteurListe(P_.Listes[c], espacement);
                P_.Listes[c]->setGeometry(x, y + HauteurLegende, l, h);
                hauteur = std::max(hauteur, HauteurLegende + h);
                x += l + EcartColonnes;
            }
            largeur = std::max(largeur, x - EcartColonnes + Marge);
            y += hauteur + 6;
        }
        return {largeur, y - 6 + Marge};
    }

    const TPiecesFeuille& P_;
    std::vector<std::vector<TGroupe>> Rangees_;
    int Entete_ = 0;
};

}  // namespace

namespace {

void MontrePages(const TPiecesFeuille& pieces, PagesFeuille pages) {
    // Paper is white: no window grey behind the lists.
    QWidget* racine = pieces.Biseau->parentWidget();
    QPalette palette = racine->palette();
    palette.setColor(QPalette::Window, Qt::white);
    racine->setPalette(palette);
    pieces.Biseau->hide();
    for (std::size_t i = 0; i < NombreGroupes; ++i)
        pieces.Boites[i]->setVisible((pages >> PlacesGroupes[i].Page & 1u) != 0);
    // One type size on the sheet: the header, the groups' and tenses'
    // captions take the lines' own face, in bold where the window has bold.
    const QFont lignes = pieces.Listes.front()->font();
    QFont gras = lignes;
    gras.setBold(true);
    for (QLabel* l : {pieces.Verbe, pieces.Groupe}) l->setFont(gras);
    for (QLabel* l : {pieces.Options, pieces.Modele, pieces.Note}) l->setFont(lignes);
    for (QLabel* l : pieces.Legendes)
        if (l != nullptr) l->setFont(gras);
    for (QGroupBox* b : pieces.Boites) b->setFont(lignes);
    for (QListWidget* l : pieces.Listes)
        if (l != nullptr) l->setFont(lignes);
}

double Proportion(QSize page) {
    return page.isEmpty() ? 1.0 : double(page.height()) / page.width();
}

}  // namespace

int LargeurFeuille(const TPiecesFeuille& pieces, PagesFeuille pages, QSize page) {
    MontrePages(pieces, pages);
    TDisposition d(pieces, pages);
    const QSize serree = d.Place(0, 0);
    // Never narrower than the window: the type is then as large as on screen.
    // A sheet wider than tall: the height decides.
    return std::max(
        {LargeurNominale, serree.width(), int(std::ceil(serree.height() / Proportion(page)))});
}

QSize AgenceFeuille(const TPiecesFeuille& pieces, PagesFeuille pages, QSize page, int largeur) {
    largeur = std::max(largeur, LargeurFeuille(pieces, pages, page));
    TDisposition d(pieces, pages);
    const QSize serree = d.Place(0, 0);
    const int hauteur = std::max(serree.height(), qRound(largeur * Proportion(page)));
    // The room left spreads the lines, then the groups, down the page.
    const QSize un = d.Place(1, 0);
    const int parEspacement = std::max(1, un.height() - serree.height());
    int espacement = std::clamp((hauteur - serree.height()) / parEspacement, 0, EspacementMaximal);
    QSize etale = d.Place(espacement, 0);
    while (espacement > 0 && etale.height() > hauteur) etale = d.Place(--espacement, 0);
    const int ecart = std::max(0, hauteur - etale.height()) / d.NombreRangees();
    d.Place(espacement, ecart, largeur);
    return {largeur, hauteur};
}

}  // namespace florimot
