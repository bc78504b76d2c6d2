#include "ecran.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
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
#include <QResizeEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QValidator>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <utility>

#include "about.hpp"
#include "apparence.hpp"
#include "mise_en_page.hpp"
#include "reglages.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

constexpr int HauteurLigne = 13;
constexpr int PositionGroupe = 320;
// The verb's row above the pages keeps its height when the window grows.
constexpr int HautPages = 32;

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

// Where the verb's own letters begin in a text of the entry: after "se ",
// "s'", "s' " or "s'en ", none of which counts towards the letter limit.
qsizetype DebutDuVerbe(const QString& texte) {
    for (const QStringView pronom : {u"s'en ", u"se ", u"s' ", u"s'"})
        if (texte.startsWith(pronom)) return pronom.size();
    return 0;
}

}  // namespace

QString FormeSaisie(const QString& texte, int* curseur, bool* coupe) {
    // Composed first: "ce\u0301der" pasted from a page that writes the accent
    // as a separate mark is céder, not "ceder" once the mark is dropped.
    const auto normalise = [](QString t) {
        t = t.normalized(QString::NormalizationForm_C).toLower();
        t.replace(QChar(0x2019), u'\'').replace(QChar(0x02BC), u'\'');
        return t.normalized(QString::NormalizationForm_C);
    };
    const QString lu = normalise(texte);
    const qsizetype avantCurseur = curseur ? normalise(texte.left(*curseur)).size() : 0;
    QString sortie;
    int gardesAvant = 0;
    bool trop = false;
    for (qsizetype i = 0; i < lu.size(); ++i) {
        const QChar c = lu[i];
        bool garde = false;
        if (c.isLetter()) {
            const QStringView verbe = QStringView(sortie).mid(DebutDuVerbe(sortie));
            garde = std::count_if(verbe.begin(), verbe.end(),
                                  [](QChar l) { return l.isLetter(); }) < TEcran::LongueurEntree;
            trop = trop || !garde;
        } else if (c == u'\'') {
            // After a letter: the pronoun's (s'asseoir) or the verb's own
            // elision (entr'apercevoir).
            garde = !sortie.isEmpty() && sortie.back().isLetter();
        } else if (c == u' ') {
            garde = sortie == u"se" || sortie == u"s'" || sortie == u"s'en";
        }
        if (!garde) continue;
        sortie += c;
        if (i < avantCurseur) ++gardesAvant;
    }
    if (curseur) *curseur = gardesAvant;
    if (coupe) *coupe = trop;
    return sortie;
}

namespace {

// Typing keeps the entry to what FormeSaisie gives; a letter past the limit
// is refused, as a full entry refuses a key.
class ValideurVerbe : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& curseur) const override {
        bool coupe = false;
        const QString forme = FormeSaisie(texte, &curseur, &coupe);
        if (coupe) return Invalid;
        texte = forme;
        return Acceptable;
    }
};

// The entry offers its whole text when the keyboard brings the focus to it
// (start-up, Tab, back from a message box), so a new verb simply replaces the
// last one; a click still places the cursor where it falls.
//
// A paste keeps what fits: a text too long for the entry is cut at the letter
// limit rather than refused whole, as the validator would.
class EntreeVerbe : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    void ColleCompose() {
        QString texte = text();
        int debut = cursorPosition();
        if (hasSelectedText()) {
            debut = selectionStart();
            texte.remove(debut, selectedText().size());
        }
        const QString colle = QGuiApplication::clipboard()->text();
        int curseur = debut + int(colle.size());
        const QString forme = FormeSaisie(texte.insert(debut, colle), &curseur, nullptr);
        // One step to undo, as any paste.
        selectAll();
        insert(forme);
        setCursorPosition(curseur);
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

// A line too long for its list is cut with an ellipsis; the whole line is
// then readable under the pointer. Checked again whenever the list's width
// changes.
void MarqueCoupures(QListWidget* liste) {
    const QFontMetrics mesure(liste->font());
    const int largeur = liste->contentsRect().width() - 6;
    for (int i = 0; i < liste->count(); ++i) {
        QListWidgetItem* ligne = liste->item(i);
        ligne->setToolTip(mesure.horizontalAdvance(ligne->text()) > largeur ? ligne->text()
                                                                            : QString());
    }
}

// The lines of a tense: several can be selected, and Ctrl+C copies them all,
// one a line, in the list's order (the view alone would copy the current
// line only).
class ListeTemps : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* evenement) override {
        if (evenement->matches(QKeySequence::Copy)) {
            QStringList lignes;
            for (int i = 0; i < count(); ++i)
                if (item(i)->isSelected()) lignes << item(i)->text();
            if (!lignes.isEmpty()) QGuiApplication::clipboard()->setText(lignes.join(u'\n'));
            evenement->accept();
            return;
        }
        QListWidget::keyPressEvent(evenement);
    }
};

