#include "travail_impression.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QSize>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "contenu.hpp"
#include "faits.hpp"
#include "feuille.hpp"
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

QString PdfPropose(const QString& texte, const TOptions& options) {
    QString mot = Intitule(texte);
    if (!mot.isEmpty() && !options.Aucune())
        mot += QStringLiteral(" (") + QString::fromStdString(DecritOptions(options)) + u')';
    // A name no file system refuses.
    mot.replace(u'/', u'-');
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
    return QDir(dossier).filePath((mot.isEmpty() ? QStringLiteral("florimot") : mot) +
                                  QStringLiteral(".pdf"));
}

QString ImprimeContenu(TImpression& service, const TContenu& contenu, const QString& nom) {
    const QSize page = service.TaillePage();
    if (page.isEmpty()) return Raison(service);
    TContenu copie(TContenu::TUsage::Impression, nullptr);
    copie.DefinitReference(contenu.Reference());
    copie.resize(contenu.Reference());
    copie.CopieDe(contenu);
    // One type size for the whole print: every sheet is laid out at the
    // width the widest of them needs. The whole verb on one sheet when that
    // costs no type size, else the indicatif and subjonctif on the first and
    // the rest under one another on the second.
    const std::vector<PagesFeuille> une{ToutesLesPages}, deux{1u, ToutesLesPages & ~1u};
    const auto largeur = [&](const std::vector<PagesFeuille>& feuilles) {
        int l = 0;
        for (const PagesFeuille f : feuilles) l = std::max(l, copie.LargeurPourFeuille(f, page));
        return l;
    };
    const int largeurUne = largeur(une), largeurDeux = largeur(deux);
    const std::vector<PagesFeuille>& feuilles = largeurUne <= largeurDeux ? une : deux;
    const int commune = std::min(largeurUne, largeurDeux);
    for (const PagesFeuille f : feuilles) {
        // A line less than a dot high is no print.
        const QSize taille = copie.AgencePourFeuille(f, page, commune);
        if (std::int64_t(page.width()) * HauteurLigne < taille.width() ||
            std::int64_t(page.height()) * HauteurLigne < taille.height())
            return QCoreApplication::translate(
                "Florimot", "La page de l'imprimante est trop petite pour y imprimer.");
    }
    const QRect destination(QPoint(0, 0), page);
    const auto dessine = [&](PagesFeuille f) {
        const QSize taille = copie.AgencePourFeuille(f, page, commune);
        return service.Dessine(destination, copie, QRect(QPoint(0, 0), taille));
    };

    // The sheets the user asked for, all when he did not say.
    std::vector<PagesFeuille> voulues;
    for (std::size_t i = 0; i < feuilles.size(); ++i)
        if (service.FeuilleVoulue(int(i) + 1)) voulues.push_back(feuilles[i]);
    if (voulues.empty()) voulues = feuilles;

    if (!service.Commence(nom)) return Raison(service);
    bool reussi = dessine(voulues.front());
    for (std::size_t i = 1; reussi && i < voulues.size(); ++i)
        reussi = service.NouvellePage() && dessine(voulues[i]);
    if (reussi) reussi = service.Termine();
    if (reussi) return {};
    const QString raison = Raison(service);
    if (service.EnCours()) service.Abandonne();
    return raison;
}

}  // namespace florimot
