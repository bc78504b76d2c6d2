#include "ecran.hpp"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <algorithm>
#include <memory>
#include <string_view>

#include "about.hpp"
#include "apparence.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

constexpr int HauteurLigne = 13;
constexpr int PositionGroupe = 320;

// Where each group box stands and on which page it shows.
struct PlaceGroupe {
    const char* Nom;
    const char* Legende;
    QRect Cadre;
    int Page;  // 0 "Page1", 1 "Page2"
};

constexpr PlaceGroupe Groupes[] = {
    {"Indicatif", "Indicatif", {5, 33, 616, 241}, 0},
    {"Subjonctif", "Subjonctif", {5, 275, 616, 129}, 0},
    {"Imperatif", "Impératif", {80, 80, 137, 177}, 1},
    {"Conditionnel", "Conditionnel", {80, 264, 465, 129}, 1},
    {"Participe", "Participe Présent", {224, 80, 321, 177}, 1},
};

// Where each list of the grid and its tense caption stand; which cell a list
// shows, and its caption, come from the engine's grid.
struct PlaceListe {
    std::string_view Nom;
    const char* Groupe;
    const char* Etiquette;
    QPoint PositionEtiquette;
    QRect Cadre;
};

constexpr PlaceListe Listes[] = {
    {"PresInd", "Indicatif", "Label1", {8, 16}, {8, 32, 145, 89}},
    {"PCInd", "Indicatif", "Label2", {160, 16}, {160, 32, 145, 89}},
    {"ImpInd", "Indicatif", "Label3", {312, 16}, {312, 32, 145, 89}},
    {"PqpInd", "Indicatif", "Label4", {464, 16}, {464, 32, 145, 89}},
    {"PSInd", "Indicatif", "Label5", {8, 128}, {8, 144, 145, 89}},
    {"PAInd", "Indicatif", "Label6", {160, 128}, {160, 144, 145, 89}},
    {"FSInd", "Indicatif", "Label7", {312, 128}, {312, 144, 145, 89}},
    {"FAInd", "Indicatif", "Label8", {464, 128}, {464, 144, 145, 89}},
    {"PresSubj", "Subjonctif", "Label9", {8, 13}, {8, 29, 145, 92}},
    {"PCSubj", "Subjonctif", "Label10", {160, 13}, {160, 29, 145, 92}},
    {"ImpSubj", "Subjonctif", "Label11", {312, 13}, {312, 29, 145, 92}},
    {"PQPSubj", "Subjonctif", "Label12", {464, 13}, {464, 29, 145, 92}},
    {"PresImp", "Imperatif", "Label13", {8, 24}, {8, 40, 120, 45}},
    {"PCImp", "Imperatif", "Label14", {8, 96}, {8, 120, 120, 45}},
    {"PresCond", "Conditionnel", "Label15", {8, 17}, {8, 33, 145, 89}},
    {"P1Cond", "Conditionnel", "Label16", {160, 17}, {160, 33, 145, 89}},
    {"P2Cond", "Conditionnel", "Label17", {312, 17}, {312, 33, 145, 89}},
};

const PlaceListe* TrouvePlace(std::string_view nom) {
    for (const PlaceListe& place : Listes)
        if (place.Nom == nom) return &place;
    return nullptr;
}

QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Lines of the lists are 13 pixels high whatever the style would choose.
class DelegueLigne : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), HauteurLigne};
    }
};

// The page tabs keep to the strip's height, however tall the style draws them.
class OngletsPages : public QTabBar {
public:
    static constexpr int Hauteur = 21;
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize taille = QTabBar::tabSizeHint(index);
        taille.setHeight(std::min(taille.height(), Hauteur));
        return taille;
    }
};

// The entry offers its whole text when the keyboard brings the focus to it
// (start-up, Tab, back from a message box), so a new verb simply replaces the
// last one; a click still places the cursor where it falls.
//
// Pasted text is composed first (NFC): "céder" copied from a page that writes
// the accent as a separate combining mark must still read as céder, not as
// "ceder" once the mask has dropped the mark.
class EntreeVerbe : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    void ColleCompose() {
        insert(QGuiApplication::clipboard()->text().normalized(QString::NormalizationForm_C));
    }