// Between the text's colour and the window's, as faded as it can be while
// still reading at 4.5:1.
QColor TexteDiscret(const QPalette& palette) {
    const QColor texte = palette.color(QPalette::WindowText);
    const QColor fond = palette.color(QPalette::Window);
    for (int part = 40; part < 100; part += 5) {
        const auto melange = [&](int a, int b) { return (a * part + b * (100 - part)) / 100; };
        const QColor couleur(melange(texte.red(), fond.red()), melange(texte.green(), fond.green()),
                             melange(texte.blue(), fond.blue()));
        if (Contraste(couleur, fond) >= 4.5) return couleur;
    }
    return texte;
}

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

// The window's content: the verb's row and the two pages. The window shows
// one; a print job draws from another, never shown, filled with the same
// lines, so that nothing done in the window during the job reaches paper.
class TContenu : public QWidget {
public:
    enum class Usage { Ecran, Impression };

    TContenu(Usage usage, QWidget* parent);

    // The size the fixed layout was drawn for; larger sizes spread it out.
    void DefinitReference(QSize reference);
    QSize Reference() const { return Reference_; }

    // The word as people write it, the options in force ("" for none), the
    // group's caption and the model ("" for a verb that is its own).
    void Remplit(const QString& texte, const QString& options, const QString& groupe,
                 const QString& modele, const LignesGrille& lignes);
    void CopieDe(const TContenu& autre);
    void MontrePage(int onglet);
    // The part a printed page shows: the verb's row and the page area,
    // without the tabs, at the reference size.
    QRect RectangleImpression() const;

    QLineEdit* Verbe = nullptr;
    QPushButton* Conjugue = nullptr;
    QLabel* Groupe = nullptr;
    QLabel* VerbeL = nullptr;
    QLabel* OptionsL = nullptr;
    QLabel* ModeleL = nullptr;
    QFrame* Rectangl = nullptr;
    QTabBar* PageSet = nullptr;
    QGroupBox* Indicatif = nullptr;
    QGroupBox* Subjonctif = nullptr;
    QGroupBox* Imperatif = nullptr;
    QGroupBox* Conditionnel = nullptr;
    QGroupBox* Participe = nullptr;
    QLabel* PartPres = nullptr;
    // The list of each cell of the engine's grid, in the grid's order, and
    // its tense caption; the participle's cell has none (it fills PartPres).
    std::array<QListWidget*, Grille.size()> Listes{};
    std::array<QLabel*, Grille.size()> Legendes{};

protected:
    void resizeEvent(QResizeEvent* evenement) override {
        QWidget::resizeEvent(evenement);
        Dispose();
    }

private:
    void Dispose();
    void AligneGroupe();
    // The options' caption, on one line or two.
    void EcritOptions(bool deuxLignes);

    QString Options_;
    void PlaceParticipe();

    QSize Reference_{TEcran::TailleInitiale};
};

