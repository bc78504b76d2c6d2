// Printing: what the window needs of a printer, kept behind an interface so
// that what the window puts on paper can be checked without paper.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

class QBuffer;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QWidget;

namespace florimot {

class TImpression {
public:
    virtual ~TImpression() = default;

    // The printable area of a page of the printer the next job goes to (of
    // the running one during a job), in device pixels; empty, with Erreur()
    // set, when there is no printer to ask.
    virtual QSize TaillePage() = 0;
    // Starts a job under `nom`. False, with Erreur() set, when it cannot start
    // or when a job is already running.
    virtual bool Commence(const QString& nom) = 0;
    // Draws the part `zone` of `source` (and its children) stretched into
    // `destination` on the current page, at the printer's own resolution:
    // text goes to the printer as text. `source` need not be shown.
    virtual bool Dessine(const QRect& destination, QWidget& source, const QRect& zone) = 0;
    // Ends the current page and starts the next one.
    virtual bool NouvellePage() = 0;
    // Ends the job and hands it to the printer.
    virtual bool Termine() = 0;
    // Drops a job that failed part-way.
    virtual void Abandonne() = 0;
    virtual bool EnCours() const = 0;
    // The printer the user may choose and set up before the next job (in
    // the print dialog); null when there is none to choose, as for a PDF
    // file, or none at all (Erreur() then says why).
    virtual QPrinter* Reglable() { return nullptr; }
    // Whether the last failure was that the machine has no printer to use.
    virtual bool SansImprimante() const { return false; }
    // Whether sheet `numero` (from 1) of the next job is wanted: the user
    // may have asked for some only.
    virtual bool FeuilleVoulue(int /*numero*/) const { return true; }
    // Why the last operation failed, in French, for the user.
    virtual QString Erreur() const = 0;
};

// The real thing: a QPrinter on the system's default printer (the CUPS
// default destination on Linux), or a PDF file when one is named. While it
// starts a job, changes pages and ends a job it lets the application handle
// its pending events, repaints included.
//
// A PDF is made in memory and written out only when whole, through a
// temporary file beside the target renamed over it: Qt's PDF writer drops
// write errors, so on a full disk it would leave a short file behind and
// report success. A failed or dropped job leaves the target as it was.
class TImpressionQt final : public TImpression {
public:
    explicit TImpressionQt(QString fichierPdf = {});
    // On a printer someone else owns and has set up (a preview's).
    explicit TImpressionQt(QPrinter& externe);
    ~TImpressionQt() override;
    TImpressionQt(const TImpressionQt&) = delete;
    TImpressionQt& operator=(const TImpressionQt&) = delete;

    QSize TaillePage() override;
    bool Commence(const QString& nom) override;
    bool Dessine(const QRect& destination, QWidget& source, const QRect& zone) override;
    bool NouvellePage() override;
    bool Termine() override;
    void Abandonne() override;
    bool EnCours() const override;
    bool FeuilleVoulue(int numero) const override;
    QPrinter* Reglable() override { return FichierPdf_.isEmpty() ? Imprimante() : nullptr; }
    bool SansImprimante() const override { return SansImprimante_; }
    QString Erreur() const override { return Erreur_; }

private:
    // The printer of the next job, chosen afresh for each job so that a
    // change of default printer is followed; null, with Erreur_ set, when
    // there is none.
    QPrinter* Imprimante();
    // What the painter draws on: the PDF writer, else the printer.
    QPagedPaintDevice* Appareil() const;
    bool CommencePdf(QPrinter& modele, const QString& nom);
    bool EcritPdf();
    bool Echec(const QString& raison);
    void Libere();

    QString FichierPdf_;
    std::unique_ptr<QPrinter> Imprimante_;
    // A PDF's bytes, and the writer filling them, during a job.
    std::unique_ptr<QBuffer> Tampon_;
    std::unique_ptr<QPdfWriter> Pdf_;
    std::unique_ptr<QPainter> Peintre_;
    QString Erreur_;
    QPrinter* Externe_ = nullptr;
    bool SansImprimante_ = false;
};

}  // namespace florimot