protected:
    void focusInEvent(QFocusEvent* evenement) override {
        QLineEdit::focusInEvent(evenement);
        if (evenement->reason() != Qt::MouseFocusReason) selectAll();
    }
    void keyPressEvent(QKeyEvent* evenement) override {
        if (evenement->matches(QKeySequence::Paste) && !isReadOnly()) {
            ColleCompose();
            evenement->accept();
            return;
        }
        QLineEdit::keyPressEvent(evenement);
    }
    void contextMenuEvent(QContextMenuEvent* evenement) override {
        const std::unique_ptr<QMenu> menu(createStandardContextMenu());
        if (auto* coller = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
            coller->disconnect(this);
            connect(coller, &QAction::triggered, this, &EntreeVerbe::ColleCompose);
        }
        menu->exec(evenement->globalPos());
    }
};

QLabel* CreeEtiquette(QWidget* parent, const char* nom, const QString& texte, QPoint position,
                      const QFont& police) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setTextFormat(Qt::PlainText);
    etiquette->setFont(police);
    etiquette->move(position);
    etiquette->adjustSize();
    return etiquette;
}

}  // namespace

TEcran::TEcran(TDialogues& dialogues, QWidget* parent)
    : QMainWindow(parent), Dialogues_(dialogues) {
    setObjectName(QStringLiteral("Ecran"));
    setWindowTitle(QStringLiteral("Florimot"));
    setWindowIcon(IconeApplication());
    setFont(PoliceTexte(11));
    CreeComposants();
    CreeMenu();
    setFixedSize(640, 480);
    Verbe->setFocus();
}

