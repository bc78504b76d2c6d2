#include "ecran.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "about.hpp"
#include "aide.hpp"
#include "apparence.hpp"
#include "contenu.hpp"
#include "etiquettes.hpp"
#include "faits.hpp"
#include "mise_en_page.hpp"
#include "modele.hpp"
#include "proposition.hpp"
#include "reglages.hpp"
#include "regles.hpp"
#include "selection.hpp"
#include "session_lexique.hpp"
#include "travail_impression.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

// Whether the engine gives no form of the word: no verb, or one no model
// knows ("entre"), every line a marker.
bool SansForme(const TVerbe& verbe, const LignesGrille& lignes) {
    if (verbe.DonneGroupe() == 0) return true;
    for (std::size_t i = 0; i < LignesGrille::size(); ++i)
        if (!lignes[i].empty() && !EstMarqueur(lignes[i])) return false;
    return true;
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

}  // namespace

TEcran::TEcran(TDialogues& dialogues, QWidget* parent)
    : TEcran(dialogues, TSessionLexique::DossiersStandard(), parent) {}

TEcran::TEcran(TDialogues& dialogues, std::vector<std::filesystem::path> dossiersDictionnaire,
               QWidget* parent)
    : QMainWindow(parent),
      Dialogues_(dialogues),
      Session_(new TSessionLexique(std::move(dossiersDictionnaire), this)) {
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
    // What waited for the dictionary comes once it is loaded, if the verb
    // it was for is still shown.
    connect(Session_, &TSessionLexique::Charge, this, [this] {
        if (!NoteEnAttente_.isEmpty()) MetNote(NoteEnAttente_);
        if (!ProchesEnAttente_.isEmpty() && Montre_ == ProchesPour_)
            ProposeProches(std::exchange(ProchesEnAttente_, QString()));
    });
    CreeMenu();
    CreeRaccourcisPages();
    // The layout was drawn for the inside of a 640 x 480 window under its menu.
    Contenu_->DefinitReference(
        {TailleInitiale.width(), TailleInitiale.height() - BarreMenus->sizeHint().height()});
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
    Options_ = reglages.Options;
    CocheOptions();
    if (const QByteArray geometrie = LitGeometrie(); !geometrie.isEmpty()) {
        Centree_ = restoreGeometry(geometrie);
        return;
    }
    const QRect cadre = reglages.Cadre;
    // A place on a screen that is gone, or a size below the smallest, is
    // not taken back: the window then opens centred, at its default size.
    if (CadreVisible(cadre) && cadre.width() >= TailleInitiale.width() &&
        cadre.height() >= TailleInitiale.height()) {
        setGeometry(cadre);
        Centree_ = true;
    }
    if (reglages.Agrandie) setWindowState(windowState() | Qt::WindowMaximized);
}

void TEcran::GardeReglages() const {
    // What older versions read is still written, for whoever goes back to one.
    EcritReglages({normalGeometry(), isMaximized(), Options_});
    EcritGeometrie(saveGeometry());
}