TContenu::TContenu(Usage usage, QWidget* parent) : QWidget(parent) {
    setFont(PoliceTexte(11));
    // The captions of the group boxes sit on their frame line, leaving the
    // whole inside to the tense captions placed near the top.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));

    Verbe = new EntreeVerbe(this);
    Verbe->setObjectName(QStringLiteral("Verbe"));
    Verbe->setValidator(new ValideurVerbe(Verbe));
    Verbe->setText(QStringLiteral("verbe"));
    Verbe->setGeometry(8, 8, 81, 21);
    Verbe->setToolTip(QStringLiteral("Verbe à Conjuguer"));

    Conjugue = new QPushButton(QStringLiteral("Conjugue"), this);
    Conjugue->setObjectName(QStringLiteral("Conjugue"));
    Conjugue->setGeometry(96, 8, 81, 23);
    Conjugue->setToolTip(QStringLiteral("Conjugue un verbe"));
    Conjugue->setDefault(true);
    Groupe = CreeEtiquette(this, "Groupe", QStringLiteral("Groupe"), {PositionGroupe, 8},
                           PoliceTexte(16, true));
    VerbeL =
        CreeEtiquette(this, "VerbeL", QStringLiteral("Verbe"), {208, 8}, PoliceTexte(16, true));
    // Discreet beside the word and the group: they qualify them.
    OptionsL = CreeEtiquette(this, "OptionsL", QString(), {208, 8}, PoliceTexte(10));
    ModeleL = CreeEtiquette(this, "ModeleL", QString(), {PositionGroupe, 8}, PoliceTexte(10));
    for (QLabel* legende : {OptionsL, ModeleL}) {
        QPalette palette = legende->palette();
        palette.setColor(QPalette::WindowText, TexteDiscret(palette));
        legende->setPalette(palette);
    }

    Rectangl = new QFrame(this);
    Rectangl->setObjectName(QStringLiteral("Rectangl"));
    Rectangl->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Rectangl->lower();  // a bevel is drawn beneath the controls it frames

    for (const PlaceGroupe& place : Groupes) {
        auto* groupe = new QGroupBox(QString::fromUtf8(place.Legende), this);
        groupe->setObjectName(QString::fromLatin1(place.Nom));
        groupe->setVisible(place.Page == 0);
    }
    Indicatif = findChild<QGroupBox*>(QStringLiteral("Indicatif"));
    Subjonctif = findChild<QGroupBox*>(QStringLiteral("Subjonctif"));
    Imperatif = findChild<QGroupBox*>(QStringLiteral("Imperatif"));
    Conditionnel = findChild<QGroupBox*>(QStringLiteral("Conditionnel"));
    Participe = findChild<QGroupBox*>(QStringLiteral("Participe"));

    const QFont policeTemps = PoliceTexte(11, true);
    for (std::size_t i = 0; i < Grille.size(); ++i) {
        const Cellule& cellule = Grille[i];
        const PlaceListe* place = TrouvePlace(cellule.Nom);
        if (place == nullptr) continue;  // the participle, a label
        auto* groupe = findChild<QGroupBox*>(QString::fromLatin1(place->Groupe));
        Legendes[i] = CreeEtiquette(groupe, place->Etiquette, Texte(cellule.Temps),
                                    place->PositionEtiquette, policeTemps);
        auto* liste = new ListeTemps(groupe);
        liste->setObjectName(Texte(cellule.Nom));
        liste->setItemDelegate(new DelegueLigne(liste));
        liste->setUniformItemSizes(true);
        liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        liste->setTextElideMode(Qt::ElideRight);
        liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
        Listes[i] = liste;
    }

    PartPres = CreeEtiquette(Participe, "PartPres", QStringLiteral("PartPres"), {80, 56},
                             PoliceParticipe(48));

    PageSet = new OngletsPages(this);
    PageSet->setObjectName(QStringLiteral("PageSet"));
    PageSet->setShape(QTabBar::RoundedSouth);
    PageSet->setExpanding(false);
    PageSet->addTab(QStringLiteral("Page1"));
    PageSet->addTab(QStringLiteral("Page2"));
    PageSet->setCurrentIndex(0);

    if (usage == Usage::Impression) {
        // Paper shows neither what is typed nor how to change pages, nor the
        // lists' frames.
        Verbe->hide();
        Conjugue->hide();
        PageSet->hide();
        for (QListWidget* liste : Listes)
            if (liste != nullptr) liste->setFrameStyle(QFrame::NoFrame);
    }
    resize(Reference_);
    Dispose();
}

void TContenu::DefinitReference(QSize reference) {
    Reference_ = reference;
    Dispose();
}

void TContenu::Dispose() {
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

    Rectangl->setGeometry(Cadre({1, 32, 625, 377}));
    PageSet->setGeometry(X(2), Y(408), X(627) - X(2), OngletsPages::Hauteur);
    for (const PlaceGroupe& place : Groupes)
        findChild<QGroupBox*>(QString::fromLatin1(place.Nom))->setGeometry(Cadre(place.Cadre));
    for (std::size_t i = 0; i < Grille.size(); ++i) {
        QListWidget* liste = Listes[i];
        if (liste == nullptr) continue;
        const PlaceListe& place = *TrouvePlace(Grille[i].Nom);
        const QRect groupe = liste->parentWidget()->geometry();
        const PlaceGroupe& dessin = *std::find_if(
            std::begin(Groupes), std::end(Groupes),
            [&](const PlaceGroupe& g) { return std::string_view(g.Nom) == place.Groupe; });
        const QRect cadre =
            Cadre(place.Cadre.translated(dessin.Cadre.topLeft())).translated(-groupe.topLeft());
        liste->setGeometry(cadre);
        // The caption keeps its distance above its list.
        Legendes[i]->move(cadre.x(), cadre.y() - (place.Cadre.y() - place.PositionEtiquette.y()));
        MarqueCoupures(liste);
    }
    PlaceParticipe();
    AligneGroupe();
}

