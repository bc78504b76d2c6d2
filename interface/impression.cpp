#include "impression.hpp"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
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

// Where a file's bytes go, behind links as QSaveFile follows them, to a
// file that is not there yet too.
QString Resolu(const QString& chemin) {
    QFileInfo cible(chemin);
    for (int profondeur = 0; profondeur < 40 && cible.isSymLink(); ++profondeur)
        cible.setFile(cible.symLinkTarget());
    return cible.filePath();
}

}  // namespace

TImpressionQt::TImpressionQt(QString fichierPdf) : FichierPdf_(std::move(fichierPdf)) {}

TImpressionQt::TImpressionQt(QPrinter& externe) : Externe_(&externe) {}

TImpressionQt::~TImpressionQt() {
    if (EnCours()) Abandonne();
}

QPrinter* TImpressionQt::Imprimante() {
    if (Externe_ != nullptr) return Externe_;
    if (Imprimante_) return Imprimante_.get();
    SansImprimante_ = false;
    if (!FichierPdf_.isEmpty()) {
        Imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Imprimante_->setOutputFormat(QPrinter::PdfFormat);
        Imprimante_->setOutputFileName(FichierPdf_);
        return Imprimante_.get();
    }
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull()) {
        SansImprimante_ = true;
        Echec(QPrinterInfo::availablePrinterNames().isEmpty()
                  ? QCoreApplication::translate(
                        "Florimot", "Aucune imprimante n'est installée : impression impossible.")
                  : QCoreApplication::translate("Florimot",
                                                "Aucune imprimante par défaut n'est choisie : "
                                                "impression impossible."));
        return nullptr;
    }
    Imprimante_ = std::make_unique<QPrinter>(defaut, QPrinter::HighResolution);
    if (!Imprimante_->isValid()) {
        Imprimante_.reset();
        Echec(QCoreApplication::translate(
                  "Florimot", "L'imprimante « %1 » n'est pas utilisable : impression impossible.")
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
    if (EnCours())
        return Echec(QCoreApplication::translate("Florimot", "Une impression est déjà en cours."));
    QPrinter* imprimante = Imprimante();
    if (imprimante == nullptr) return false;
    imprimante->setDocName(nom);
    if (!FichierPdf_.isEmpty()) return CommencePdf(*imprimante, nom);
    Peintre_ = std::make_unique<QPainter>();
    if (!Peintre_->begin(imprimante)) {
        Libere();
        return Echec(QCoreApplication::translate(
                         "Florimot", "L'impression ne peut pas commencer sur l'imprimante « %1 ».")
                         .arg(imprimante->printerName()));
    }
    QCoreApplication::processEvents();
    return true;
}

bool TImpressionQt::CommencePdf(QPrinter& modele, const QString& nom) {
    const auto refus = [&](const QString& raison) {
        Libere();
        return Echec(QCoreApplication::translate("Florimot",
                                                 "Le fichier « %1 » ne peut pas être écrit : %2.")
                         .arg(FichierPdf_, raison));
    };
    // A device, a pipe or a folder under that name (a link to one included)
    // is no document: opening a pipe would block, and the rename that puts a
    // finished PDF in place would replace the device itself.
    const QFileInfo cible(FichierPdf_);
    if (cible.exists() && !cible.isFile())
        return refus(QCoreApplication::translate("Florimot", "ce n'est pas un fichier ordinaire"));
    // A file that cannot be written is said before anything is drawn; one
    // not there yet is not made for the try (at the end of a link, it
    // would stay).
    const QFileInfo reel(Resolu(FichierPdf_));
    if (reel.exists()) {
        QFile essai(FichierPdf_);
        if (!essai.open(QIODevice::WriteOnly | QIODevice::Append))
            return refus(essai.errorString());
    } else if (const QFileInfo dossier(reel.absolutePath()); !dossier.isDir()) {
        return refus(QCoreApplication::translate("Florimot", "le dossier « %1 » n'existe pas")
                         .arg(dossier.filePath()));
    } else if (!dossier.isWritable()) {
        return refus(QCoreApplication::translate(
                         "Florimot", "le dossier « %1 » n'accepte pas de nouveau fichier")
                         .arg(dossier.filePath()));
    }
    // The writer takes the page, margins and resolution a printer of PDF
    // files would have: the pages are the same either way.
    Tampon_ = std::make_unique<QBuffer>();
    Tampon_->open(QIODevice::WriteOnly);
    Pdf_ = std::make_unique<QPdfWriter>(Tampon_.get());
    Pdf_->setResolution(modele.resolution());
    Pdf_->setPageLayout(modele.pageLayout());
    Pdf_->setTitle(nom);
    Pdf_->setCreator(modele.creator());
    Peintre_ = std::make_unique<QPainter>();
    if (!Peintre_->begin(Pdf_.get()))
        return refus(QCoreApplication::translate("Florimot", "le PDF ne peut pas commencer"));
    QCoreApplication::processEvents();
    return true;
}

bool TImpressionQt::EcritPdf() {
    const QByteArray& octets = Tampon_->data();
    const QFileInfo cible(Resolu(FichierPdf_));
    const bool existait = cible.exists();
    QSaveFile fichier(FichierPdf_);
    // A file one may write in a folder one may not: written in place, its
    // writes checked all the same.
    fichier.setDirectWriteFallback(true);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() &&
        fichier.commit())
        return true;
    // Not committed, the temporary file goes with `fichier`; what a direct
    // write began goes too, unless it was the user's file already.
    const QString raison = fichier.errorString();
    fichier.cancelWriting();
    if (!existait) QFile::remove(cible.filePath());
    return Echec(
        QCoreApplication::translate("Florimot", "Le fichier « %1 » ne peut pas être écrit : %2.")
            .arg(FichierPdf_, raison));
}