void TEcran::CreeMenu() {
    BarreMenus = menuBar();
    BarreMenus->setObjectName(QStringLiteral("MainMenu1"));

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

    Action = BarreMenus->addMenu(QStringLiteral("&Action"));
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

    MenuOptions = BarreMenus->addMenu(QStringLiteral("&Options"));
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

    Aide = BarreMenus->addMenu(QStringLiteral("&?"));
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
    // A verb typed before the dictionary is loaded is not held up for it:
    // the strip comes once loading ends, if the verb is still shown.
    const bool attend = !intitule.isEmpty() && !Session_->Pret();
    ProchesEnAttente_ = attend ? intitule : QString();
    ProchesPour_ = Montre_;
    QString phrase;
    const QStringList proches = attend ? QStringList() : Session_->Proches(intitule, phrase);
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
    if (Session_->Verbes.empty())
        Conjugue(Montre_, false);
    else
        Conjugue(Session_->Forme, false, Montre_);
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
        const QScopedValueRollback<bool> enCours(Conjugue_, true);
        TVerbe verbe;
        verbe.DefinitVerbe(texte.toStdString());
        const TFaits faits = PrepareVerbe(verbe);
        const LignesGrille lignes = ConjugueGrille(verbe, Options_, faits);
        // Whether the word has forms at all, whatever the options leave of them.
        const bool sansForme =
            SansForme(verbe, Options_.Aucune() ? lignes : ConjugueGrille(verbe, {}, faits));
        TSessionLexique& d = *Session_;
        d.Verbes.clear();
        // A word shown again for an option was looked up already.
        if ((avertit || !prefere.isEmpty()) && sansForme && d.Cherche(texte.trimmed())) {
            std::size_t rang = 0;
            for (std::size_t i = 0; i < d.Verbes.size(); ++i)
                if (QString::fromStdString(d.Verbes[i].infinitif) == prefere) rang = i;
            MontreTrouve(rang, avertit);
            ProposeProches({});
            Memorise();
        } else {
            d.Verbes.clear();
            Montre_ = texte;
            const QString intitule = Remplit(verbe, lignes, faits);
            Contenu_->DefinitAnalyse(d.PrendMessage(), {}, {});
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
    TSessionLexique& d = *Session_;
    const TAnalyse& trouve = d.Verbes[rang];
    if (const TOptions options = OptionsPourMontrer(trouve, Options_, optionsDeLaLigne);
        !(options == Options_)) {
        Options_ = options;
        CocheOptions();
    }
    TVerbe verbe;
    verbe.DefinitVerbe(trouve.infinitif);
    const TFaits faits = PrepareVerbe(verbe);
    Montre_ = QString::fromStdString(trouve.infinitif);
    const QString intitule = Remplit(verbe, ConjugueGrille(verbe, Options_, faits), faits);

    // The page shown is the first that holds a line selected.
    std::size_t premiere = Grille.size();
    for (const auto& [cellule, ligne] :
         LignesDeLecture(verbe, faits, Options_, d.Forme.toStdString(), trouve)) {
        QListWidget* liste = Contenu_->Listes[cellule];
        if (liste == nullptr || ligne >= liste->count()) continue;
        liste->item(ligne)->setSelected(true);
        liste->scrollToItem(liste->item(ligne));
        premiere = std::min(premiere, cellule);
    }
    if (premiere < Grille.size()) Contenu_->PageSet->setCurrentIndex(Grille[premiere].Page - 1);

    QStringList autres;
    for (const TAnalyse& v : d.Verbes)
        if (&v != &trouve) autres << QString::fromStdString(v.infinitif);
    Contenu_->DefinitAnalyse(d.Description, autres, [this, rang](int i) {
        // The buttons stand for the verbs other than the one shown, in order.
        const std::size_t choisi = std::size_t(i) < rang ? std::size_t(i) : std::size_t(i) + 1;
        Conjugue(Session_->Forme, false,
                 QString::fromStdString(Session_->Verbes[choisi].infinitif));
    });
    d.PrendMessage();
    MetNote(intitule);
}

void TEcran::Avertit(const QString& texte) {
    const QStringList suggestions = Session_->Suggestions(texte.trimmed());
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
    NoteEnAttente_ = intitule;
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
    // Never waits: until loading ends, the note waits for it.
    if (intitule.isEmpty() || !Session_->Pret()) return;
    NoteEnAttente_.clear();
    Contenu_->DefinitNote(avecAutre(NoteComplete(NoteFaits_, Session_->Note(intitule))));
}

QString TEcran::TexteNomme() const {
    // A verb found behind the form the entry still holds is named as itself.
    if (!Session_->Verbes.empty() && FormeSaisie(Contenu_->Verbe->text()) == Session_->Forme)
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
    const double facteur = Contenu_->ManqueDeLargeur(Contenu_->PageSet->currentIndex());
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
    const QScopedValueRollback<bool> enCours(Imprime_, true);
    QString nom = QStringLiteral("Florimot du verbe ") + TexteNomme();
    if (!Options_.Aucune()) {
        TVerbe verbe;
        verbe.DefinitVerbe(TexteNomme().toStdString());
        PrepareVerbe(verbe);
        const QString intitule = QString::fromStdString(verbe.Intitule()).trimmed();
        nom = QStringLiteral("Florimot du verbe ") + intitule + (intitule.isEmpty() ? "" : " ") +
              u'(' + QString::fromStdString(DecritOptions(Options_)) + u')';
    }

    return ImprimeContenu(service, *Contenu_, nom);
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
