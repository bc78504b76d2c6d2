#include "fiche_exercices.hpp"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogues.hpp"
#include "impression.hpp"
#include "pages_fiche.hpp"

namespace florimot {

namespace {

// The preview's proportions: an A4 sheet's. The printer's own are used on paper.
constexpr double RapportApercu = 297.0 / 210.0;
constexpr int LargeurApercu = 360;

QString PdfFiche(std::uint64_t graine) {
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
    return QDir(dossier).filePath(QStringLiteral("fiche-%1.pdf").arg(graine));
}

}  // namespace

TFicheExercices::TFicheExercices(TDialogues& dialogues, TImpression* impression, QWidget* parent)
    : QDialog(parent), Dialogues_(dialogues), Impression_(impression) {
    setObjectName(QStringLiteral("FicheExercices"));
    setWindowTitle(tr("Fiche d'exercices"));
    setAccessibleName(tr("Fiche d'exercices"));
    auto* disposition = new QHBoxLayout(this);
    auto* gauche = new QVBoxLayout;
    disposition->addLayout(gauche, 1);

    Choix_ = new TChoixExercices(true, this);
    gauche->addWidget(Choix_);
    Etat_ = new QLabel(this);
    Etat_->setObjectName(QStringLiteral("EtatFiche"));
    Etat_->setWordWrap(true);
    gauche->addWidget(Etat_);
    gauche->addStretch(1);

    auto* boutons = new QDialogButtonBox(this);
    auto* imprimer = boutons->addButton(tr("&Imprimer"), QDialogButtonBox::ActionRole);
    imprimer->setObjectName(QStringLiteral("ImprimerFiche"));
    auto* pdf = boutons->addButton(tr("Enregistrer en P&DF…"), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("PdfFiche"));
    auto* fermer = boutons->addButton(QDialogButtonBox::Close);
    fermer->setText(tr("&Fermer"));
    fermer->setObjectName(QStringLiteral("FermerFiche"));
    for (QPushButton* b : {imprimer, pdf, fermer}) b->setAutoDefault(false);
    gauche->addWidget(boutons);

    auto* defile = new QScrollArea(this);
    defile->setObjectName(QStringLiteral("ApercuFiche"));
    defile->setAccessibleName(tr("Aperçu de la fiche et de son corrigé"));
    defile->setMinimumWidth(LargeurApercu + 40);
    Apercu_ = new QWidget(defile);
    Pages_ = new QVBoxLayout(Apercu_);
    defile->setWidget(Apercu_);
    defile->setWidgetResizable(true);
    disposition->addWidget(defile);

    Attente_ = new QTimer(this);
    Attente_->setSingleShot(true);
    Attente_->setInterval(250);
    connect(Attente_, &QTimer::timeout, this, &TFicheExercices::MetAJour);
    connect(Choix_, &TChoixExercices::Change, Attente_, qOverload<>(&QTimer::start));
    connect(imprimer, &QPushButton::clicked, this, &TFicheExercices::Imprime);
    connect(pdf, &QPushButton::clicked, this, &TFicheExercices::EnregistrePdf);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);

    Choix_->Applique(LitReglagesExercices());
    MetAJour();
    resize(1060, 680);
}

TFiche TFicheExercices::Fiche() const {
    const TReglagesExercices r = Choix_->Reglages();
    TChoixFiche choix = r.Choix;
    choix.Verbes = VerbesChoisis(r);
    return GenereFiche(choix);
}

void TFicheExercices::MetAJour() {
    while (QLayoutItem* item = Pages_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const TFiche fiche = Fiche();
    const qsizetype n = static_cast<qsizetype>(fiche.Items.size());
    QString etat = n == 0   ? tr("Aucun item : choisissez des verbes et des temps qui en donnent.")
                   : n == 1 ? tr("1 item")
                            : tr("%1 items").arg(n);
    if (!fiche.Refuses.empty()) {
        QStringList refuses;
        for (const std::string& r : fiche.Refuses) refuses << QString::fromStdString(r);
        etat += tr(" ; pas des verbes : %1").arg(refuses.join(QStringLiteral(", ")));
    }
    Etat_->setText(etat);
    const auto pages = PagesFiche(fiche, RapportApercu, font());
    PagesApercu_ = static_cast<int>(pages.size());
    for (const auto& page : pages) {
        QImage image(page->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        page->render(&image);
        auto* l = new QLabel(Apercu_);
        l->setPixmap(
            QPixmap::fromImage(image.scaledToWidth(LargeurApercu, Qt::SmoothTransformation)));
        l->setFrameShape(QFrame::Box);
        Pages_->addWidget(l);
    }
    Pages_->addStretch(1);
}

bool TFicheExercices::ImprimeSur(TImpression& service) {
    const QScopedValueRollback<bool> enCours(Imprime_, true);
    Garde();
    const TFiche fiche = Fiche();
    if (fiche.Items.empty()) {
        Dialogues_.Demande(this,
                           tr("La fiche n'a aucun item : choisissez des verbes et des temps "
                              "qui en donnent."),
                           QStringLiteral("Florimot"), TDialogues::TIcone::Erreur,
                           TDialogues::TBoutons::Ok);
        return false;
    }
    const QFont police = font();
    const QString nom = tr("Florimot, fiche d'exercices (graine %1)").arg(fiche.Choix.Graine);
    const QString raison = ImprimePages(
        service, nom, [&](double rapport) { return PagesFiche(fiche, rapport, police); });
    if (raison.isEmpty()) return true;
    Dialogues_.Demande(this, raison, QStringLiteral("Florimot"), TDialogues::TIcone::Erreur,
                       TDialogues::TBoutons::Ok);
    return false;
}

void TFicheExercices::Imprime() {
    if (Impression_ == nullptr || Imprime_ || Impression_->EnCours()) return;
    ImprimeSur(*Impression_);
}

void TFicheExercices::EnregistrePdf() {
    if (Imprime_) return;
    QString fichier = Dialogues_.DemandeFichier(this, tr("Enregistrer la fiche en PDF"),
                                                PdfFiche(Choix_->Reglages().Choix.Graine),
                                                tr("Documents PDF (*.pdf)"));
    if (fichier.isEmpty()) return;
    if (!fichier.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fichier += QStringLiteral(".pdf");
    TImpressionQt pdf(fichier);
    ImprimeSur(pdf);
}

void TFicheExercices::Garde() {
    TReglagesExercices r = LitReglagesExercices();
    const bool indulgent = r.Indulgent;
    r = Choix_->Reglages(r);
    r.Indulgent = indulgent;
    EcritReglagesExercices(r);
}

void TFicheExercices::done(int resultat) {
    Garde();
    QDialog::done(resultat);
}

}  // namespace florimot
