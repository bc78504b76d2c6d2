#include "impression.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#ifdef FLORIMOT_CUPS
#include <cups/cups.h>
#endif

namespace florimot {

namespace {

#ifdef FLORIMOT_CUPS
// Qt hands the finished document to the print server when the job ends and
// drops the server's answer: a refused job would pass for a printed one. The
// answer is read back from the CUPS library (its last error is kept per
// thread, and Qt talks to CUPS on this one), after a harmless request that
// clears what an earlier call left there.
void OublieReponseServeur() {
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
}
QString RefusServeur() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return {};
    return QString::fromUtf8(cupsLastErrorString());
}
// Takes back the job just handed to the server under `nom`, if it is still
// waiting or printing: Qt's engines cannot abort, they send what they hold.
void AnnuleTravailRemis(const QString& imprimante, const QString& nom) {
    // A printer instance ("file/instance") prints through its queue.
    const QByteArray file = imprimante.section(u'/', 0, 0).toLocal8Bit();
    cups_job_t* travaux = nullptr;
    const int nombre =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &travaux, file.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
    int dernier = 0;
    for (int i = 0; i < nombre; ++i)
        if (QString::fromLocal8Bit(travaux[i].title) == nom)
            dernier = std::max(dernier, travaux[i].id);
    cupsFreeJobs(nombre, travaux);
    if (dernier > 0) cupsCancelJob2(CUPS_HTTP_DEFAULT, file.constData(), dernier, 0);
}
#else
void OublieReponseServeur() {}
void AnnuleTravailRemis(const QString&, const QString&) {}
QString RefusServeur() {
    return {};
}
#endif

}  // namespace

TImpressionQt::TImpressionQt(QString fichierPdf) : FichierPdf_(std::move(fichierPdf)) {}

TImpressionQt::~TImpressionQt() {
    if (EnCours()) Abandonne();
}

QPrinter* TImpressionQt::Imprimante() {
    if (Imprimante_) return Imprimante_.get();
    if (!FichierPdf_.isEmpty()) {
        Imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Imprimante_->setOutputFormat(QPrinter::PdfFormat);
        Imprimante_->setOutputFileName(FichierPdf_);
        return Imprimante_.get();
    }
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull()) {
        Echec(QPrinterInfo::availablePrinterNames().isEmpty()
                  ? QStringLiteral("Aucune imprimante n'est installée : impression impossible.")
                  : QStringLiteral("Aucune imprimante par défaut n'est choisie : "
                                   "impression impossible."));
        return nullptr;
    }
    Imprimante_ = std::make_unique<QPrinter>(defaut, QPrinter::HighResolution);
    if (!Imprimante_->isValid()) {
        Imprimante_.reset();
        Echec(QStringLiteral("L'imprimante « %1 » n'est pas utilisable : impression impossible.")
                  .arg(defaut.printerName()));
        return nullptr;
    }
    return Imprimante_.get();
}

QSize TImpressionQt::TaillePage() {
    QPrinter* imprimante = Imprimante();
    if (imprimante == nullptr) return {};
    // The paint device of a printer is the printable area of the page.
    return {imprimante->width(), imprimante->height()};
}

bool TImpressionQt::Commence(const QString& nom) {
    if (EnCours()) return Echec(QStringLiteral("Une impression est déjà en cours."));
    QPrinter* imprimante = Imprimante();
    if (imprimante == nullptr) return false;
    imprimante->setDocName(nom);
    // The painter would report a file it cannot open on standard error, in
    // English, before we could say it: try the file first.
    if (!FichierPdf_.isEmpty()) {
        QFile essai(FichierPdf_);
        const bool existait = essai.exists();
        if (!essai.open(QIODevice::WriteOnly | QIODevice::Append)) {
            Libere();
            return Echec(QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2.")
                             .arg(FichierPdf_, essai.errorString()));
        }
        essai.close();
        if (!existait) essai.remove();
    }
    Peintre_ = std::make_unique<QPainter>();
    if (!Peintre_->begin(imprimante)) {
        const QString raison =
            FichierPdf_.isEmpty()
                ? QStringLiteral("L'impression ne peut pas commencer sur l'imprimante « %1 ».")
                      .arg(imprimante->printerName())
                : QStringLiteral("Le fichier « %1 » ne peut pas être écrit.").arg(FichierPdf_);
        Libere();
        return Echec(raison);
    }
    QCoreApplication::processEvents();
    return true;
}

