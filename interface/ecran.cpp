#include "ecran.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStringList>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "about.hpp"
#include "accords.hpp"
#include "aide.hpp"
#include "anglais.hpp"
#include "anglais_texte.hpp"
#include "apparence.hpp"
#include "cases_options.hpp"
#include "contenu.hpp"
#include "diagnostics.hpp"
#include "faits.hpp"
#include "guide.hpp"
#include "liste_modele.hpp"
#include "meme_modele.hpp"
#include "menus.hpp"
#include "mise_en_page.hpp"
#include "parole.hpp"
#include "proches.hpp"
#include "proposition.hpp"
#include "reglages.hpp"
#include "selection.hpp"
#include "session_lexique.hpp"
#include "travail_impression.hpp"
#include "verbe.hpp"
#include "voix.hpp"

namespace florimot {

namespace {

// Where a window may be put back: whole on a screen (not on one that is
// gone, nor a few pixels of it), no smaller than its first size.
bool PlaceAcceptable(const QRect& cadre) {
    return CadreVisible(cadre) && cadre.width() >= TEcran::TailleInitiale.width() &&
           cadre.height() >= TEcran::TailleInitiale.height();
}

}  // namespace

TEcran::TEcran(TDialogues& dialogues, QWidget* parent)
    : TEcran(dialogues, TSessionLexique::DossiersStandard(), parent) {}

TEcran::TEcran(TDialogues& dialogues, std::vector<std::filesystem::path> dossiersDictionnaire,
               QWidget* parent, std::function<void()> avantChargement)
    : QMainWindow(parent),
      Dialogues_(dialogues),
      Session_(
          new TSessionLexique(std::move(dossiersDictionnaire), this, std::move(avantChargement))) {
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
    Contenu_ = new TContenu(TContenu::TUsage::Ecran, centre);
    Contenu_->setObjectName(QStringLiteral("Fond"));
    pile->addWidget(Contenu_, 1);
    setCentralWidget(centre);
    Contenu_->QuandConjugue([this] { ConjugueClick(); });
    Contenu_->QuandPage([this](int onglet) { SetPage(onglet); });
    Contenu_->QuandMemeModele([this] { MemeModele1Click(); });
    // What waited for the dictionary comes once it is loaded, if the verb
    // it was for is still shown.
    connect(Session_, &TSessionLexique::Charge, this, [this] {
        if (!NoteEnAttente_.isEmpty()) MetNote(NoteEnAttente_);
        if (!ProchesEnAttente_.isEmpty() && Montre_ == ProchesPour_)
            ProposeProches(std::exchange(ProchesEnAttente_, QString()));
    });
    Menus_ = CreeMenus(*this);
    Contenu_->AttacheCasesOptions(new TCasesOptions(Menus_.Options, Contenu_));
    ActiveHistorique();
    Voix_ = new TVoix(this);
    Voix_->QuandChange([this] { ActiveEcoute(); });
    ActiveEcoute();
    Contenu_->AttacheEcoute(Menus_.Ecouter);
    Contenu_->AttacheRaccourcisPages(this);
    Contenu_->QuandCopieConjugaison([this] { CopierConjugaison1Click(); });
    // Back to the entry from anywhere, as in a browser; Escape from the lists.
    auto* entree = new QAction(this);
    entree->setObjectName(QStringLiteral("FocusEntree"));
    entree->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::ALT | Qt::Key_D),
                          QKeySequence(Qt::Key_Escape)});
    entree->setShortcutContext(Qt::WindowShortcut);
    addAction(entree);
    connect(entree, &QAction::triggered, this, [this] { Contenu_->FocusEntree(true); });
    // The layout was drawn for the inside of a 640 x 480 window under its menu.
    Contenu_->DefinitReference(
        {TailleInitiale.width(), TailleInitiale.height() - Menus_.Barre->sizeHint().height()});
    setMinimumSize(TailleInitiale);
    resize(TailleInitiale);
    RestaureReglages();
    Contenu_->FocusEntree();
}

TEcran::~TEcran() = default;