void TEcran::keyPressEvent(QKeyEvent* evenement) {
    // A main window has no default button of its own: Enter that no control
    // of this window used presses this one. The About window is a window of
    // its own, so its keys never arrive here.
    if ((evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) &&
        (evenement->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Conjugue->click();
        return;
    }
    QMainWindow::keyPressEvent(evenement);
}

void TEcran::showEvent(QShowEvent* evenement) {
    // Centred once, when the frame around the window is known; afterwards
    // the window stays where the user puts it.
    if (!Centree_) {
        Centree_ = true;
        if (const QScreen* ecran = screen())
            move(pos() + ecran->availableGeometry().center() - frameGeometry().center());
    }
    QMainWindow::showEvent(evenement);
}

void TEcran::CreeComposants() {
    auto* fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("Fond"));
    setCentralWidget(fond);
    // The captions of the group boxes sit on their frame line, leaving the
    // whole inside to the tense captions placed near the top.
    fond->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));

    Verbe = new EntreeVerbe(fond);
    Verbe->setObjectName(QStringLiteral("Verbe"));
    // Lower case, letters (accented ones too) and digits, every position
    // optional; an empty position reads as a blank.
    Verbe->setInputMask(QStringLiteral("<nnnnnnnnnnnnnnn; "));
    Verbe->setText(QStringLiteral("verbe"));
    Verbe->setGeometry(8, 8, 81, 21);
    Verbe->setToolTip(QStringLiteral("Verbe à Conjuguer"));

    Conjugue = new QPushButton(QStringLiteral("Conjugue"), fond);
    Conjugue->setObjectName(QStringLiteral("Conjugue"));
    Conjugue->setGeometry(96, 8, 81, 23);
    Conjugue->setToolTip(QStringLiteral("Conjugue un verbe"));
    Conjugue->setDefault(true);
    connect(Conjugue, &QPushButton::clicked, this, &TEcran::ConjugueClick);
    Groupe = CreeEtiquette(fond, "Groupe", QStringLiteral("Groupe"), {PositionGroupe, 8},
                           PoliceTexte(16, true));
    VerbeL =
        CreeEtiquette(fond, "VerbeL", QStringLiteral("Verbe"), {208, 8}, PoliceTexte(16, true));

    Rectangl = new QFrame(fond);
    Rectangl->setObjectName(QStringLiteral("Rectangl"));
    Rectangl->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Rectangl->setGeometry(1, 32, 625, 377);
    Rectangl->lower();  // a bevel is drawn beneath the controls it frames

    for (const PlaceGroupe& place : Groupes) {
        auto* groupe = new QGroupBox(QString::fromUtf8(place.Legende), fond);
        groupe->setObjectName(QString::fromLatin1(place.Nom));
        groupe->setGeometry(place.Cadre);
        groupe->setVisible(place.Page == 0);
    }
    Indicatif = fond->findChild<QGroupBox*>(QStringLiteral("Indicatif"));
    Subjonctif = fond->findChild<QGroupBox*>(QStringLiteral("Subjonctif"));
    Imperatif = fond->findChild<QGroupBox*>(QStringLiteral("Imperatif"));
    Conditionnel = fond->findChild<QGroupBox*>(QStringLiteral("Conditionnel"));
    Participe = fond->findChild<QGroupBox*>(QStringLiteral("Participe"));

    const QFont policeTemps = PoliceTexte(11, true);
    for (std::size_t i = 0; i < Grille.size(); ++i) {
        const Cellule& cellule = Grille[i];
        const PlaceListe* place = TrouvePlace(cellule.Nom);
        if (place == nullptr) continue;  // the participle, a label
        auto* groupe = fond->findChild<QGroupBox*>(QString::fromLatin1(place->Groupe));
        CreeEtiquette(groupe, place->Etiquette, Texte(cellule.Temps), place->PositionEtiquette,
                      policeTemps);
        auto* liste = new QListWidget(groupe);
        liste->setObjectName(Texte(cellule.Nom));
        liste->setGeometry(place->Cadre);
        liste->setItemDelegate(new DelegueLigne(liste));
        liste->setUniformItemSizes(true);
        liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        liste->setTextElideMode(Qt::ElideRight);
        Listes_[i] = liste;
    }

    PartPres = CreeEtiquette(Participe, "PartPres", QStringLiteral("PartPres"), {80, 56},
                             PoliceParticipe(48));
    PlaceParticipe();

    PageSet = new OngletsPages(fond);
    PageSet->setObjectName(QStringLiteral("PageSet"));
    PageSet->setShape(QTabBar::RoundedSouth);
    PageSet->setExpanding(false);
    PageSet->addTab(QStringLiteral("Page1"));
    PageSet->addTab(QStringLiteral("Page2"));
    PageSet->setGeometry(2, 408, 625, OngletsPages::Hauteur);
    PageSet->setCurrentIndex(0);
    connect(PageSet, &QTabBar::currentChanged, this, &TEcran::SetPage);
}

void TEcran::CreeMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    const auto commande = [this](QMenu* menu, const char* nom, const QString& legende,
                                 const QKeySequence& raccourci, void (TEcran::*gestionnaire)()) {
        QAction* action = menu->addAction(legende);
        action->setObjectName(QString::fromLatin1(nom));
        action->setShortcut(raccourci);
        // Also on the window itself, so the shortcut works wherever the focus is.
        addAction(action);
        connect(action, &QAction::triggered, this, gestionnaire);
        return action;
    };

    Action = MainMenu1->addMenu(QStringLiteral("&Action"));
    Action->setObjectName(QStringLiteral("Action"));
    Conjuguer1 = commande(Action, "Conjuguer1", QStringLiteral("&Conjuguer"),
                          QKeySequence(Qt::Key_F1), &TEcran::Conjuguer1Click);
    Imprimer1 = commande(Action, "Imprimer1", QStringLiteral("&Imprimer"),
                         QKeySequence(Qt::CTRL | Qt::Key_P), &TEcran::Imprimer1Click);
    Quitter1 = commande(Action, "Quitter1", QStringLiteral("&Quitter"),
                        QKeySequence(Qt::CTRL | Qt::Key_Q), &TEcran::Quitter1Click);

    Aide = MainMenu1->addMenu(QStringLiteral("&?"));
    Aide->setObjectName(QStringLiteral("Aide"));
    APropos1 = commande(Aide, "APropos1", QStringLiteral("A &Propos..."), QKeySequence(Qt::Key_F2),
                        &TEcran::APropos1Click);
    Aide1 = commande(Aide, "Aide1", QStringLiteral("&Aide"), QKeySequence(Qt::CTRL | Qt::Key_H),
                     &TEcran::Aide1Click);
}

