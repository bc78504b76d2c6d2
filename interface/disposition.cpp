// Where the content's controls are placed: for the window, spread from the
// layout drawn for it; for a sheet, by the page's own layout (feuille.hpp).
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "apparence.hpp"
#include "contenu.hpp"
#include "etiquettes.hpp"
#include "feuille.hpp"
#include "liste_temps.hpp"
#include "pages.hpp"

namespace florimot {

void TContenu::Agence() {
    if (PagesFeuille_ != 0) {
        AgencePourFeuille(PagesFeuille_, PageFeuille_, LargeurFeuille_);
        return;
    }
    // At the reference size every control stands where it was drawn; a
    // larger content spreads the pages proportionally (the verb's row
    // keeps its place), so that the lists widen and long lines show whole.
    const double sx = std::max(1.0, double(width()) / Reference_.width());
    const double sy =
        std::max(1.0, double(height() - HautPages) / (Reference_.height() - HautPages));
    const auto X = [sx](int x) { return qRound(x * sx); };
    const auto Y = [sy](int y) {
        return y <= HautPages ? y : HautPages + qRound((y - HautPages) * sy);
    };
    const auto Cadre = [&](const QRect& r) {
        return QRect(QPoint(X(r.left()), Y(r.top())),
                     QPoint(X(r.left() + r.width()) - 1, Y(r.top() + r.height()) - 1));
    };

    // The entry widens with the window, as the lists do, so that a long verb
    // shows whole; the button and the word shown keep their distance after it.
    Verbe->setGeometry(8, 8, X(89) - 8, 21);
    Conjugue->move(X(96), Conjugue->y());
    VerbeL->move(X(96) + 112, VerbeL->y());
    Biseau->setGeometry(Cadre({1, 32, 625, 377}));
    PageSet->setGeometry(X(2), Y(408), X(627) - X(2), TOngletsPages::Hauteur);
    if (CasesOptions != nullptr) {
        // What the tabs leave of their strip, up to the panel's right edge.
        const int gauche = PageSet->x() + PageSet->tabRect(PageSet->count() - 1).right() + 12;
        CasesOptions->setGeometry(gauche, PageSet->y(), std::max(0, X(627) - 4 - gauche),
                                  TOngletsPages::Hauteur);
    }
    for (std::size_t i = 0; i < NombreGroupes; ++i)
        Boites[i]->setGeometry(Cadre(PlacesGroupes[i].Cadre));
    // The lines' type grows with the window, up to a size read from afar.
    QFont police = font();
    police.setPixelSize(std::clamp(int(11 * std::min(sx, sy)), 11, 16));
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        QListWidget* liste = Listes[i];
        if (liste == nullptr) continue;
        if (liste->font().pixelSize() != police.pixelSize()) liste->setFont(police);
        const TPlaceListe& place = *TrouvePlace(GrilleComplete[i].Nom);
        const QRect groupe = liste->parentWidget()->geometry();
        const TPlaceGroupe& dessin = PlacesGroupes[std::size_t(place.Groupe)];
        const QRect cadre =
            Cadre(place.Cadre.translated(dessin.Cadre.topLeft())).translated(-groupe.topLeft());
        liste->setGeometry(cadre);
        // The caption keeps its distance above its list.
        Legendes[i]->move(cadre.x(), cadre.y() - (place.Cadre.y() - place.PositionEtiquette.y()));
        MarqueCoupures(liste);
    }
    PlaceParticipe();
    if (EcouterB != nullptr)
        EcouterB->move(std::max(width(), Reference_.width()) - 8 - EcouterB->width(), 7);
    AligneGroupe();
    PlaceAnalyse();
}

void TContenu::AttacheCasesOptions(QWidget* cases) {
    CasesOptions = cases;
    CasesOptions->setParent(this);
    CasesOptions->show();
    Agence();
}