void TContenu::Remplit(const QString& texte, const QString& options, const QString& groupe,
                       const QString& modele, const LignesGrille& lignes) {
    VerbeL->setText(texte);
    Options_ = options;
    Groupe->setText(groupe);
    ModeleL->setText(modele);
    AligneGroupe();
    for (std::size_t i = 0; i < Grille.size(); ++i) {
        const Cellule& cellule = Grille[i];
        QListWidget* liste = Listes[i];
        if (liste == nullptr) {
            PartPres->setText(QString::fromUtf8(lignes[cellule.Premier]));
            continue;
        }
        liste->clear();
        for (int k = 0; k < cellule.NombreLignes(); ++k)
            liste->addItem(QString::fromUtf8(lignes[cellule.Premier + k]));
        MarqueCoupures(liste);
    }
    PlaceParticipe();
}

void TContenu::CopieDe(const TContenu& autre) {
    VerbeL->setText(autre.VerbeL->text());
    Options_ = autre.Options_;
    Groupe->setText(autre.Groupe->text());
    ModeleL->setText(autre.ModeleL->text());
    AligneGroupe();
    PartPres->setText(autre.PartPres->text());
    PlaceParticipe();
    for (std::size_t i = 0; i < Listes.size(); ++i) {
        if (Listes[i] == nullptr) continue;
        Listes[i]->clear();
        for (int k = 0; k < autre.Listes[i]->count(); ++k)
            Listes[i]->addItem(autre.Listes[i]->item(k)->text());
        MarqueCoupures(Listes[i]);
    }
}

void TContenu::MontrePage(int onglet) {
    const bool page2 = onglet == 1;
    Indicatif->setVisible(!page2);
    Subjonctif->setVisible(!page2);
    Conditionnel->setVisible(page2);
    Imperatif->setVisible(page2);
    Participe->setVisible(page2);
}

QRect TContenu::RectangleImpression() const {
    // From the top left corner, 30 pixels above the bevel, to 5 pixels short
    // of its right and bottom edges (both excluded), as drawn.
    const QRect biseau(1, 32, 625, 377);
    return {QPoint(biseau.left(), biseau.top() - 30),
            QSize(biseau.width() - 5, biseau.height() + 25)};
}

void TContenu::EcritOptions(bool deuxLignes) {
    // Broken at the comma nearest the middle.
    QString texte = Options_;
    if (deuxLignes) {
        qsizetype coupure = -1;
        for (qsizetype i = texte.indexOf(u','); i >= 0; i = texte.indexOf(u',', i + 1))
            if (coupure < 0 ||
                std::abs(texte.size() - 2 * i) < std::abs(texte.size() - 2 * coupure))
                coupure = i;
        if (coupure >= 0) texte.replace(coupure + 1, 1, u'\n');
    }
    OptionsL->setText(texte);
}

void TContenu::AligneGroupe() {
    // Left to right: the word, the options in force, the group, the model.
    // A word of wide letters would run into the group's caption: the caption
    // then steps aside instead of being written over. A row still too wide
    // for the window breaks the options' caption in two lines, then takes
    // smaller type, rather than running off the window's edge.
    constexpr int Ecart = 6;
    const int limite = std::max(width(), Reference_.width()) - 8;
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
        const int droite =
            ModeleL->text().isEmpty() ? Groupe->geometry().right() : ModeleL->geometry().right();
        if (droite <= limite || taille <= 11) break;
        if (deuxLignes || !Options_.contains(u',')) --taille;
    }
}