QString TEcran::TexteVerbe() const {
    // The displayed text keeps a blank for every empty position, inner ones
    // included, where text() would drop them all.
    QString texte = Verbe->displayText().left(LongueurEntree);
    if (texte.size() < LongueurEntree) texte += QString(LongueurEntree - texte.size(), u' ');
    return texte;
}

void TEcran::ConjugueClick() {
    TVerbe verbe;
    const QString texte = TexteVerbe();
    VerbeL->setText(texte);
    VerbeL->adjustSize();
    verbe.DefinitVerbe(TexteVerbe().toStdString());
    Groupe->setText(QString::fromStdString(LegendeGroupe(verbe)));
    Groupe->adjustSize();
    // A word of wide letters would run into the group's caption: the caption
    // then steps aside instead of being written over.
    Groupe->move(std::max(PositionGroupe, VerbeL->geometry().right() + 8), Groupe->y());
    if (verbe.DonneGroupe() == 0)
        Dialogues_.Demande(this, QStringLiteral("Ceci n'est pas un Verbe"),
                           QStringLiteral("Avertissement"), TDialogues::Icone::Information,
                           TDialogues::Boutons::Ok);

    const LignesGrille lignes = ConjugueGrille(verbe);
    for (std::size_t i = 0; i < Grille.size(); ++i) {
        const Cellule& cellule = Grille[i];
        QListWidget* liste = Listes_[i];
        if (liste == nullptr) {
            PartPres->setText(QString::fromUtf8(lignes[cellule.Premier]));
            PlaceParticipe();
            continue;
        }
        liste->clear();
        const QFontMetrics mesure(liste->font());
        const int largeur = liste->contentsRect().width() - 6;
        for (int k = 0; k < cellule.NombreLignes(); ++k) {
            auto* ligne = new QListWidgetItem(QString::fromUtf8(lignes[cellule.Premier + k]));
            // A line too long for its list is cut with an ellipsis; the whole
            // line is then readable under the pointer.
            if (mesure.horizontalAdvance(ligne->text()) > largeur) ligne->setToolTip(ligne->text());
            liste->addItem(ligne);
        }
    }
}

void TEcran::Conjuguer1Click() {
    ConjugueClick();
}

void TEcran::SetPage(int onglet) {
    const bool page2 = onglet == 1;
    Indicatif->setVisible(!page2);
    Subjonctif->setVisible(!page2);
    Conditionnel->setVisible(page2);
    Imperatif->setVisible(page2);
    Participe->setVisible(page2);
}