bool TImpressionQt::Dessine(const QRect& destination, QWidget& source, const QRect& zone) {
    if (!EnCours()) return Echec(QStringLiteral("Aucune impression n'est en cours."));
    if (zone.isEmpty() || destination.isEmpty())
        return Echec(QStringLiteral("Il n'y a rien à imprimer sur cette page."));
    // The widgets are recorded as drawing commands, then played onto the page
    // through a scaling painter: text stays text, lines stay lines, sharp at
    // any resolution. (Rendered straight onto a printer, a widget would be
    // turned into a picture first.)
    QPicture dessin;
    {
        QPainter enregistreur(&dessin);
        source.render(&enregistreur, QPoint(0, 0), QRegion(zone),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    Peintre_->save();
    Peintre_->translate(destination.topLeft());
    Peintre_->scale(double(destination.width()) / zone.width(),
                    double(destination.height()) / zone.height());
    Peintre_->setClipRect(QRect(QPoint(0, 0), zone.size()));
    // A picture played on a device of another resolution is scaled to it:
    // the scale above already does that.
    Peintre_->scale(double(dessin.logicalDpiX()) / Imprimante_->logicalDpiX(),
                    double(dessin.logicalDpiY()) / Imprimante_->logicalDpiY());
    Peintre_->drawPicture(0, 0, dessin);
    Peintre_->restore();
    return true;
}

bool TImpressionQt::NouvellePage() {
    if (!EnCours()) return Echec(QStringLiteral("Aucune impression n'est en cours."));
    if (!Imprimante_->newPage())
        return Echec(QStringLiteral("L'imprimante n'a pas pu passer à la page suivante."));
    QCoreApplication::processEvents();
    return true;
}

bool TImpressionQt::Termine() {
    if (!EnCours()) return Echec(QStringLiteral("Aucune impression n'est en cours."));
    const bool serveur = Imprimante_->outputFormat() == QPrinter::NativeFormat;
    const QString imprimante = Imprimante_->printerName();
    if (serveur) OublieReponseServeur();
    const bool fini = Peintre_->end() && Imprimante_->printerState() != QPrinter::Error;
    const QString refus = serveur ? RefusServeur() : QString();
    const QString fichier = FichierPdf_;
    Libere();
    if (!fini) {
        if (!fichier.isEmpty()) QFile::remove(fichier);
        return Echec(QStringLiteral("L'impression n'a pas pu être achevée."));
    }
    if (!refus.isEmpty())
        return Echec(QStringLiteral("L'imprimante « %1 » a refusé l'impression : %2")
                         .arg(imprimante, refus));
    QCoreApplication::processEvents();
    return true;
}

void TImpressionQt::Abandonne() {
    const bool commence = EnCours();
    const bool serveur = commence && Imprimante_->outputFormat() == QPrinter::NativeFormat;
    const QString imprimante = serveur ? Imprimante_->printerName() : QString();
    const QString nom = serveur ? Imprimante_->docName() : QString();
    if (Imprimante_) Imprimante_->abort();
    if (commence) Peintre_->end();
    Libere();
    // Ending the painter has handed what was drawn to the print server: it
    // is cancelled there before it reaches paper.
    if (serveur) AnnuleTravailRemis(imprimante, nom);
    // Half a document is worth nothing: it does not stay behind either.
    if (!FichierPdf_.isEmpty()) QFile::remove(FichierPdf_);
}

bool TImpressionQt::EnCours() const {
    return Peintre_ && Peintre_->isActive();
}

bool TImpressionQt::Echec(const QString& raison) {
    Erreur_ = raison;
    return false;
}

void TImpressionQt::Libere() {
    // The painter works on the printer: it goes first.
    Peintre_.reset();
    Imprimante_.reset();
}

}  // namespace florimot