void TContenu::PlaceParticipe() {
    // The label grows with its text from where it was drawn; a participle too
    // long for the box moves left, then takes a smaller size, rather than
    // being cut.
    constexpr int Marge = 8;
    constexpr int Gauche = 80, Haut = 56, Hauteur = 55, HauteurBoite = 177;
    const int droite = Participe->width() - Marge;
    QFont police = PoliceParticipe(48);
    int largeur = QFontMetrics(police).horizontalAdvance(PartPres->text()) + 4;
    while (largeur > droite - Marge && police.pixelSize() > 12) {
        police.setPixelSize(police.pixelSize() - 2);
        largeur = QFontMetrics(police).horizontalAdvance(PartPres->text()) + 4;
    }
    PartPres->setFont(police);
    const int gauche = std::max(Marge, std::min(Gauche, droite - largeur));
    PartPres->setGeometry(gauche, Haut + (Participe->height() - HauteurBoite) / 2, largeur,
                          Hauteur);
}

TEcran::TEcran(TDialogues& dialogues, QWidget* parent)
    : QMainWindow(parent), Dialogues_(dialogues) {
    setObjectName(QStringLiteral("Ecran"));
    setWindowTitle(QStringLiteral("Florimot"));
    setWindowIcon(IconeApplication());
    setFont(PoliceTexte(11));
    Contenu_ = new TContenu(TContenu::Usage::Ecran, this);
    Contenu_->setObjectName(QStringLiteral("Fond"));
    setCentralWidget(Contenu_);
    connect(Contenu_->Conjugue, &QPushButton::clicked, this, &TEcran::ConjugueClick);
    connect(Contenu_->PageSet, &QTabBar::currentChanged, this, &TEcran::SetPage);
    CreeMenu();
    // The layout was drawn for the inside of a 640 x 480 window under its menu.
    Contenu_->DefinitReference(
        {TailleInitiale.width(), TailleInitiale.height() - MainMenu1->sizeHint().height()});
    setMinimumSize(TailleInitiale);
    resize(TailleInitiale);
    RestaureReglages();
    Contenu_->Verbe->setFocus();
}

TEcran::~TEcran() = default;