void TEcran::keyPressEvent(QKeyEvent* evenement) {
    // A main window has no default button of its own: Enter that no control
    // of this window used presses this one. The About window is a window of
    // its own, so its keys never arrive here.
    if ((evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) &&
        (evenement->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Contenu_->PresseConjugue();
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
    Options_ = Choisies_ = reglages.Options;
    CocheOptions();
    if (const QByteArray geometrie = LitGeometrie(); !geometrie.isEmpty()) {
        // A kept geometry is held to what a kept frame is: whole on a
        // screen and no smaller than the window's first size. Otherwise
        // the window starts as if none was kept.
        if (restoreGeometry(geometrie) && PlaceAcceptable(normalGeometry())) {
            Centree_ = true;
            return;
        }
        setWindowState(windowState() & ~Qt::WindowMaximized);
        resize(TailleInitiale);
        Centree_ = false;
    }
    const QRect cadre = reglages.Cadre;
    // A place on a screen that is gone, or a size below the smallest, is
    // not taken back: the window then opens centred, at its default size.
    if (PlaceAcceptable(cadre)) {
        setGeometry(cadre);
        Centree_ = true;
    }
    if (reglages.Agrandie) setWindowState(windowState() | Qt::WindowMaximized);
}

void TEcran::GardeReglages() const {
    // What older versions read is still written, for whoever goes back to one.
    EcritReglages({normalGeometry(), isMaximized(), Choisies_});
    EcritGeometrie(saveGeometry());
}

void TEcran::ProposeProches(const QString& intitule) {
    // A verb typed before the dictionary is loaded is not held up for it:
    // the strip comes once loading ends, if the verb is still shown.
    const bool attend = !intitule.isEmpty() && !Session_->Pret();
    ProchesEnAttente_ = attend ? intitule : QString();
    ProchesPour_ = Montre_.value_or(QString());
    QString phrase;
    const QStringList proches = attend ? QStringList() : Session_->Proches(intitule, phrase);
    Proposition_->Definit(phrase, proches, [this](const QString& verbe) {
        Contenu_->DefinitEntree(verbe);
        ConjugueClick();
    });
}

void TEcran::ProposeAccentues(const std::vector<std::string>& verbes) {
    ProchesEnAttente_.clear();
    ProchesPour_ = Montre_.value_or(QString());
    QStringList liste;
    for (const std::string& v : verbes) liste << QString::fromStdString(v);
    Proposition_->Definit(QString::fromStdString(PhraseVerbesProches(verbes)), liste,
                          [this](const QString& verbe) {
                              Contenu_->DefinitEntree(verbe);
                              ConjugueClick();
                          });
}

QString TEcran::TexteVerbe() const {
    // Read through the entry's rule again: text set by the program skips
    // the validator.
    QString texte = FormeSaisie(Contenu_->TexteEntree());
    if (texte.size() < LongueurEntree) texte += QString(LongueurEntree - texte.size(), u' ');
    return texte;
}

void TEcran::OptionClick() {
    // The option the user changed becomes his choice; those an analysed
    // line set stay the line's.
    const TOptions cochees = Menus_.Cochees();
    for (const TDescriptionOption& d : DescriptionsOptions)
        if (EstActive(cochees, d) != EstActive(Options_, d))
            Active(Choisies_, d, EstActive(cochees, d));
    Options_ = cochees;
    MontreAutresOptions();
}

void TEcran::ReinitialiserOptions1Click() {
    Choisies_ = {};
    if (Options_.Aucune()) return;
    Options_ = {};
    CocheOptions();
    MontreAutresOptions();
}

void TEcran::MontreAutresOptions() {
    // A word asked for and not yet conjugated is conjugated with them: it
    // must not give way to the word shown. A verb found behind a form keeps
    // its selection.
    if (!Montre_ || EnAttente_) return;
    if (Session_->Verbes.empty())
        Conjugue(*Montre_, false);
    else
        Conjugue(Session_->Forme, false, *Montre_);
}

void TEcran::CocheOptions() {
    Menus_.Coche(Options_);
}

void TEcran::ConjugueClick() {
    // What was typed, without TexteVerbe's blanks: nothing reads them.
    Conjugue(FormeSaisie(Contenu_->TexteEntree()));
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
    // A text asked for anew comes back to the options the user chose, but
    // for those a choice of the suggestion strip says for its verb.
    if (const TOptions voulues = OptionsDuChoix_.value_or(Choisies_);
        avertit && !(Options_ == voulues)) {
        Options_ = voulues;
        CocheOptions();
    }
    OptionsDuChoix_.reset();
    {
        const QScopedValueRollback<bool> enCours(Conjugue_, true);
        TVerbe verbe;
        verbe.DefinitVerbe(texte.toStdString());
        const TFaits faits = PrepareVerbe(verbe);
        const std::vector<std::string> accentues = VerbesAccentues(verbe);
        // Whether the engine gives the word any form, whatever the options
        // leave of them: not when it is no verb, nor one no model knows
        // ("entre", every line a marker). A text that is no verb ("nous
        // sommes allés") has no grid worth building before the lexicon reads it.
        std::optional<TLignesGrille> lignes;
        bool sansForme = verbe.DonneGroupe() == 0;
        if (!sansForme) {
            lignes = ConjugueGrille(verbe, Options_, faits);
            sansForme = AucuneForme(Options_.Aucune() ? *lignes : ConjugueGrille(verbe, {}, faits));
        }
        TSessionLexique& d = *Session_;
        d.Verbes.clear();
        // A word shown again for an option was looked up already. A text
        // read only under verbs guessed from its letters may be a known
        // verb's line written wrong; a word typed without its accents is
        // the accented verb's, and said so below.
        const bool trouve = (avertit || !prefere.isEmpty()) && sansForme && accentues.empty() &&
                            d.Cherche(texte.trimmed());
        const bool connu = std::any_of(d.Verbes.begin(), d.Verbes.end(),
                                       [](const TAnalyse& a) { return a.Connu; });
        if (avertit && sansForme && accentues.empty() && prefere.isEmpty() && !connu &&
            MontreDiagnostic(texte)) {
        } else if (trouve) {
            MontreTrouve(d.Rang(prefere), avertit);
            ProposeProches({});
            Memorise();
        } else {
            d.Verbes.clear();
            Montre_ = texte;
            if (!lignes) lignes = ConjugueGrille(verbe, Options_, faits);
            const QString intitule = Remplit(verbe, *lignes, faits, !sansForme);
            Contenu_->DefinitAnalyse(d.PrendMessage(), {}, {});
            // Of a word with no form the dictionary has nothing to say. A
            // word shown again for an option keeps its strip.
            MetNote(sansForme ? QString() : intitule);
            if (avertit && !accentues.empty())
                ProposeAccentues(accentues);
            else if (avertit)
                ProposeProches(sansForme ? QString() : intitule);
            if (!sansForme) Memorise();
            // An English verb phrase offers its French verbs instead of a
            // warning; otherwise the window already shows what the warning
            // is about.
            const bool anglais = avertit && sansForme && ProposeAnglais(texte.trimmed());
            if (verbe.DonneGroupe() == 0) Contenu_->VideEntete();
            if (avertit && verbe.DonneGroupe() == 0 && !anglais) Avertit(texte);
        }
    }
    ConjugueEnAttente();
}

QString TEcran::Remplit(const TVerbe& verbe, const TLignesGrille& lignes, const TFaits& faits,
                        bool avecNote) {
    Entete_ = FaitEntete(verbe, Options_, faits);
    AutreForme_ = avecNote ? AutreForme(verbe, Options_, faits, lignes) : std::string();
    QStringList raisons;
    for (const TCellule& c : GrilleComplete)
        for (int i = 0; i < c.NombreLignes(); ++i) {
            const TCodeAccord code =
                AccordDeLigne(verbe, Options_, faits, c, lignes[c.Premier + i]);
            raisons << (code == TCodeAccord::Aucun
                            ? QString()
                            : QString::fromStdString(PhraseAccord(code, verbe)));
        }
    const QString intitule = Contenu_->Remplit(Entete_, lignes, raisons);
    QStringList glosses;
    if (verbe.DonneGroupe() != 0)
        for (const std::string& g : GlossesAnglaises(verbe.Intitule()))
            glosses << QString::fromStdString(g);
    Contenu_->DefinitGlose(glosses.isEmpty()
                               ? QString()
                               : tr("en anglais : %1").arg(glosses.join(QStringLiteral(", "))));
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
    verbe.DefinitVerbe(trouve.Infinitif);
    const TFaits faits = PrepareVerbe(verbe);
    Montre_ = QString::fromStdString(trouve.Infinitif);
    const TLignesGrille lignes = ConjugueGrille(verbe, Options_, faits);
    const QString intitule = Remplit(verbe, lignes, faits, true);

    Contenu_->Selectionne(
        LignesDeLecture(verbe, faits, Options_, d.Forme.toStdString(), trouve, lignes));

    QStringList autres;
    for (const TAnalyse& v : d.Verbes)
        if (&v != &trouve) autres << QString::fromStdString(v.Infinitif);
    Contenu_->DefinitAnalyse(d.Description, autres, [this](const QString& infinitif) {
        Conjugue(Session_->Forme, false, infinitif);
    });
    d.PrendMessage();
    MetNote(intitule);
}

void TEcran::MemeModele1Click() {
    TVerbe verbe;
    verbe.DefinitVerbe(Entete_.Intitule);
    if (!Montre_ || verbe.DonneGroupe() == 0) return;
    const TMemeModele liste = MemeModele(verbe);
    QStringList verbes;
    for (std::size_t i = 0; i < liste.Verbes.size() && i < VerbesModeleMontres; ++i)
        verbes << QString::fromStdString(liste.Verbes[i]);
    auto* fenetre = new TListeModele(
        QString::fromStdString(TitreMemeModele(liste)), verbes,
        [this](const QString& choisi) {
            Contenu_->DefinitEntree(choisi);
            ConjugueClick();
        },
        this);
    // One list a click: each goes once closed, or they would pile up.
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
}

bool TEcran::MontreDiagnostic(const QString& texte) {
    const std::vector<TDiagnostic> diagnostics =
        Diagnostique(FormeSaisie(texte).trimmed().toStdString());
    if (diagnostics.empty() || diagnostics.front().Lectures.empty()) return false;
    const TDiagnostic& diagnostic = diagnostics.front();
    Session_->Verbes.clear();
    TVerbe verbe;
    verbe.DefinitVerbe(diagnostic.Infinitif);
    const TFaits faits = PrepareVerbe(verbe);
    // The options of the line meant (féminin for « elle a venue »), the
    // spelling kept.
    if (const TOptions options = Reunies(Restreint(Options_, TPorteeOption::Graphie),
                                         diagnostic.Lectures.front().Options);
        !(options == Options_)) {
        Options_ = options;
        CocheOptions();
    }
    Montre_ = QString::fromStdString(diagnostic.Infinitif);
    const TLignesGrille lignes = ConjugueGrille(verbe, Options_, faits);
    const QString intitule = Remplit(verbe, lignes, faits, true);
    Contenu_->DefinitAnalyse({}, {}, {});
    std::vector<TLigneChoisie> choisies;
    for (const TLecture& l : diagnostic.Lectures)
        for (std::size_t i = 0; i < GrilleComplete.size(); ++i)
            if (GrilleComplete[i].Nom == l.Cellule)
                choisies.push_back({i, l.Personne - GrilleComplete[i].PremierePersonne});
    Contenu_->Selectionne(choisies);
    Proposition_->DefinitPhrase(QString::fromStdString(PhraseDiagnostic(diagnostic)));
    // The sentence's lines take no room from the pages: the window grows
    // by them.
    centralWidget()->layout()->activate();
    if (const int manque = Contenu_->Reference().height() - Contenu_->height(); manque > 0)
        resize(width(), height() + manque);
    MetNote(intitule);
    Memorise();
    return true;
}

void TEcran::Avertit(const QString& texte) {
    const QStringList suggestions = Session_->Suggestions(texte.trimmed());
    const QString titre = tr("Avertissement");
    if (suggestions.isEmpty()) {
        Dialogues_.Demande(this, tr("Ceci n'est pas un Verbe"), titre,
                           TDialogues::TIcone::Information, TDialogues::TBoutons::Ok);
        return;
    }
    const QString premiere = suggestions.front();
    if (!Dialogues_.Propose(this,
                            tr("Ceci n'est pas un Verbe\n\nSuggestions : %1")
                                .arg(suggestions.join(QStringLiteral(", "))),
                            titre, TDialogues::TIcone::Information,
                            tr("Conjuguer « %1 »").arg(premiere)))
        return;
    // The entry takes the word conjugated; this conjugation is still running,
    // so the suggestion's waits for it to end.
    Contenu_->DefinitEntree(premiere);
    ConjugueClick();
}

void TEcran::MetNote(QString intitule) {
    // The facts are at hand: said now; the dictionary's note joins them once
    // it is loaded, never waited for.
    const bool pret = !intitule.isEmpty() && Session_->Pret();
    NoteEnAttente_ = pret ? QString() : intitule;
    if (intitule.isEmpty()) return Contenu_->DefinitNote({});
    const std::string dictionnaire = pret ? Session_->Note(intitule).toStdString() : std::string();
    QString note = QString::fromStdString(NoteDuVerbe(Entete_, dictionnaire, AutreForme_));
    // A verb the dictionary does not know that reads as English (googler).
    TVerbe verbe;
    verbe.DefinitVerbe(intitule.toStdString());
    if (!PrepareVerbe(verbe).Connu && PeutEtreAnglais(verbe.Intitule(), MotAnglais))
        note += (note.isEmpty() ? QString() : QStringLiteral(" — ")) +
                QCoreApplication::translate("Florimot", MotPeutEtreAnglais.data());
    Contenu_->DefinitNote(note);
}

QString TEcran::TexteNomme() const {
    // A verb found behind the form the entry still holds is named as itself.
    if (!Session_->Verbes.empty() && FormeSaisie(Contenu_->TexteEntree()) == Session_->Forme)
        return Montre_.value_or(QString()).leftJustified(LongueurEntree);
    return TexteVerbe();
}

void TEcran::ConjugueEnAttente() {
    if (!EnAttente_) return;
    Conjugue(*std::exchange(EnAttente_, std::nullopt), AvertitEnAttente_,
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
    Historique_.Memorise(Montre_.value_or(QString()), Options_, Contenu_->Page());
    ActiveHistorique();
}

void TEcran::ActiveHistorique() {
    Menus_.Precedent->setEnabled(Historique_.APrecedent());
    Menus_.Suivant->setEnabled(Historique_.ASuivant());
}

void TEcran::RevientA(std::size_t position) {
    if (Conjugue_ || Imprime_) return;
    const THistorique::TEtape* aller = Historique_.VaA(position, Contenu_->Page());
    if (aller == nullptr) return;
    const THistorique::TEtape etape = *aller;
    Options_ = etape.Options;
    CocheOptions();
    Contenu_->DefinitEntree(etape.Texte.trimmed());
    {
        const QScopedValueRollback<bool> navigue(Navigue_, true);
        Conjugue(etape.Texte, false);
    }
    Contenu_->DefinitPage(etape.Page);
    ActiveHistorique();
}

void TEcran::Precedent1Click() {
    if (Historique_.APrecedent()) RevientA(Historique_.Position() - 1);
}

void TEcran::Suivant1Click() {
    RevientA(Historique_.Position() + 1);
}

void TEcran::AjusteLargeur() {
    // Only the options lengthen lines past what the layout was drawn for; a
    // verb long in itself keeps its lines cut, whole under the pointer.
    if (Options_.Aucune() || isMaximized() || isFullScreen()) return;
    const double facteur = Contenu_->ManqueDeLargeur(Contenu_->Page());
    if (facteur <= 1.0) return;
    int voulue = int(std::ceil(width() * facteur)) + 2;
    if (const QScreen* ecran = screen())
        voulue = std::min(voulue,
                          ecran->availableGeometry().width() - (frameGeometry().width() - width()));
    if (voulue <= width()) return;
    resize(voulue, height());
    // Wider, the window would cross the screen's right edge: it moves left,
    // as far as the left edge.
    if (const QScreen* ecran = screen()) {
        const QRect dispo = ecran->availableGeometry();
        const QRect cadre = frameGeometry();
        int dx = 0;
        if (cadre.right() > dispo.right()) dx = dispo.right() - cadre.right();
        if (cadre.left() + dx < dispo.left()) dx = dispo.left() - cadre.left();
        if (dx != 0) move(pos() + QPoint(dx, 0));
    }
}

void TEcran::Imprimer1Click() {
    // The printer lets the window handle its events while a job is produced:
    // a second request arriving then must not start a second job.
    if (Impression_ == nullptr || Imprime_ || Impression_->EnCours()) return;
    if (QPrinter* imprimante = Impression_->Reglable();
        imprimante != nullptr && !Dialogues_.ChoisitImpression(this, *imprimante)) {
        Contenu_->FocusEntree();
        return;
    }
    const QString raison = ImprimeSur(*Impression_);
    if (!raison.isEmpty() && Impression_->SansImprimante()) {
        // Paper is out of reach; a PDF is one button away, in the same box.
        const bool pdf =
            Dialogues_.Propose(this, raison, QStringLiteral("Florimot"), TDialogues::TIcone::Erreur,
                               tr("Enregistrer en PDF (Ctrl+S)"));
        Contenu_->FocusEntree();
        if (pdf) EnregistrerPdf1Click();
    } else if (!raison.isEmpty()) {
        SignaleEchec(raison);
    }
    ConjugueEnAttente();
}

void TEcran::Apercu1Click() {
    if (Imprime_) return;
    // The default printer's pages, or a PDF's where there is none.
    QPrinter imprimante(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) imprimante.setOutputFormat(QPrinter::PdfFormat);
    Dialogues_.Apercu(this, imprimante, [this](QPrinter& apercu) {
        TImpressionQt sur(apercu);
        const QString raison = ImprimeSur(sur);
        if (!raison.isEmpty()) SignaleEchec(raison);
    });
    Contenu_->FocusEntree();
    ConjugueEnAttente();
}

void TEcran::EnregistrerPdf1Click() {
    if (Imprime_) return;
    QString fichier =
        Dialogues_.DemandeFichier(this, tr("Enregistrer en PDF"),
                                  PdfPropose(TexteNomme(), Options_), tr("Documents PDF (*.pdf)"));
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
    return ImprimeContenu(service, *Contenu_, NomDuTravail(TexteNomme(), Options_));
}

void TEcran::SignaleEchec(const QString& raison) {
    Dialogues_.Demande(this, raison, QStringLiteral("Florimot"), TDialogues::TIcone::Erreur,
                       TDialogues::TBoutons::Ok);
    Contenu_->FocusEntree();
}

void TEcran::CopierConjugaison1Click() {
    if (!Montre_) return;  // nothing conjugated yet
    TVerbe verbe;
    verbe.DefinitVerbe(Montre_->toStdString());
    const TFaits faits = PrepareVerbe(verbe);
    // Word for word the command line's readable output, one column.
    QGuiApplication::clipboard()->setText(QString::fromStdString(MiseEnPage(
        EnteteLisible(verbe, Options_, faits), ConjugueGrille(verbe, Options_, faits), 0, false)));
}

void TEcran::Ecouter1Click() {
    if (!Voix_->Disponible() || !Montre_) return;
    std::vector<std::string> lignes;
    for (const QString& l : Contenu_->LignesAEcouter()) lignes.push_back(l.toStdString());
    Voix_->Dit(QString::fromStdString(PrepareParole(lignes)));
}

void TEcran::ChoisitLangue(TLangueInterface langue) {
    if (langue == LitLangueInterface()) return;
    EcritLangueInterface(langue);
    // Said in the language chosen, since it is the reader's.
    const bool anglais = InterfaceEnAnglais(langue);
    Dialogues_.Demande(
        this,
        anglais ? QStringLiteral("The window will be in English from the next start.")
                : QStringLiteral("La fenêtre sera en français au prochain démarrage."),
        QStringLiteral("Florimot"), TDialogues::TIcone::Information, TDialogues::TBoutons::Ok);
}

void TEcran::ActiveEcoute() {
    QAction* ecoute = Menus_.Ecouter;
    ecoute->setEnabled(Voix_->Disponible());
    ecoute->setToolTip(Voix_->Disponible()
                           ? tr("Dit la ligne choisie, ou tout le temps, en français (F12)")
                           : Voix_->Raison());
}

// The notes of the English search, said by the presentation in French.
[[maybe_unused]] constexpr const char* NotesAnglaises[] = {
    QT_TRANSLATE_NOOP("Florimot", "mot inconnu, peut-être anglais"),
    QT_TRANSLATE_NOOP("Florimot", "l'anglais n'a qu'un passé : passé composé ou passé simple"),
    QT_TRANSLATE_NOOP("Florimot", "« you » : tu ou vous"),
};

bool TEcran::ProposeAnglais(const QString& texte) {
    const std::vector<TChoixAnglais> choix = RechercheAnglaise(texte.toStdString());
    if (choix.empty()) return false;
    QStringList verbes;
    QStringList temps;
    std::vector<TNoteAnglaise> notes;
    for (const TChoixAnglais& c : choix) {
        const QString v = QString::fromStdString(c.Infinitif);
        if (!verbes.contains(v)) verbes << v;
        for (const TCellule& cellule : Grille)
            if (cellule.Nom == c.Cellule) {
                const QString t = (QString::fromUtf8(cellule.Mode) + u' ' +
                                   QString::fromUtf8(cellule.Temps).toLower());
                if (!temps.contains(t)) temps << t;
            }
        if (c.Note != TNoteAnglaise::Aucune &&
            std::find(notes.begin(), notes.end(), c.Note) == notes.end())
            notes.push_back(c.Note);
    }
    QString phrase = tr("En anglais, « %1 » :").arg(texte);
    if (!temps.isEmpty()) phrase += u' ' + temps.join(QStringLiteral(", "));
    for (TNoteAnglaise n : notes)
        phrase += QStringLiteral(" (") +
                  QCoreApplication::translate("Florimot", TexteNoteAnglaise(n).data()) + u')';
    // A verb chosen is conjugated with the lines the English said selected
    // (she has eaten: elle a mangé, under Féminin).
    Proposition_->Definit(phrase, verbes, [this, choix](const QString& verbe) {
        std::vector<TLigneChoisie> lignes;
        TOptions options = Choisies_;
        for (const TChoixAnglais& c : choix) {
            if (QString::fromStdString(c.Infinitif) != verbe) continue;
            options.Feminin = c.Feminin;
            options.Negation = c.Negation;
            if (const std::optional<TLigneChoisie> l = LigneDuChoix(c)) lignes.push_back(*l);
        }
        // For this verb only, as the options an analysed line sets.
        OptionsDuChoix_ = options;
        Contenu_->DefinitEntree(verbe);
        ConjugueClick();
        if (!Conjugue_) Contenu_->Selectionne(lignes);
    });
    return true;
}

void TEcran::Quitter1Click() {
    // Only a print job running would be lost: nothing else needs asking.
    if (!Imprime_ && (Impression_ == nullptr || !Impression_->EnCours())) {
        GardeReglages();
        Dialogues_.Termine(0);
        return;
    }
    const auto reponse =
        Dialogues_.Demande(this, tr("Êtes-vous sûr de vouloir quitter ?"), tr("Quitter"),
                           TDialogues::TIcone::Question, TDialogues::TBoutons::OuiNon);
    if (reponse != TDialogues::TReponseDialogue::Oui) return;
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
    Dialogues_.Demande(this, TexteAide(), tr("Aide"), TDialogues::TIcone::Information,
                       TDialogues::TBoutons::Ok);
}

void TEcran::GuideTemps1Click() {
    auto* fenetre = new QDialog(this);
    fenetre->setObjectName(QStringLiteral("GuideTemps"));
    fenetre->setWindowTitle(tr("Guide des temps et des options"));
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    auto* pile = new QVBoxLayout(fenetre);
    auto* texte = new QPlainTextEdit(QString::fromStdString(GuideLisible()), fenetre);
    texte->setObjectName(QStringLiteral("TexteGuide"));
    texte->setReadOnly(true);
    texte->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pile->addWidget(texte);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, fenetre);
    connect(boutons, &QDialogButtonBox::rejected, fenetre, &QDialog::close);
    pile->addWidget(boutons);
    fenetre->resize(620, 460);
    fenetre->show();
}

}  // namespace florimot