void TContenu::PlaceAnalyse() {
    // A strip between the tabs and the window's bottom edge: the buttons at
    // the right, the text in what is left, on two lines if need be.
    const int haut = PageSet->geometry().bottom() + 2;
    const int hauteur = std::max(0, height() - haut - 1);
    int droite = PageSet->geometry().right();
    for (auto i = AutresVerbes.rbegin(); i != AutresVerbes.rend(); ++i) {
        QPushButton* bouton = *i;
        const QSize taille(bouton->sizeHint().width(), std::min(hauteur, 22));
        bouton->setGeometry(droite - taille.width() + 1, haut + (hauteur - taille.height()) / 2,
                            taille.width(), taille.height());
        droite -= taille.width() + 4;
    }
    const int gauche = 8;
    // What was found behind the text typed, then why the selected line's
    // participle agrees.
    const QString texte = Analyse_.isEmpty() || Raison_.isEmpty()
                              ? Analyse_ + Raison_
                              : Analyse_ + QStringLiteral(" — ") + Raison_;
    AnalyseL->setVisible(!texte.isEmpty());
    PlaceGlose();
    if (texte.isEmpty()) return;
    EcritSurDeuxLignes(AnalyseL, texte, droite - 4 - gauche);
    AnalyseL->adjustSize();
    AnalyseL->move(gauche, haut + std::max(0, (hauteur - AnalyseL->height()) / 2));
}

void TContenu::MontrePage(int onglet) {
    for (std::size_t i = 0; i < NombreGroupes; ++i)
        Boites[i]->setVisible(PlacesGroupes[i].Page == onglet);
}

TPiecesFeuille TContenu::Pieces() {
    // On paper, the model's rule heads the dictionary's note, as in the window.
    const QString note = Regle_.isEmpty() || Note_.isEmpty()
                             ? Regle_ + Note_
                             : Regle_ + QStringLiteral(" — ") + Note_;
    return {VerbeL, OptionsL, Groupe, ModeleL,  NoteL,  Options_,
            note,   Biseau,   Boites, PartPres, Listes, Legendes};
}

QSize TContenu::AgencePourFeuille(unsigned pages, QSize page, int largeur) {
    PagesFeuille_ = pages;
    PageFeuille_ = page;
    LargeurFeuille_ = largeur;
    const QSize taille = AgenceFeuille(Pieces(), pages, page, largeur);
    if (size() != taille) resize(taille);
    return taille;
}

int TContenu::LargeurPourFeuille(unsigned pages, QSize page) {
    return LargeurFeuille(Pieces(), pages, page);
}

double TContenu::ManqueDeLargeur(int onglet) const {
    // Lists grow in proportion with the window: the one that lacks the most
    // room says how much.
    double facteur = 1.0;
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const QListWidget* liste = Listes[i];
        if (liste == nullptr || PageDeCellule(GrilleComplete[i]) != onglet + 1 ||
            liste->width() <= 0)
            continue;
        facteur = std::max(facteur, double(LargeurVoulue(liste)) / liste->width());
    }
    return facteur;
}

void TContenu::EcritOptions(bool deuxLignes) {
    OptionsL->setText(deuxLignes ? CoupeALaVirgule(Options_) : Options_);
}

