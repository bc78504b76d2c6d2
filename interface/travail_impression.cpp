#include "travail_impression.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QSize>
#include <QStandardPaths>
#include <cstdint>

#include "contenu.hpp"
#include "faits.hpp"
#include "impression.hpp"
#include "liste_temps.hpp"

namespace florimot {

namespace {

QString Raison(const TImpression& service) {
    const QString raison = service.Erreur();
    return raison.isEmpty()
               ? QCoreApplication::translate("Florimot", "L'impression n'a pas pu se faire.")
               : raison;
}

// The verb as it is titled: évanouir is s'évanouir.
QString Intitule(const QString& texte) {
    TVerbe verbe;
    verbe.DefinitVerbe(texte.toStdString());
    PrepareVerbe(verbe);
    return QString::fromStdString(verbe.Intitule()).trimmed();
}

}  // namespace

QString NomDuTravail(const QString& texte, const TOptions& options) {
    if (options.Aucune()) return QStringLiteral("Florimot du verbe ") + texte;
    const QString intitule = Intitule(texte);
    TVerbe verbe;
    verbe.DefinitVerbe(texte.toStdString());
    PrepareVerbe(verbe);
    const std::string decrites = DecritOptions(options, verbe);
    // An auxiliary the verb does not take both of says nothing.
    if (decrites.empty()) return QStringLiteral("Florimot du verbe ") + texte;
    return QStringLiteral("Florimot du verbe ") + intitule + (intitule.isEmpty() ? "" : " ") +
           u'(' + QString::fromStdString(decrites) + u')';
}

QString PdfPropose(const QString& texte) {
    const QString mot = Intitule(texte);
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
    return QDir(dossier).filePath((mot.isEmpty() ? QStringLiteral("florimot") : mot) +
                                  QStringLiteral(".pdf"));
}

QString ImprimeContenu(TImpression& service, const TContenu& contenu, const QString& nom) {
    const QSize page = service.TaillePage();
    if (page.isEmpty()) return Raison(service);
    TContenu copie(TContenu::Usage::Impression, nullptr);
    copie.DefinitReference(contenu.Reference());
    copie.resize(contenu.Reference());
    copie.CopieDe(contenu);
    const QRect destination(QPoint(0, 0), page);
    for (int onglet = 0; onglet < NombrePages; ++onglet) {
        // A line less than a dot high is no print.
        const QSize taille = copie.AgencePourFeuille(onglet, page);
        if (std::int64_t(page.width()) * HauteurLigne < taille.width() ||
            std::int64_t(page.height()) * HauteurLigne < taille.height())
            return QCoreApplication::translate(
                "Florimot", "La page de l'imprimante est trop petite pour y imprimer.");
    }
    const auto dessine = [&](int onglet) {
        const QSize taille = copie.AgencePourFeuille(onglet, page);
        return service.Dessine(destination, copie, QRect(QPoint(0, 0), taille));
    };

    if (!service.Commence(nom)) return Raison(service);
    bool reussi = dessine(0);
    for (int onglet = 1; reussi && onglet < NombrePages; ++onglet)
        reussi = service.NouvellePage() && dessine(onglet);
    if (reussi) reussi = service.Termine();
    if (reussi) return {};
    const QString raison = Raison(service);
    if (service.EnCours()) service.Abandonne();
    return raison;
}

}  // namespace florimot
