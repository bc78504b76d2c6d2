#include "ecran.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCompleter>
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
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "about.hpp"
#include "aide.hpp"
#include "apparence.hpp"
#include "completion.hpp"
#include "faits.hpp"
#include "feuille.hpp"
#include "legende.hpp"
#include "mise_en_page.hpp"
#include "pages.hpp"
#include "proposition.hpp"
#include "reglages.hpp"
#include "regles.hpp"
#include "saisie.hpp"
#include "verbe.hpp"

#ifdef FLORIMOT_LEXIQUE
#include "lexique.hpp"
#include "proches.hpp"
#endif

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
    int Page;  // 0 "Page1", 1 "Page2", 2 "Page3"
};

constexpr PlaceGroupe Groupes[] = {
    {"Indicatif", "Indicatif", {5, 33, 616, 241}, 0},
    {"Subjonctif", "Subjonctif", {5, 275, 616, 129}, 0},
    {"Imperatif", "Impératif", {80, 80, 137, 177}, 1},
    {"Conditionnel", "Conditionnel", {80, 264, 465, 129}, 1},
    {"Participe", "Participe Présent", {224, 80, 321, 177}, 1},
    {"Infinitif", "Infinitif", {80, 64, 465, 65}, 2},
    {"ParticipePasse", "Participe", {80, 152, 465, 103}, 2},
    {"Gerondif", "Gérondif", {80, 280, 465, 65}, 2},
};
// The tabs, each printed as a sheet of its own.
constexpr int NombrePages = 3;

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
    {"InfPres", "Infinitif", "Label18", {8, 17}, {8, 33, 220, 20}},
    {"InfPasse", "Infinitif", "Label19", {236, 17}, {236, 33, 220, 20}},
    {"PartPasse", "ParticipePasse", "Label20", {8, 17}, {8, 33, 220, 58}},
    {"PartPasseComp", "ParticipePasse", "Label21", {236, 17}, {236, 33, 220, 20}},
    {"GerPres", "Gerondif", "Label22", {8, 17}, {8, 33, 220, 20}},
    {"GerPasse", "Gerondif", "Label23", {236, 17}, {236, 33, 220, 20}},
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

bool EstLiaison(char32_t c) {
    return c == U'\'' || c == U'-';
}

// Where the verb's own letters begin in a text of the entry: after "se ",
// "s'", "s' ", "s'en " or "s'y ", none of which counts towards the letter
// limit.
qsizetype DebutDuVerbe(const QString& texte) {
    const QByteArray octets = texte.toUtf8();
    const std::size_t debut =
        florimot::DebutDuVerbe(std::string_view(octets.data(), std::size_t(octets.size())));
    return QString::fromUtf8(octets.first(qsizetype(debut))).size();
}

// The word being typed: the verb, or the complement after it.
QStringView MotEnCours(const QString& texte) {
    const QStringView verbe = QStringView(texte).mid(DebutDuVerbe(texte));
    const qsizetype blanc = verbe.indexOf(u' ');
    return blanc < 0 ? verbe : verbe.mid(blanc + 1);
}

}  // namespace