QPagedPaintDevice* TImpressionQt::Appareil() const {
    if (Pdf_) return Pdf_.get();
    if (Externe_ != nullptr) return Externe_;
    return Imprimante_.get();
}

bool TImpressionQt::Dessine(const QRect& destination, QWidget& source, const QRect& zone) {
    if (!EnCours())
        return Echec(QCoreApplication::translate("Florimot", "Aucune impression n'est en cours."));
    if (zone.isEmpty() || destination.isEmpty())
        return Echec(
            QCoreApplication::translate("Florimot", "Il n'y a rien à imprimer sur cette page."));
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
    Peintre_->scale(double(dessin.logicalDpiX()) / Appareil()->logicalDpiX(),
                    double(dessin.logicalDpiY()) / Appareil()->logicalDpiY());
    Peintre_->drawPicture(0, 0, dessin);
    Peintre_->restore();
    return true;
}

bool TImpressionQt::NouvellePage() {
    if (!EnCours())
        return Echec(QCoreApplication::translate("Florimot", "Aucune impression n'est en cours."));
    if (!Appareil()->newPage())
        return Echec(QCoreApplication::translate(
            "Florimot", "L'imprimante n'a pas pu passer à la page suivante."));
    QCoreApplication::processEvents();
    return true;
}

bool TImpressionQt::Termine() {
    if (!EnCours())
        return Echec(QCoreApplication::translate("Florimot", "Aucune impression n'est en cours."));
    if (Pdf_) {
        const bool dessine = Peintre_->end();
        const bool ecrit = dessine && EcritPdf();
        Libere();
        if (!dessine)
            return Echec(
                QCoreApplication::translate("Florimot", "L'impression n'a pas pu être achevée."));
        if (!ecrit) return false;
        QCoreApplication::processEvents();
        return true;
    }
    if (Externe_ != nullptr) {
        // Its owner hands it on; nothing was sent to a server from here.
        const bool fini = Peintre_->end();
        Libere();
        return fini || Echec(QStringLiteral("L'impression n'a pas pu être achevée."));
    }
    const bool serveur = Imprimante_->outputFormat() == QPrinter::NativeFormat;
    const QString imprimante = Imprimante_->printerName();
    if (serveur) OublieReponseServeur();
    const bool fini = Peintre_->end() && Imprimante_->printerState() != QPrinter::Error;
    const QString refus = serveur ? RefusServeur() : QString();
    Libere();
    if (!fini)
        return Echec(
            QCoreApplication::translate("Florimot", "L'impression n'a pas pu être achevée."));
    if (!refus.isEmpty())
        return Echec(QCoreApplication::translate("Florimot",
                                                 "L'imprimante « %1 » a refusé l'impression : %2")
                         .arg(imprimante, refus));
    QCoreApplication::processEvents();
    return true;
}

void TImpressionQt::Abandonne() {
    const bool commence = EnCours();
    const bool serveur = commence && !Pdf_ && Externe_ == nullptr &&
                         Imprimante_->outputFormat() == QPrinter::NativeFormat;
    const QString imprimante = serveur ? Imprimante_->printerName() : QString();
    const QString nom = serveur ? Imprimante_->docName() : QString();
    if (Imprimante_ && !Pdf_ && Externe_ == nullptr) Imprimante_->abort();
    if (commence) Peintre_->end();
    Libere();
    // Ending the painter has handed what was drawn to the print server: it
    // is cancelled there before it reaches paper.
    if (serveur) AnnuleTravailRemis(imprimante, nom);
    // A PDF is written only when whole: a dropped one never reached the disk.
}

bool TImpressionQt::EnCours() const {
    return Peintre_ && Peintre_->isActive();
}

bool TImpressionQt::FeuilleVoulue(int numero) const {
    const QPrinter* p = Externe_ != nullptr ? Externe_ : Imprimante_.get();
    if (p == nullptr || p->printRange() != QPrinter::PageRange) return true;
    return numero >= p->fromPage() && numero <= p->toPage();
}

bool TImpressionQt::Echec(const QString& raison) {
    Erreur_ = raison;
    return false;
}

void TImpressionQt::Libere() {
    // The painter works on the printer or the writer, the writer on its
    // buffer: each goes before what it works on.
    Peintre_.reset();
    Pdf_.reset();
    Tampon_.reset();
    Imprimante_.reset();
}

}  // namespace florimot