void TEcran::Imprimer1Click() {
    // The printer lets the window handle its events while a job is produced:
    // a second request arriving then must not start a second job.
    if (Impression_ == nullptr || Imprime_ || Impression_->EnCours()) return;
    Imprime_ = true;
    struct Fin {
        bool& Drapeau;
        ~Fin() { Drapeau = false; }
    } fin{Imprime_};
    const QString nom = QStringLiteral("Florimot du verbe ") + TexteVerbe();

    // Taken away first, so that it does not pass to a list that would then
    // be printed with the focus mark.
    Verbe->clearFocus();
    Verbe->hide();
    Conjugue->hide();

    const QRect source = RectangleImpression();
    const QSize page = Impression_->TaillePage();
    const QRect destination(0, 0, page.width(), page.height() / 2);

    SetPage(0);

    std::array<int, Grille.size()> cadres{};
    for (std::size_t i = 0; i < Listes_.size(); ++i) {
        if (Listes_[i] == nullptr) continue;
        cadres[i] = Listes_[i]->frameStyle();
        Listes_[i]->setFrameStyle(QFrame::NoFrame);
    }

    bool reussi = !page.isEmpty();
    QString raison;
    if (reussi && destination.isEmpty()) {
        reussi = false;
        raison = QStringLiteral("La page de l'imprimante est trop petite pour y imprimer.");
    }
    bool commence = false;
    if (reussi) reussi = commence = Impression_->Commence(nom);
    if (reussi) reussi = Impression_->Dessine(destination, ImagePage(0, source));
    SetPage(1);
    if (reussi) reussi = Impression_->NouvellePage();
    if (reussi) reussi = Impression_->Dessine(destination, ImagePage(1, source));
    if (reussi) reussi = Impression_->Termine();
    if (!reussi && commence && Impression_->EnCours()) Impression_->Abandonne();

    // Whatever happened, the window goes back to what the user works with.
    RetablitApresImpression(cadres);
    if (!reussi) {
        if (raison.isEmpty()) raison = Impression_->Erreur();
        if (raison.isEmpty()) raison = QStringLiteral("L'impression n'a pas pu se faire.");
        Dialogues_.Demande(this, raison, QStringLiteral("Florimot"), TDialogues::Icone::Erreur,
                           TDialogues::Boutons::Ok);
        Verbe->setFocus();
    }
}

QRect TEcran::RectangleImpression() const {
    const QRect biseau = Rectangl->geometry();
    // From the top left corner, 30 pixels above the bevel, to 5 pixels short
    // of its right and bottom edges (both excluded).
    return {QPoint(biseau.left(), biseau.top() - 30),
            QSize(biseau.width() - 5, biseau.height() + 25)};
}

QPixmap TEcran::ImagePage(int onglet, const QRect& source) {
    // Events handled while the job started or changed pages may have
    // switched the page: the picture shows the page it is taken for.
    SetPage(onglet);
    return centralWidget()->grab(source);
}

void TEcran::RetablitApresImpression(const std::array<int, Grille.size()>& cadres) {
    for (std::size_t i = 0; i < Listes_.size(); ++i)
        if (Listes_[i] != nullptr) Listes_[i]->setFrameStyle(cadres[i]);
    PageSet->setCurrentIndex(0);
    SetPage(0);
    Verbe->show();
    Conjugue->show();
    Verbe->setFocus();
}

void TEcran::Quitter1Click() {
    const auto reponse = Dialogues_.Demande(
        this, QStringLiteral("Êtes-vous sûr de vouloir quitter ?"), QStringLiteral("Quitter"),
        TDialogues::Icone::Question, TDialogues::Boutons::OuiNon);
    if (reponse == TDialogues::Reponse::Oui) Dialogues_.Termine(0);
}

void TEcran::APropos1Click() {
    if (About_ == nullptr) return;
    About_->show();
    About_->raise();
    About_->activateWindow();
}

void TEcran::Aide1Click() {
    Dialogues_.Demande(this, QStringLiteral("Entrez le verbe sans faute et appuyer sur Enter"),
                       QStringLiteral("Aide"), TDialogues::Icone::Information,
                       TDialogues::Boutons::Ok);
}

void TEcran::PlaceParticipe() {
    // The label grows with its text from where it was drawn; a participle too
    // long for the box moves left, then takes a smaller size, rather than
    // being cut.
    constexpr int Marge = 8;
    constexpr int Gauche = 80, Haut = 56, Hauteur = 55;
    const int droite = Participe->width() - Marge;
    QFont police = PoliceParticipe(48);
    int largeur = QFontMetrics(police).horizontalAdvance(PartPres->text()) + 4;
    while (largeur > droite - Marge && police.pixelSize() > 12) {
        police.setPixelSize(police.pixelSize() - 2);
        largeur = QFontMetrics(police).horizontalAdvance(PartPres->text()) + 4;
    }
    PartPres->setFont(police);
    const int gauche = std::max(Marge, std::min(Gauche, droite - largeur));
    PartPres->setGeometry(gauche, Haut, largeur, Hauteur);
}

}  // namespace florimot