QString FormeSaisie(const QString& texte, int* curseur, bool* coupe) {
    // The engine's own normaliser, so that the entry shows what the engine
    // reads: "ce\u0301der" pasted from a page that writes the accent as a
    // separate mark is céder, not "ceder" once the mark is dropped.
    const auto normalise = [](const QString& t) {
        return QString::fromStdString(NormaliseSaisie(t.toStdString())).toUcs4();
    };
    const QList<uint> lu = normalise(texte);
    const qsizetype avantCurseur = curseur ? normalise(texte.left(*curseur)).size() : 0;
    QString sortie;
    int gardesAvant = 0;
    bool trop = false;
    for (qsizetype i = 0; i < lu.size(); ++i) {
        const char32_t c = lu[i];
        bool garde = false;
        if (c == U' ') {
            garde = BlancPermisApres(sortie.toStdString());
        } else if (EstLiaison(c) && !sortie.isEmpty() && EstLettre(sortie.back().unicode())) {
            garde = true;  // entr'apercevoir, entre-nuire: not counted as a letter
        } else {
            // The verb, or the complement after it: each has its own limit.
            const QStringView mot = MotEnCours(sortie);
            int comptes = 0;
            for (qsizetype k = 0; k < mot.size(); ++k)
                comptes += !mot[k].isLowSurrogate() && !(EstLiaison(mot[k].unicode()) && k > 0 &&
                                                         EstLettre(mot[k - 1].unicode()));
            garde = comptes < TEcran::LongueurEntree;
            trop = trop || !garde;
        }
        if (!garde) continue;
        const QString caractere = QString::fromUcs4(&c, 1);
        sortie += caractere;
        if (i < avantCurseur) gardesAvant += int(caractere.size());
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
// last one; a click still places the cursor where it falls, except in the
// initial word "verbe", which a click selects whole: typing replaces it
// instead of running on from it ("verbefinir").
//
// A paste keeps what fits: a text too long for the entry is cut at the letter
// limit rather than refused whole, as the validator would.
//
// What is typed is completed from the verbs the table of verb facts knows, in
// a list under the entry. The verbs are gathered on a thread started at the
// first edit, so that neither the window's opening nor a key waits for them;
// the list opens when they are ready. Enter conjugates the verb chosen in the
// list, or the text typed when none is; `Valide` is what conjugates.
class EntreeVerbe : public QLineEdit {
public:
    explicit EntreeVerbe(QWidget* parent) : QLineEdit(QStringLiteral("verbe"), parent) {
        setToolTip(Bulle());
        connect(this, &QLineEdit::textChanged, this,
                [this](const QString& t) { Initial_ = Initial_ && t == QStringLiteral("verbe"); });
        // Connected before the entry asks the completer for its list, which
        // then exists from the very first key.
        connect(this, &QLineEdit::textEdited, this, [this] {
            setToolTip(Bulle());
            if (!isReadOnly()) RassembleVerbes();
        });
    }
    ~EntreeVerbe() override {
        // The thread reads nothing of the entry, but must not outlive it.
        if (Fil_ != nullptr) Fil_->wait();
    }
    EntreeVerbe(const EntreeVerbe&) = delete;
    EntreeVerbe& operator=(const EntreeVerbe&) = delete;
    static QString Bulle() { return QStringLiteral("Verbe à Conjuguer"); }

    std::function<void()> Valide;

    void ColleCompose() {
        QString texte = text();
        int debut = cursorPosition();
        if (hasSelectedText()) {
            debut = selectionStart();
            texte.remove(debut, selectedText().size());
        }
        const QString colle = QGuiApplication::clipboard()->text();
        int curseur = debut + int(colle.size());
        bool coupe = false;
        const QString forme = FormeSaisie(texte.insert(debut, colle), &curseur, &coupe);
        // One step to undo, as any paste.
        selectAll();
        insert(forme);
        setCursorPosition(curseur);
        // Nothing is cut without a word: the text pasted stays readable under
        // the pointer until the entry is typed in.
        if (coupe) {
            setToolTip(QStringLiteral("Collage coupé à %1 lettres : « %2 »")
                           .arg(TEcran::LongueurEntree)
                           .arg(colle.simplified()));
            QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
        }
    }

protected:
    void focusInEvent(QFocusEvent* evenement) override {
        QLineEdit::focusInEvent(evenement);
        // Back from the list of verbs, typing goes on where it was.
        if (evenement->reason() != Qt::MouseFocusReason &&
            evenement->reason() != Qt::PopupFocusReason)
            selectAll();
    }
    void mousePressEvent(QMouseEvent* evenement) override {
        QLineEdit::mousePressEvent(evenement);
        if (Initial_) selectAll();
    }
    void mouseMoveEvent(QMouseEvent* evenement) override {
        if (!Initial_) QLineEdit::mouseMoveEvent(evenement);
    }
    void mouseReleaseEvent(QMouseEvent* evenement) override {
        QLineEdit::mouseReleaseEvent(evenement);
        if (Initial_) selectAll();
    }
    void keyPressEvent(QKeyEvent* evenement) override {
        if (evenement->matches(QKeySequence::Paste) && !isReadOnly()) {
            ColleCompose();
            evenement->accept();
            return;
        }
        // With the list open, the entry would take Enter for choosing in the
        // list alone, and nothing would be conjugated when no line is chosen.
        if ((evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) &&
            Completion_ != nullptr && Completion_->popup()->isVisible()) {
            const QModelIndex choisi = Completion_->popup()->currentIndex();
            Completion_->popup()->hide();
            if (choisi.isValid()) setText(choisi.data().toString());
            if (Valide) Valide();
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

private:
    void RassembleVerbes() {
        if (Fil_ != nullptr) return;
        auto lignes = std::make_shared<LignesCompletion>();
        Fil_ = QThread::create([lignes] { *lignes = VerbesACompleter(); });
        Fil_->setParent(this);
        connect(Fil_, &QThread::finished, this,
                [this, lignes] { OuvreCompletion(std::move(*lignes)); });
        Fil_->start(QThread::LowPriority);
    }
    void OuvreCompletion(LignesCompletion lignes) {
        Completion_ = florimot::CreeCompletion(std::move(lignes), this);
        Completion_->popup()->setObjectName(QStringLiteral("Completion"));
        Completion_->popup()->setAccessibleName(QStringLiteral("Verbes proposés"));
        // Wider than the entry when need be: a verb of the longest is seen whole.
        Completion_->popup()->setMinimumWidth(Completion_->popup()->fontMetrics().horizontalAdvance(
                                                  QString(TEcran::LongueurEntree + 5, u'n')) +
                                              style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
        // A line clicked is chosen as Enter chooses it.
        connect(Completion_, qOverload<const QString&>(&QCompleter::activated), this, [this] {
            if (Valide) Valide();
        });
        setCompleter(Completion_);
        // What was typed meanwhile is completed at once.
        if (hasFocus() && !Initial_ && !text().isEmpty()) {
            Completion_->setCompletionPrefix(text());
            Completion_->complete();
        }
    }

    bool Initial_ = true;  // still the word the window opened with
    QCompleter* Completion_ = nullptr;
    QThread* Fil_ = nullptr;  // gathering the verbs, from the first edit on
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

// `texte` on one line when it fits `largeur`, else on two, broken after the
// strongest stop that lets both fit (a dash, a semicolon, a colon, a comma,
// a blank), each line cut with an ellipsis if none does; the whole text is
// then readable under the pointer.
void EcritSurDeuxLignes(QLabel* etiquette, const QString& texte, int largeur) {
    const QFontMetrics mesure(etiquette->font());
    const auto large = [&](QStringView t) { return mesure.horizontalAdvance(t.toString()); };
    // Too little room for even an ellipsis and a letter: nothing rather than a mark.
    const bool rien = largeur < large(u"m…");
    if (rien || large(texte) <= largeur) {
        etiquette->setText(rien ? QString() : texte);
        etiquette->setToolTip(QString());
        return;
    }
    const auto force = [](QChar avant) {
        const QString fortes = QStringLiteral("—;:,");
        const qsizetype rang = fortes.indexOf(avant);
        return rang < 0 ? int(fortes.size()) : int(rang);
    };
    // The best break: one that fits, at the strongest stop, lines as even as
    // can be; failing that, the most even.
    qsizetype coupure = -1;
    std::tuple<bool, int, int> meilleure;
    for (qsizetype i = 1; i + 1 < texte.size(); ++i) {
        // Never between a guillemet and the word it quotes.
        if (texte[i] != u' ' || texte[i - 1] == u'«' || texte[i + 1] == u'»') continue;
        const QStringView t(texte);
        const int l = std::max(large(t.left(i)), large(t.mid(i + 1)));
        const bool tient = l <= largeur;
        const std::tuple<bool, int, int> cle{!tient, tient ? force(texte[i - 1]) : 0, l};
        if (coupure < 0 || cle < meilleure) {
            coupure = i;
            meilleure = cle;
        }
    }
    const QString premiere = coupure < 0 ? texte : texte.left(coupure);
    const QString seconde = coupure < 0 ? QString() : texte.mid(coupure + 1);
    QString lignes = mesure.elidedText(premiere, Qt::ElideRight, largeur);
    bool coupe = lignes != premiere;
    if (!seconde.isEmpty()) {
        const QString fin = mesure.elidedText(seconde, Qt::ElideRight, largeur);
        coupe = coupe || fin != seconde;
        lignes += u'\n' + fin;
    }
    etiquette->setText(lignes);
    etiquette->setToolTip(coupe ? texte : QString());
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

// The window's content: the verb's row and the three pages. The window shows
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
    // What the dictionary says of the verb shown, beside the group ("" for
    // nothing). Remplit clears it.
    void DefinitNote(const QString& note);
    // The rule of the verb's model, first in the note ("" for none).
    void DefinitRegle(const QString& regle);
    // Under the pages: what the dictionary found behind the text typed, or
    // why it cannot tell ("" for nothing), and a button for each other verb
    // the text may belong to; `choix` is told the index of the one pressed.
    void DefinitAnalyse(const QString& texte, const QStringList& autres,
                        const std::function<void(int)>& choix);
    void MontrePage(int onglet);
    // Lays page `onglet` out for a sheet of `page`'s proportions (a content
    // made for printing only) and takes the size that layout needs, which is
    // then the whole of what the sheet shows.
    QSize DisposePourFeuille(int onglet, QSize page);

    QLineEdit* Verbe = nullptr;
    QPushButton* Conjugue = nullptr;
    QLabel* Groupe = nullptr;
    QLabel* VerbeL = nullptr;
    QLabel* OptionsL = nullptr;
    QLabel* ModeleL = nullptr;
    QLabel* NoteL = nullptr;
    QLabel* AnalyseL = nullptr;
    std::vector<QPushButton*> AutresVerbes;
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
    std::array<QListWidget*, GrilleComplete.size()> Listes{};
    std::array<QLabel*, GrilleComplete.size()> Legendes{};

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
    // What a screen reader says of each control, and the Tab order.
    void NommePourLecteurs();

    QString Options_;
    QString Note_;
    QString Regle_;
    QString Analyse_;
    // The page laid out for a sheet; -1 for the window's layout.
    int OngletFeuille_ = -1;
    QSize PageFeuille_;
    void PlaceParticipe();
    void PlaceAnalyse();

    QSize Reference_{TEcran::TailleInitiale};
};

TContenu::TContenu(Usage usage, QWidget* parent) : QWidget(parent) {
    setFont(PoliceTexte(11));
    // The captions of the group boxes sit on their frame line, leaving the
    // whole inside to the tense captions placed near the top.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));

    auto* entree = new EntreeVerbe(this);
    Verbe = entree;
    Verbe->setObjectName(QStringLiteral("Verbe"));
    Verbe->setValidator(new ValideurVerbe(Verbe));
    Verbe->setGeometry(8, 8, 81, 21);

    Conjugue = new QPushButton(QStringLiteral("Conjugue"), this);
    Conjugue->setObjectName(QStringLiteral("Conjugue"));
    Conjugue->setGeometry(96, 8, 81, 23);
    Conjugue->setToolTip(QStringLiteral("Conjugue un verbe"));
    Conjugue->setDefault(true);
    entree->Valide = [this] { Conjugue->click(); };
    Groupe = CreeEtiquette(this, "Groupe", QStringLiteral("Groupe"), {PositionGroupe, 8},
                           PoliceTexte(16, true));
    VerbeL =
        CreeEtiquette(this, "VerbeL", QStringLiteral("Verbe"), {208, 8}, PoliceTexte(16, true));
    // Discreet beside the word and the group: they qualify them.
    OptionsL = CreeEtiquette(this, "OptionsL", QString(), {208, 8}, PoliceTexte(10));
    ModeleL = CreeEtiquette(this, "ModeleL", QString(), {PositionGroupe, 8}, PoliceTexte(10));
    NoteL = CreeEtiquette(this, "NoteL", QString(), {PositionGroupe, 8}, PoliceTexte(10));
    for (QLabel* legende : {OptionsL, ModeleL, NoteL}) {
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
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const Cellule& cellule = GrilleComplete[i];
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
    PageSet->setTabToolTip(0, QStringLiteral("Indicatif, subjonctif"));
    PageSet->setTabToolTip(1, QStringLiteral("Conditionnel, impératif, participe"));
    PageSet->addTab(QStringLiteral("Page3"));
    PageSet->setTabToolTip(2, QStringLiteral("Infinitif, participe passé, gérondif"));
    PageSet->setCurrentIndex(0);

    AnalyseL = CreeEtiquette(this, "AnalyseL", QString(), {8, 432}, PoliceTexte(10));
    AnalyseL->hide();
    NommePourLecteurs();

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

void TContenu::NommePourLecteurs() {
    const auto nomme = [](QWidget* w, const QString& nom, const QString& description) {
        w->setAccessibleName(nom);
        w->setAccessibleDescription(description);
    };
    nomme(Verbe, QStringLiteral("Verbe à conjuguer"),
          QStringLiteral("Un infinitif, ou un verbe pronominal : se lever, s'en aller"));
    nomme(Conjugue, QStringLiteral("Conjuguer"), QStringLiteral("Conjugue le verbe saisi"));
    nomme(VerbeL, QStringLiteral("Verbe conjugué"), QString());
    nomme(OptionsL, QStringLiteral("Options"), QString());
    nomme(Groupe, QStringLiteral("Groupe"), QString());
    nomme(ModeleL, QStringLiteral("Modèle"), QString());
    nomme(NoteL, QStringLiteral("Note"), QString());
    nomme(PartPres, QStringLiteral("Participe présent"), QString());
    QWidget* precedent = Conjugue;
    setTabOrder(Verbe, Conjugue);
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        if (Listes[i] == nullptr) continue;
        // "Indicatif présent", "Participe passé composé".
        const Cellule& c = GrilleComplete[i];
        const QString nom = (Texte(c.Mode) + u' ' + Texte(c.Temps).toLower()).trimmed();
        nomme(Listes[i], nom,
              QStringLiteral("Formes du verbe, une par ligne ; Ctrl+C copie les lignes choisies"));
        setTabOrder(precedent, Listes[i]);
        precedent = Listes[i];
    }
}

void TContenu::DefinitReference(QSize reference) {
    Reference_ = reference;
    Dispose();
}

void TContenu::Dispose() {
    if (OngletFeuille_ >= 0) {
        DisposePourFeuille(OngletFeuille_, PageFeuille_);
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
    Rectangl->setGeometry(Cadre({1, 32, 625, 377}));
    PageSet->setGeometry(X(2), Y(408), X(627) - X(2), OngletsPages::Hauteur);
    for (const PlaceGroupe& place : Groupes)
        findChild<QGroupBox*>(QString::fromLatin1(place.Nom))->setGeometry(Cadre(place.Cadre));
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        QListWidget* liste = Listes[i];
        if (liste == nullptr) continue;
        const PlaceListe& place = *TrouvePlace(GrilleComplete[i].Nom);
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
    PlaceAnalyse();
}

void TContenu::Remplit(const QString& texte, const QString& options, const QString& groupe,
                       const QString& modele, const LignesGrille& lignes) {
    VerbeL->setText(texte);
    Options_ = options;
    Groupe->setText(groupe);
    ModeleL->setText(modele);
    Note_.clear();
    AligneGroupe();
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const Cellule& cellule = GrilleComplete[i];
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
    Note_ = autre.Note_;
    Regle_ = autre.Regle_;
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

void TContenu::DefinitNote(const QString& note) {
    Note_ = note;
    AligneGroupe();
}

void TContenu::DefinitRegle(const QString& regle) {
    Regle_ = regle;
    AligneGroupe();
}

void TContenu::DefinitAnalyse(const QString& texte, const QStringList& autres,
                              const std::function<void(int)>& choix) {
    Analyse_ = texte;
    // Possibly the very button pressed: gone from sight now, deleted later.
    for (QPushButton* bouton : AutresVerbes) {
        bouton->hide();
        bouton->deleteLater();
    }
    AutresVerbes.clear();
    for (int i = 0; i < autres.size(); ++i) {
        auto* bouton = new QPushButton(autres[i], this);
        bouton->setObjectName(QStringLiteral("AutreVerbe"));
        bouton->setToolTip(QStringLiteral("Conjuguer ") + autres[i]);
        bouton->setFont(PoliceTexte(11));
        bouton->setAutoDefault(false);
        connect(bouton, &QPushButton::clicked, bouton, [choix, i] { choix(i); });
        bouton->show();
        AutresVerbes.push_back(bouton);
    }
    PlaceAnalyse();
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
    AnalyseL->setVisible(!Analyse_.isEmpty());
    if (Analyse_.isEmpty()) return;
    EcritSurDeuxLignes(AnalyseL, Analyse_, droite - 4 - gauche);
    AnalyseL->adjustSize();
    AnalyseL->move(gauche, haut + std::max(0, (hauteur - AnalyseL->height()) / 2));
}

void TContenu::MontrePage(int onglet) {
    for (const PlaceGroupe& place : Groupes)
        findChild<QGroupBox*>(QString::fromLatin1(place.Nom))->setVisible(place.Page == onglet);
}

QSize TContenu::DisposePourFeuille(int onglet, QSize page) {
    OngletFeuille_ = onglet;
    PageFeuille_ = page;
    const auto groupe = [this](const char* nom) {
        return findChild<QGroupBox*>(QString::fromLatin1(nom));
    };
    TPiecesFeuille pieces{VerbeL,
                          OptionsL,
                          Groupe,
                          ModeleL,
                          NoteL,
                          Options_,
                          Note_,
                          Rectangl,
                          Indicatif,
                          Subjonctif,
                          Imperatif,
                          Conditionnel,
                          Participe,
                          PartPres,
                          Listes,
                          Legendes,
                          groupe("Infinitif"),
                          groupe("ParticipePasse"),
                          groupe("Gerondif")};
    const QSize taille = DisposeFeuille(pieces, onglet, page);
    if (size() != taille) resize(taille);
    return taille;
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
    // The dictionary's note takes what the row leaves, on two lines if need be.
    const int apres =
        (ModeleL->text().isEmpty() ? Groupe->geometry().right() : ModeleL->geometry().right()) +
        Ecart;
    const QString note = Regle_.isEmpty() || Note_.isEmpty()
                             ? Regle_ + Note_
                             : Regle_ + QStringLiteral(" — ") + Note_;
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

namespace {

// One verb found behind a form: its readings as the window selects them.
struct VerbeTrouve {
    QString Infinitif;
    struct Lecture {
        int Cellule;  // index in Grille; -1 for the past participle
        int Personne;
    };
    std::vector<Lecture> Lectures;
    TOptions Options;  // those the line read shows; none for a bare form
};

// Whether the engine gives no form of the word: no verb, or one no model
// knows ("entre"), every line a marker.
bool SansForme(const TVerbe& verbe, const LignesGrille& lignes) {
    return verbe.DonneGroupe() == 0 || AucuneForme(lignes);
}

// The note beside the group: what the verb's facts change in its lines
// ("verbe impersonnel, pas de voix passive"), then the dictionary's note; a
// fact the dictionary's note already says ("essentiellement pronominal :
// s'évanouir") is not said twice.
QString NoteComplete(const QString& faits, const QString& dictionnaire) {
    QStringList parties;
    for (const QString& f : faits.split(QStringLiteral(", "), Qt::SkipEmptyParts))
        if (!dictionnaire.contains(f)) parties << f;
    QString note = parties.join(QStringLiteral(", "));
    if (!note.isEmpty() && !dictionnaire.isEmpty()) note += QStringLiteral(" ; ");
    return note + dictionnaire;
}

// Whether `ligne` holds `forme` as a word of its own ("nous sommes allés ?").
bool TientLeMot(QString ligne, const QString& forme) {
    ligne.replace(QChar(0x00A0), u' ');
    return ligne.split(u' ', Qt::SkipEmptyParts).contains(forme);
}

}  // namespace

// The lexicon where Florimot was built with it, and what it found behind
// the text shown.
struct TEcran::Dictionnaire {
#ifdef FLORIMOT_LEXIQUE
    explicit Dictionnaire(std::vector<std::filesystem::path> dossiers)
        : Lexique(std::move(dossiers)) {}
    TLexique Lexique;
#else
    explicit Dictionnaire(const std::vector<std::filesystem::path>&) {}
#endif
    static std::vector<std::filesystem::path> DossiersStandard() {
#ifdef FLORIMOT_LEXIQUE
        return TLexique::DossiersStandard();
#else
        return {};
#endif
    }

    // Why analysis is unavailable is said once, the first time it is needed.
    bool IndisponibleDit = false;
    // Under the pages at the next filling: that reason, once.
    QString Message;
    // The form looked up and what was found, while its verb is shown.
    QString Forme;
    QString Description;
    std::vector<VerbeTrouve> Verbes;
    // The verb whose note waits for the end of loading ("" for none).
    QString NoteEnAttente;
    QTimer Attente;
};

TEcran::TEcran(TDialogues& dialogues, QWidget* parent)
    : TEcran(dialogues, Dictionnaire::DossiersStandard(), parent) {}

TEcran::TEcran(TDialogues& dialogues, std::vector<std::filesystem::path> dossiersDictionnaire,
               QWidget* parent)
    : QMainWindow(parent),
      Dialogues_(dialogues),
      Dictionnaire_(std::make_unique<Dictionnaire>(std::move(dossiersDictionnaire))) {
    setObjectName(QStringLiteral("Ecran"));
    setWindowTitle(QStringLiteral("Florimot"));
    setWindowIcon(IconeApplication());
    setFont(PoliceTexte(11));
    // The strip naming a likely verb sits above the content, taking its
    // height only while shown (the content's bottom strip is then empty).
    auto* centre = new QWidget(this);
    auto* pile = new QVBoxLayout(centre);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(0);
    Proposition_ = new TBandeauProposition(centre);
    pile->addWidget(Proposition_);
    Contenu_ = new TContenu(TContenu::Usage::Ecran, centre);
    Contenu_->setObjectName(QStringLiteral("Fond"));
    pile->addWidget(Contenu_, 1);
    setCentralWidget(centre);
    connect(Contenu_->Conjugue, &QPushButton::clicked, this, &TEcran::ConjugueClick);
    connect(Contenu_->PageSet, &QTabBar::currentChanged, this, &TEcran::SetPage);
    // Loading is watched only while a note waits for it.
    Dictionnaire_->Attente.setInterval(25);
    connect(&Dictionnaire_->Attente, &QTimer::timeout, this,
            [this] { MetNote(Dictionnaire_->NoteEnAttente); });
    CreeMenu();
    CreeRaccourcisPages();
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
    Action->addSeparator();
    Precedent1 = commande(Action, "Precedent1", QStringLiteral("P&récédent"),
                          QKeySequence(Qt::ALT | Qt::Key_Left), &TEcran::Precedent1Click);
    Suivant1 = commande(Action, "Suivant1", QStringLiteral("&Suivant"),
                        QKeySequence(Qt::ALT | Qt::Key_Right), &TEcran::Suivant1Click);
    ActiveHistorique();
    Action->addSeparator();
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
    Rectifiee1 = option("Rectifiee1", QStringLiteral("&Orthographe rectifiée (1990)"), Qt::Key_F9);
    Variante1 = option("Variante1", QStringLiteral("&Autre forme"), Qt::Key_F10);

    Aide = MainMenu1->addMenu(QStringLiteral("&?"));
    Aide->setObjectName(QStringLiteral("Aide"));
    APropos1 = commande(Aide, "APropos1", QStringLiteral("A &Propos..."), QKeySequence(Qt::Key_F2),
                        &TEcran::APropos1Click);
    Aide1 = commande(Aide, "Aide1", QStringLiteral("&Aide"), QKeySequence(Qt::CTRL | Qt::Key_H),
                     &TEcran::Aide1Click);
}

void TEcran::CreeRaccourcisPages() {
    // Window-wide, as the menu's shortcuts: no control of the window takes
    // these keys for itself.
    const auto raccourci = [this](const QList<QKeySequence>& touches, auto page) {
        auto* action = new QAction(this);
        action->setShortcuts(touches);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this,
                [this, page] { Contenu_->PageSet->setCurrentIndex(page(Contenu_->PageSet)); });
    };
    const auto suivante = [](const QTabBar* b) { return (b->currentIndex() + 1) % b->count(); };
    const auto precedente = [](const QTabBar* b) {
        return (b->currentIndex() + b->count() - 1) % b->count();
    };
    raccourci({QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)},
              suivante);
    raccourci({QKeySequence(Qt::CTRL | Qt::Key_PageUp),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
              precedente);
    raccourci({QKeySequence(Qt::ALT | Qt::Key_1)}, [](const QTabBar*) { return 0; });
    raccourci({QKeySequence(Qt::ALT | Qt::Key_2)}, [](const QTabBar*) { return 1; });
    raccourci({QKeySequence(Qt::ALT | Qt::Key_3)}, [](const QTabBar*) { return 2; });
}

void TEcran::ProposeProches(const QString& intitule) {
    QStringList proches;
    QString phrase;
#ifdef FLORIMOT_LEXIQUE
    // A verb typed before the dictionary is loaded is not held up for it:
    // the strip comes once loading ends, if the verb is still shown.
    TLexique& lexique = Dictionnaire_->Lexique;
    if (!intitule.isEmpty() && !lexique.Pret()) {
        QTimer::singleShot(25, this, [this, intitule, montre = Montre_] {
            if (Montre_ == montre) ProposeProches(intitule);
        });
    } else if (!intitule.isEmpty() && lexique.Disponible()) {
        const std::vector<std::string> verbes = VerbesProches(lexique, intitule.toStdString());
        for (const std::string& v : verbes) proches << QString::fromStdString(v);
        phrase = QString::fromStdString(PhraseVerbesProches(verbes));
    }
#else
    (void)intitule;
#endif
    Proposition_->Definit(phrase, proches, [this](const QString& verbe) {
        Contenu_->Verbe->setText(verbe);
        ConjugueClick();
    });
}

QString TEcran::TexteVerbe() const {
    // Read through the entry's rule again: text set by the program skips
    // the validator.
    QString texte = FormeSaisie(Contenu_->Verbe->text());
    if (texte.size() < LongueurEntree) texte += QString(LongueurEntree - texte.size(), u' ');
    return texte;
}

void TEcran::OptionClick() {
    Options_ = {Feminin1->isChecked(), Negation1->isChecked(),  Interrogation1->isChecked(),
                Passif1->isChecked(),  Rectifiee1->isChecked(), Variante1->isChecked()};
    // A word asked for and not yet conjugated is conjugated with them: it
    // must not give way to the word shown. A verb found behind a form keeps
    // its selection.
    if (Montre_.isEmpty() || !EnAttente_.isEmpty()) return;
    if (Dictionnaire_->Verbes.empty())
        Conjugue(Montre_, false);
    else
        Conjugue(Dictionnaire_->Forme, false, Montre_);
}

void TEcran::CocheOptions() {
    Feminin1->setChecked(Options_.Feminin);
    Negation1->setChecked(Options_.Negation);
    Interrogation1->setChecked(Options_.Interrogation);
    Passif1->setChecked(Options_.Passif);
    Rectifiee1->setChecked(Options_.Rectifiee);
    Variante1->setChecked(Options_.Variante);
}

void TEcran::ConjugueClick() {
    Conjugue(TexteVerbe());
}

void TEcran::Conjugue(const QString& texte, bool avertit, const QString& prefere) {
    // Asked again from inside a conjugation (its message box), or during a
    // print job: done once that is over, so that neither half-fills the
    // window nor overwrites the other's result.
    if (Conjugue_ || Imprime_) {
        EnAttente_ = texte;
        AvertitEnAttente_ = avertit;
        PrefereEnAttente_ = prefere;
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
        const TFaits faits = PrepareVerbe(verbe);
        const LignesGrille lignes = ConjugueGrille(verbe, Options_, faits);
        // Whether the word has forms at all, whatever the options leave of them.
        const bool sansForme =
            SansForme(verbe, Options_.Aucune() ? lignes : ConjugueGrille(verbe, {}, faits));
        Dictionnaire& d = *Dictionnaire_;
        d.Verbes.clear();
        // A word shown again for an option was looked up already.
        if ((avertit || !prefere.isEmpty()) && sansForme && Cherche(texte.trimmed())) {
            std::size_t rang = 0;
            for (std::size_t i = 0; i < d.Verbes.size(); ++i)
                if (d.Verbes[i].Infinitif == prefere) rang = i;
            MontreTrouve(rang, avertit);
            ProposeProches({});
            Memorise();
        } else {
            d.Verbes.clear();
            Montre_ = texte;
            const QString intitule = Remplit(verbe, lignes, faits);
            Contenu_->DefinitAnalyse(std::exchange(d.Message, QString()), {}, {});
            // Of a word with no form the dictionary has nothing to say. A
            // word shown again for an option keeps its strip.
            MetNote(sansForme ? QString() : intitule);
            if (avertit) ProposeProches(sansForme ? QString() : intitule);
            if (!sansForme) Memorise();
            // The window already shows what the warning is about.
            if (avertit && verbe.DonneGroupe() == 0) Avertit(texte);
        }
    }
    ConjugueEnAttente();
}

bool TEcran::Cherche(const QString& forme) {
    Dictionnaire& d = *Dictionnaire_;
    d.Verbes.clear();
    if (forme.isEmpty()) return false;
#ifdef FLORIMOT_LEXIQUE
    // The form index needs no dictionary, and never waits for it.
    const std::string mot = forme.toStdString();
    const std::vector<TAnalyse> analyse = d.Lexique.Analyse(mot);
    for (const TAnalyse& a : analyse) {
        VerbeTrouve v{QString::fromStdString(a.infinitif), {}, {}};
        for (const TLecture& l : a.lectures) {
            int cellule = -1;
            for (std::size_t i = 0; i < Grille.size(); ++i)
                if (Grille[i].Nom == l.cellule) cellule = int(i);
            v.Lectures.push_back({cellule, l.personne});
        }
        if (!a.lectures.empty()) {
            const TLecture& premiere = a.lectures.front();
            v.Options = premiere.options;
            v.Options.Rectifiee = premiere.rectifiee;
            v.Options.Variante = premiere.variante;
        }
        d.Verbes.push_back(std::move(v));
    }
    if (d.Verbes.empty()) {
        // The suggestions that follow need the dictionary: say once why
        // there are none.
        if (!d.Lexique.Disponible() && !std::exchange(d.IndisponibleDit, true))
            d.Message = QString::fromStdString(d.Lexique.Raison());
        return false;
    }
    d.Forme = forme;
    d.Description = QString::fromStdString(DecritAnalyse(mot, analyse));
    return true;
#else
    if (!std::exchange(d.IndisponibleDit, true))
        d.Message = QStringLiteral(
            "Florimot a été construit sans libhunspell : analyse des formes et suggestions "
            "indisponibles.");
    return false;
#endif
}

QString TEcran::Remplit(const TVerbe& verbe, const LignesGrille& lignes, const TFaits& faits) {
    const std::string_view modele = ModeleDuVerbe(verbe, Options_);
    NoteFaits_ = QString::fromStdString(DecritFaits(verbe, faits, Options_));
    const QString intitule = QString::fromStdString(verbe.Intitule()).trimmed();
    Contenu_->Remplit(intitule, QString::fromStdString(DecritOptions(Options_)),
                      QString::fromStdString(LegendeGroupe(verbe)),
                      modele.empty() ? QString() : QStringLiteral("comme ") + Texte(modele),
                      lignes);
    Contenu_->DefinitRegle(Texte(RegleDuModele(verbe, Options_)));
    return intitule;
}

void TEcran::MontreTrouve(std::size_t rang, bool optionsDeLaLigne) {
    Dictionnaire& d = *Dictionnaire_;
    const VerbeTrouve& trouve = d.Verbes[rang];
    // A line sets every option it shows; a bare form of one spelling or
    // series only (paye, connait) turns that one on, so its line shows.
    TOptions options = optionsDeLaLigne ? trouve.Options : Options_;
    options.Rectifiee = Options_.Rectifiee || trouve.Options.Rectifiee;
    options.Variante = Options_.Variante || trouve.Options.Variante;
    if (!(options == Options_)) {
        Options_ = options;
        CocheOptions();
    }
    TVerbe verbe;
    verbe.DefinitVerbe(trouve.Infinitif.toStdString());
    const TFaits faits = PrepareVerbe(verbe);
    Montre_ = trouve.Infinitif;
    const LignesGrille lignes = ConjugueGrille(verbe, Options_, faits);
    const QString intitule = Remplit(verbe, lignes, faits);

    // The lines to select, by cell and row. A simple tense's reading names
    // its person; the past participle is wherever a compound line shows it,
    // with the options in force, or failing that as an agreement would
    // ("allée" with féminin).
    std::vector<std::pair<std::size_t, int>> choisies;
    for (const VerbeTrouve::Lecture& l : trouve.Lectures) {
        if (l.Cellule >= 0) {
            const Cellule& c = Grille[std::size_t(l.Cellule)];
            const int ligne = l.Personne - c.PremierePersonne;
            if (ligne >= 0 && ligne < c.NombreLignes()) choisies.emplace_back(l.Cellule, ligne);
            continue;
        }
        const auto accord = [&](bool feminin, bool passif) {
            TOptions o = Options_;
            o.Feminin = feminin;
            o.Passif = passif;
            return o;
        };
        const TOptions accords[] = {Options_, accord(true, false), accord(false, true),
                                    accord(true, true)};
        for (const TOptions& o : accords) {
            const LignesGrille g = o == Options_ ? lignes : ConjugueGrille(verbe, o, faits);
            const std::size_t avant = choisies.size();
            for (std::size_t i = 0; i < Grille.size(); ++i)
                if (EstCompose(Grille[i]))
                    for (int k = 0; k < Grille[i].NombreLignes(); ++k)
                        if (TientLeMot(QString::fromUtf8(g[Grille[i].Premier + k]), d.Forme))
                            choisies.emplace_back(i, k);
            if (choisies.size() > avant) break;
        }
    }
    int page = -1;
    for (std::size_t i = 0; i < Grille.size(); ++i) {
        QListWidget* liste = Contenu_->Listes[i];
        if (liste == nullptr) continue;
        for (const auto& [cellule, ligne] : choisies) {
            if (cellule != i || ligne >= liste->count()) continue;
            QListWidgetItem* item = liste->item(ligne);
            // A line the options leave without a form holds nothing to show.
            if (EstMarqueur(item->text().toStdString())) continue;
            item->setSelected(true);
            liste->scrollToItem(item);
            if (page < 0) page = PageDeCellule(Grille[i]) - 1;
        }
    }
    if (page >= 0) Contenu_->PageSet->setCurrentIndex(page);

    QStringList autres;
    for (const VerbeTrouve& v : d.Verbes)
        if (&v != &trouve) autres << v.Infinitif;
    Contenu_->DefinitAnalyse(d.Description, autres, [this, rang](int i) {
        // The buttons stand for the verbs other than the one shown, in order.
        const std::size_t choisi = std::size_t(i) < rang ? std::size_t(i) : std::size_t(i) + 1;
        Conjugue(Dictionnaire_->Forme, false, Dictionnaire_->Verbes[choisi].Infinitif);
    });
    d.Message.clear();
    MetNote(intitule);
}

void TEcran::Avertit(const QString& texte) {
    QStringList suggestions;
#ifdef FLORIMOT_LEXIQUE
    TLexique& lexique = Dictionnaire_->Lexique;
    if (!texte.trimmed().isEmpty() && lexique.Disponible())
        for (const std::string& s : lexique.Suggestions(texte.trimmed().toStdString()))
            suggestions << QString::fromStdString(s);
#else
    (void)texte;
#endif
    const QString titre = QStringLiteral("Avertissement");
    if (suggestions.isEmpty()) {
        Dialogues_.Demande(this, QStringLiteral("Ceci n'est pas un Verbe"), titre,
                           TDialogues::Icone::Information, TDialogues::Boutons::Ok);
        return;
    }
    const QString premiere = suggestions.front();
    if (!Dialogues_.Propose(this,
                            QStringLiteral("Ceci n'est pas un Verbe\n\nSuggestions : ") +
                                suggestions.join(QStringLiteral(", ")),
                            titre, TDialogues::Icone::Information,
                            QStringLiteral("Conjuguer « ") + premiere + QStringLiteral(" »")))
        return;
    // The entry takes the word conjugated; this conjugation is still running,
    // so the suggestion's waits for it to end.
    Contenu_->Verbe->setText(premiere);
    ConjugueClick();
}

void TEcran::MetNote(QString intitule) {
    Dictionnaire& d = *Dictionnaire_;
    d.NoteEnAttente = intitule;
    // The verb's other series, which the grid does not show: "autre forme :
    // je paye"; it needs no dictionary.
    QString autre;
    if (!intitule.isEmpty()) {
        TVerbe verbe;
        verbe.DefinitVerbe(intitule.toStdString());
        if (const std::string forme = AutreForme(verbe, Options_); !forme.empty())
            autre = QStringLiteral("autre forme : ") + QString::fromStdString(forme);
    }
    const auto avecAutre = [&](QString note) {
        if (!note.isEmpty() && !autre.isEmpty()) note += QStringLiteral(" ; ");
        return note + autre;
    };
    // The facts are at hand: said now, the dictionary's note joins them.
    Contenu_->DefinitNote(intitule.isEmpty() ? QString() : avecAutre(NoteFaits_));
#ifdef FLORIMOT_LEXIQUE
    // Never waits: until loading ends, the note is left to the timer.
    if (!intitule.isEmpty() && !d.Lexique.Pret()) {
        if (!d.Attente.isActive()) d.Attente.start();
        return;
    }
    d.Attente.stop();
    d.NoteEnAttente.clear();
    if (!intitule.isEmpty())
        Contenu_->DefinitNote(avecAutre(NoteComplete(
            NoteFaits_, QString::fromStdString(d.Lexique.Note(intitule.toStdString())))));
#endif
}

QString TEcran::TexteNomme() const {
    // A verb found behind the form the entry still holds is named as itself.
    const Dictionnaire& d = *Dictionnaire_;
    if (!d.Verbes.empty() && FormeSaisie(Contenu_->Verbe->text()) == d.Forme)
        return Montre_.leftJustified(LongueurEntree);
    return TexteVerbe();
}

void TEcran::ConjugueEnAttente() {
    if (EnAttente_.isEmpty()) return;
    Conjugue(std::exchange(EnAttente_, QString()), AvertitEnAttente_,
             std::exchange(PrefereEnAttente_, QString()));
}

void TEcran::Conjuguer1Click() {
    ConjugueClick();
}

void TEcran::SetPage(int onglet) {
    Contenu_->MontrePage(onglet);
    AjusteLargeur();
}

void TEcran::Memorise() {
    AjusteLargeur();
    if (Navigue_) return;
    const int page = Contenu_->PageSet->currentIndex();
    if (!Historique_.empty() && Historique_[Position_].Texte == Montre_) {
        Historique_[Position_].Options = Options_;
    } else {
        if (!Historique_.empty()) {
            Historique_[Position_].Page = page;
            Historique_.resize(Position_ + 1);
        }
        Historique_.push_back({Montre_, Options_, page});
        Position_ = Historique_.size() - 1;
    }
    ActiveHistorique();
}

void TEcran::ActiveHistorique() {
    Precedent1->setEnabled(Position_ > 0);
    Suivant1->setEnabled(Position_ + 1 < Historique_.size());
}

void TEcran::RevientA(std::size_t position) {
    if (Conjugue_ || Imprime_ || position >= Historique_.size()) return;
    Historique_[Position_].Page = Contenu_->PageSet->currentIndex();
    Position_ = position;
    const Etape etape = Historique_[position];
    Options_ = etape.Options;
    CocheOptions();
    Contenu_->Verbe->setText(etape.Texte.trimmed());
    Navigue_ = true;
    Conjugue(etape.Texte, false);
    Navigue_ = false;
    Contenu_->PageSet->setCurrentIndex(etape.Page);
    ActiveHistorique();
}

void TEcran::Precedent1Click() {
    if (Position_ > 0) RevientA(Position_ - 1);
}

void TEcran::Suivant1Click() {
    RevientA(Position_ + 1);
}

void TEcran::AjusteLargeur() {
    // Only the options lengthen lines past what the layout was drawn for; a
    // verb long in itself keeps its lines cut, whole under the pointer.
    if (Options_.Aucune() || isMaximized() || isFullScreen()) return;
    // Lists grow in proportion with the window: the one that lacks the most
    // room says how wide the window must be.
    const int page = Contenu_->PageSet->currentIndex();
    double facteur = 1.0;
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const QListWidget* liste = Contenu_->Listes[i];
        if (liste == nullptr || PageDeCellule(GrilleComplete[i]) != page + 1 || liste->width() <= 0)
            continue;
        const QFontMetrics mesure(liste->font());
        int besoin = 0;
        for (int k = 0; k < liste->count(); ++k)
            besoin = std::max(besoin, mesure.horizontalAdvance(liste->item(k)->text()));
        // The same margin as the one MarqueCoupures leaves.
        besoin += 6 + liste->width() - liste->contentsRect().width();
        facteur = std::max(facteur, double(besoin) / liste->width());
    }
    if (facteur <= 1.0) return;
    int voulue = int(std::ceil(width() * facteur)) + 2;
    if (const QScreen* ecran = screen())
        voulue = std::min(voulue,
                          ecran->availableGeometry().width() - (frameGeometry().width() - width()));
    if (voulue > width()) resize(voulue, height());
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
    verbe.DefinitVerbe(TexteNomme().toStdString());
    PrepareVerbe(verbe);
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
    QString nom = QStringLiteral("Florimot du verbe ") + TexteNomme();
    if (!Options_.Aucune()) {
        TVerbe verbe;
        verbe.DefinitVerbe(TexteNomme().toStdString());
        PrepareVerbe(verbe);
        const QString intitule = QString::fromStdString(verbe.Intitule()).trimmed();
        nom = QStringLiteral("Florimot du verbe ") + intitule + (intitule.isEmpty() ? "" : " ") +
              u'(' + QString::fromStdString(DecritOptions(Options_)) + u')';
    }

    const QSize page = service.TaillePage();
    if (page.isEmpty()) {
        const QString raison = service.Erreur();
        return raison.isEmpty() ? QStringLiteral("L'impression n'a pas pu se faire.") : raison;
    }
    // The pages are drawn from a copy of the window's content made now: the
    // window stays as the user has it, and nothing done in it while the
    // printer lets events through changes what is printed. Each page is laid
    // out for the sheet and stretched over all of it.
    TContenu copie(TContenu::Usage::Impression, nullptr);
    copie.DefinitReference(Contenu_->Reference());
    copie.resize(Contenu_->Reference());
    copie.CopieDe(*Contenu_);
    const QRect destination(QPoint(0, 0), page);
    for (int onglet = 0; onglet < NombrePages; ++onglet) {
        // A line less than a dot high is no print.
        const QSize taille = copie.DisposePourFeuille(onglet, page);
        if (std::int64_t(page.width()) * HauteurLigne < taille.width() ||
            std::int64_t(page.height()) * HauteurLigne < taille.height())
            return QStringLiteral("La page de l'imprimante est trop petite pour y imprimer.");
    }
    const auto dessine = [&](int onglet) {
        const QSize taille = copie.DisposePourFeuille(onglet, page);
        return service.Dessine(destination, copie, QRect(QPoint(0, 0), taille));
    };

    if (!service.Commence(nom)) {
        const QString raison = service.Erreur();
        return raison.isEmpty() ? QStringLiteral("L'impression n'a pas pu se faire.") : raison;
    }
    bool reussi = dessine(0);
    for (int onglet = 1; reussi && onglet < NombrePages; ++onglet)
        reussi = service.NouvellePage() && dessine(onglet);
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
    const TFaits faits = PrepareVerbe(verbe);
    // Word for word the command line's readable output, one column.
    QGuiApplication::clipboard()->setText(QString::fromStdString(MiseEnPage(
        EnteteLisible(verbe, Options_, faits), ConjugueGrille(verbe, Options_, faits), 0, false)));
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
    Dialogues_.Demande(this, TexteAide(), QStringLiteral("Aide"), TDialogues::Icone::Information,
                       TDialogues::Boutons::Ok);
}

}  // namespace florimot