void TContenu::AligneGroupe() {
    // Left to right: the word, the options in force, the group, the model.
    // A word of wide letters would run into the group's caption: the caption
    // then steps aside instead of being written over. A row still too wide
    // for the window breaks the options' caption in two lines, then takes
    // smaller type, rather than running off the window's edge.
    constexpr int Ecart = 6;
    // The « Écouter » button keeps the row's end.
    const int limite =
        std::max(width(), Reference_.width()) - 8 -
        (EcouterB != nullptr && EcouterB->isVisibleTo(this) ? EcouterB->width() + 6 : 0);
    const auto aligne = [&](QLabel* legende, const QLabel* sur, int x) {
        // On the baseline of the caption it qualifies; two lines centred on it.
        legende->setVisible(!legende->text().isEmpty());
        legende->adjustSize();
        const int haut =
            legende->text().contains(u'\n')
                ? sur->y() + (sur->height() - legende->height()) / 2
                : sur->y() + sur->fontMetrics().ascent() - legende->fontMetrics().ascent();
        legende->move(x, std::max(0, haut));
    };
    for (int taille = 16, essai = 0;; ++essai) {
        const bool deuxLignes = essai % 2 == 1;
        EcritOptions(deuxLignes);
        VerbeL->setFont(PoliceTexte(taille, true));
        Groupe->setFont(PoliceTexte(taille, true));
        VerbeL->adjustSize();
        Groupe->adjustSize();
        VerbeL->move(VerbeL->x(), 8 + (16 - taille) / 2);
        Groupe->move(Groupe->x(), VerbeL->y());
        aligne(OptionsL, VerbeL, VerbeL->geometry().right() + Ecart);
        const int apresVerbe =
            OptionsL->text().isEmpty() ? VerbeL->geometry().right() : OptionsL->geometry().right();
        Groupe->move(std::max(PositionGroupe, apresVerbe + 8), Groupe->y());
        aligne(ModeleL, Groupe, Groupe->geometry().right() + Ecart);
        int droite =
            ModeleL->text().isEmpty() ? Groupe->geometry().right() : ModeleL->geometry().right();
        if (MemeModeleVoulu_) droite += Ecart + MemeModeleB->sizeHint().width();
        if (droite <= limite || taille <= 11) break;
        if (deuxLignes || !Options_.contains(u',')) --taille;
    }
    // The dictionary's note takes what the row leaves, on two lines if need be.
    int apres =
        (ModeleL->text().isEmpty() ? Groupe->geometry().right() : ModeleL->geometry().right()) +
        Ecart;
    const QString note = Regle_.isEmpty() || Note_.isEmpty()
                             ? Regle_ + Note_
                             : Regle_ + QStringLiteral(" — ") + Note_;
    // The list of the model's verbs is a click away, between the model and
    // the note; a row too wide for it, or that would leave the note too
    // little room to be read, leaves it to the menu and Ctrl+M.
    constexpr int PlaceNote = 160;
    if (MemeModeleB != nullptr)
        MemeModeleB->setVisible(MemeModeleVoulu_ && apres + MemeModeleB->sizeHint().width() +
                                                            (note.isEmpty() ? 0 : PlaceNote) <=
                                                        limite);
    if (MemeModeleB != nullptr && !MemeModeleB->isHidden()) {
        MemeModeleB->adjustSize();
        MemeModeleB->move(apres, Groupe->y() + (Groupe->height() - MemeModeleB->height()) / 2);
        apres = MemeModeleB->geometry().right() + Ecart;
    }
    EcritSurDeuxLignes(NoteL, note, std::max(0, limite - apres));
    // Read whole by a screen reader, however little of it the row shows.
    NoteL->setAccessibleDescription(note);
    aligne(NoteL, Groupe, apres);
}

void TContenu::PlaceParticipe() {
    // The label grows with its text from where it was drawn; a participle too
    // long for the box moves left, then takes a smaller size, rather than
    // being cut.
    constexpr int Marge = 8;
    constexpr int Gauche = 80, Haut = 56, Hauteur = 55, HauteurBoite = 177;
    const QGroupBox* participe = Boite(TGroupeBoite::Participe);
    const int droite = participe->width() - Marge;
    QFont police = PoliceParticipe(48);
    int largeur = QFontMetrics(police).horizontalAdvance(PartPres->text()) + 4;
    while (largeur > droite - Marge && police.pixelSize() > 12) {
        police.setPixelSize(police.pixelSize() - 2);
        largeur = QFontMetrics(police).horizontalAdvance(PartPres->text()) + 4;
    }
    PartPres->setFont(police);
    const int gauche = std::max(Marge, std::min(Gauche, droite - largeur));
    PartPres->setGeometry(gauche, Haut + (participe->height() - HauteurBoite) / 2, largeur,
                          Hauteur);
}

}  // namespace florimot