void TEcran::keyPressEvent(QKeyEvent* evenement) {
    // A main window has no default button of its own: Enter that no control
    // of this window used presses this one. The About window is a window of
    // its own, so its keys never arrive here.
    if ((evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) &&
        (evenement->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Contenu_->Conjugue->click();
        return;
    }
    QMainWindow::keyPressEvent(evenement);
}

void TEcran::showEvent(QShowEvent* evenement) {
    // Centred once, when the frame around the window is known; afterwards
    // the window stays where the user puts it.
    if (!Centree_) {
        Centree_ = true;
        const QScreen* ecran = screen();
        if (ecran != nullptr && !isMaximized())
            move(pos() + ecran->availableGeometry().center() - frameGeometry().center());
    }
    QMainWindow::showEvent(evenement);
}

void TEcran::closeEvent(QCloseEvent* evenement) {
    GardeReglages();
    QMainWindow::closeEvent(evenement);
}

void TEcran::RestaureReglages() {
    const TReglages reglages = LitReglages();
    const QRect cadre = reglages.Cadre;
    // A place on a screen that is gone, or a size below the smallest, is
    // not taken back: the window then opens centred, at its default size.
    if (CadreVisible(cadre) && cadre.width() >= TailleInitiale.width() &&
        cadre.height() >= TailleInitiale.height()) {
        setGeometry(cadre);
        Centree_ = true;
    }
    if (reglages.Agrandie) setWindowState(windowState() | Qt::WindowMaximized);
    Options_ = reglages.Options;
    CocheOptions();
}

void TEcran::GardeReglages() const {
    EcritReglages({normalGeometry(), isMaximized(), Options_});
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
    EnregistrerPdf1 = commande(Action, "EnregistrerPdf1", QStringLiteral("&Enregistrer en PDF…"),
                               QKeySequence(Qt::CTRL | Qt::Key_S), &TEcran::EnregistrerPdf1Click);
    CopierConjugaison1 =
        commande(Action, "CopierConjugaison1", QStringLiteral("C&opier la conjugaison"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TEcran::CopierConjugaison1Click);
    Quitter1 = commande(Action, "Quitter1", QStringLiteral("&Quitter"),
                        QKeySequence(Qt::CTRL | Qt::Key_Q), &TEcran::Quitter1Click);

    MenuOptions = MainMenu1->addMenu(QStringLiteral("&Options"));
    MenuOptions->setObjectName(QStringLiteral("Options"));
    const auto option = [&](const char* nom, const QString& legende, Qt::Key touche) {
        QAction* action =
            commande(MenuOptions, nom, legende, QKeySequence(touche), &TEcran::OptionClick);
        action->setCheckable(true);
        return action;
    };
    Feminin1 = option("Feminin1", QStringLiteral("&Féminin"), Qt::Key_F5);
    Negation1 = option("Negation1", QStringLiteral("&Négation"), Qt::Key_F6);
    Interrogation1 = option("Interrogation1", QStringLiteral("&Interrogation"), Qt::Key_F7);
    Passif1 = option("Passif1", QStringLiteral("&Voix passive"), Qt::Key_F8);

    Aide = MainMenu1->addMenu(QStringLiteral("&?"));
    Aide->setObjectName(QStringLiteral("Aide"));
    APropos1 = commande(Aide, "APropos1", QStringLiteral("A &Propos..."), QKeySequence(Qt::Key_F2),
                        &TEcran::APropos1Click);
    Aide1 = commande(Aide, "Aide1", QStringLiteral("&Aide"), QKeySequence(Qt::CTRL | Qt::Key_H),
                     &TEcran::Aide1Click);
}

QString TEcran::TexteVerbe() const {
    // Read through the entry's rule again: text set by the program skips
    // the validator.
    QString texte = FormeSaisie(Contenu_->Verbe->text());
    if (texte.size() < LongueurEntree) texte += QString(LongueurEntree - texte.size(), u' ');
    return texte;
}

void TEcran::OptionClick() {
    Options_ = {Feminin1->isChecked(), Negation1->isChecked(), Interrogation1->isChecked(),
                Passif1->isChecked()};
    // A word asked for and not yet conjugated is conjugated with them: it
    // must not give way to the word shown.
    if (!Montre_.isEmpty() && EnAttente_.isEmpty()) Conjugue(Montre_, false);
}

void TEcran::CocheOptions() {
    Feminin1->setChecked(Options_.Feminin);
    Negation1->setChecked(Options_.Negation);
    Interrogation1->setChecked(Options_.Interrogation);
    Passif1->setChecked(Options_.Passif);
}

void TEcran::ConjugueClick() {
    Conjugue(TexteVerbe());
}

void TEcran::Conjugue(const QString& texte, bool avertit) {
    // Asked again from inside a conjugation (its message box), or during a
    // print job: done once that is over, so that neither half-fills the
    // window nor overwrites the other's result.
    if (Conjugue_ || Imprime_) {
        EnAttente_ = texte;
        AvertitEnAttente_ = avertit;
        return;
    }
    {
        Conjugue_ = true;
        const struct Fin {
            bool& Drapeau;
            ~Fin() { Drapeau = false; }
        } fin{Conjugue_};
        TVerbe verbe;
        verbe.DefinitVerbe(texte.toStdString());
        Montre_ = texte;
        const std::string_view modele = ModeleDuVerbe(verbe);
        Contenu_->Remplit(QString::fromStdString(verbe.Intitule()).trimmed(),
                          QString::fromStdString(DecritOptions(Options_)),
                          QString::fromStdString(LegendeGroupe(verbe)),
                          modele.empty() ? QString() : QStringLiteral("comme ") + Texte(modele),
                          ConjugueGrille(verbe, Options_));
        // The window already shows what the warning is about.
        if (avertit && verbe.DonneGroupe() == 0)
            Dialogues_.Demande(this, QStringLiteral("Ceci n'est pas un Verbe"),
                               QStringLiteral("Avertissement"), TDialogues::Icone::Information,
                               TDialogues::Boutons::Ok);
    }
    ConjugueEnAttente();
}

void TEcran::ConjugueEnAttente() {
    if (EnAttente_.isEmpty()) return;
    Conjugue(std::exchange(EnAttente_, QString()), AvertitEnAttente_);
}

void TEcran::Conjuguer1Click() {
    ConjugueClick();
}

void TEcran::SetPage(int onglet) {
    Contenu_->MontrePage(onglet);
}

void TEcran::Imprimer1Click() {
    // The printer lets the window handle its events while a job is produced:
    // a second request arriving then must not start a second job.
    if (Impression_ == nullptr || Imprime_ || Impression_->EnCours()) return;
    const QString raison = ImprimeSur(*Impression_);
    if (!raison.isEmpty()) SignaleEchec(raison);
    ConjugueEnAttente();
}

void TEcran::EnregistrerPdf1Click() {
    if (Imprime_) return;
    TVerbe verbe;
    verbe.DefinitVerbe(TexteVerbe().toStdString());
    const QString mot = QString::fromStdString(verbe.Intitule()).trimmed();
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
    const QString propose = QDir(dossier).filePath(
        (mot.isEmpty() ? QStringLiteral("florimot") : mot) + QStringLiteral(".pdf"));
    QString fichier = Dialogues_.DemandeFichier(this, QStringLiteral("Enregistrer en PDF"), propose,
                                                QStringLiteral("Documents PDF (*.pdf)"));
    if (fichier.isEmpty()) return;
    if (!fichier.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fichier += QStringLiteral(".pdf");
    TImpressionQt pdf(fichier);
    const QString raison = ImprimeSur(pdf);
    if (!raison.isEmpty()) SignaleEchec(raison);
    ConjugueEnAttente();
}

QString TEcran::ImprimeSur(TImpression& service) {
    Imprime_ = true;
    const struct Fin {
        bool& Drapeau;
        ~Fin() { Drapeau = false; }
    } fin{Imprime_};
    QString nom = QStringLiteral("Florimot du verbe ") + TexteVerbe();
    if (!Options_.Aucune()) {
        TVerbe verbe;
        verbe.DefinitVerbe(TexteVerbe().toStdString());
        const QString intitule = QString::fromStdString(verbe.Intitule()).trimmed();
        nom = QStringLiteral("Florimot du verbe ") + intitule + (intitule.isEmpty() ? "" : " ") +
              u'(' + QString::fromStdString(DecritOptions(Options_)) + u')';
    }

    const QSize page = service.TaillePage();
    if (page.isEmpty()) {
        const QString raison = service.Erreur();
        return raison.isEmpty() ? QStringLiteral("L'impression n'a pas pu se faire.") : raison;
    }
    const QRect destination(0, 0, page.width(), page.height() / 2);
    if (destination.isEmpty())
        return QStringLiteral("La page de l'imprimante est trop petite pour y imprimer.");

    // The pages are drawn from a copy of the window's content made now: the
    // window stays as the user has it, and nothing done in it while the
    // printer lets events through changes what is printed.
    TContenu copie(TContenu::Usage::Impression, nullptr);
    copie.DefinitReference(Contenu_->Reference());
    copie.resize(Contenu_->Reference());
    copie.CopieDe(*Contenu_);
    const QRect zone = copie.RectangleImpression();

    copie.MontrePage(0);
    if (!service.Commence(nom)) {
        const QString raison = service.Erreur();
        return raison.isEmpty() ? QStringLiteral("L'impression n'a pas pu se faire.") : raison;
    }
    bool reussi = service.Dessine(destination, copie, zone);
    copie.MontrePage(1);
    if (reussi) reussi = service.NouvellePage();
    if (reussi) reussi = service.Dessine(destination, copie, zone);
    if (reussi) reussi = service.Termine();
    if (reussi) return {};
    const QString raison = service.Erreur();
    if (service.EnCours()) service.Abandonne();
    return raison.isEmpty() ? QStringLiteral("L'impression n'a pas pu se faire.") : raison;
}

void TEcran::SignaleEchec(const QString& raison) {
    Dialogues_.Demande(this, raison, QStringLiteral("Florimot"), TDialogues::Icone::Erreur,
                       TDialogues::Boutons::Ok);
    Contenu_->Verbe->setFocus();
}

void TEcran::CopierConjugaison1Click() {
    if (Montre_.isEmpty()) return;  // nothing conjugated yet
    TVerbe verbe;
    verbe.DefinitVerbe(Montre_.toStdString());
    // Word for word the command line's readable output, one column.
    QGuiApplication::clipboard()->setText(QString::fromStdString(
        MiseEnPage(EnteteLisible(verbe, Options_), ConjugueGrille(verbe, Options_), 0, false)));
}

void TEcran::Quitter1Click() {
    const auto reponse = Dialogues_.Demande(
        this, QStringLiteral("Êtes-vous sûr de vouloir quitter ?"), QStringLiteral("Quitter"),
        TDialogues::Icone::Question, TDialogues::Boutons::OuiNon);
    if (reponse != TDialogues::Reponse::Oui) return;
    // The program ends without closing its window: what it keeps is written now.
    GardeReglages();
    Dialogues_.Termine(0);
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

}  // namespace florimot
