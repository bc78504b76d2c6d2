#include "fichier_reglages.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace florimot {

namespace {

const QString Organisation = QStringLiteral("Florimot");

// Where QSettings keeps the organisation's application on this system;
// computed, since asking a QSettings would read the file at once.
QString CheminReglages() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(Organisation + u'/' + Organisation + QStringLiteral(".conf"));
}

void Dit(const QString& phrase) {
    std::fprintf(stderr, "florimot : %s\n", phrase.toUtf8().constData());
    std::fflush(stderr);
}

// This run's copy, made afresh at each opening: empty, or what the link
// leads to now.
QString Copie(const QString& chemin, bool lue) {
    static QTemporaryDir dossier;
    if (!dossier.isValid()) return {};
    const QString copie = dossier.filePath(QStringLiteral("Florimot.conf"));
    QFile::remove(copie);
    if (lue) QFile::copy(chemin, copie);
    return copie;
}

}  // namespace

QSettings OuvreReglages() {
    const QString chemin = CheminReglages();
    const QFileInfo lien(chemin);
    const bool symbolique = lien.isSymLink();
    // exists() and isFile() are asked of what a link leads to.
    if (!symbolique && (!lien.exists() || lien.isFile()))
        return QSettings(Organisation, Organisation);
    const bool lue = symbolique && lien.isFile();
    static bool dit = false;
    if (!dit) {
        dit = true;
        Dit(lue ? QCoreApplication::translate(
                      "Florimot",
                      "« %1 » est un lien symbolique : les réglages y sont lus, mais "
                      "ne sont pas enregistrés, pour ne rien remplacer à travers lui.")
                      .arg(chemin)
                : QCoreApplication::translate(
                      "Florimot",
                      "« %1 » n'est pas un fichier ordinaire : les réglages n'y sont "
                      "ni lus ni enregistrés.")
                      .arg(chemin));
    }
    const QString copie = Copie(chemin, lue);
    // Without a folder for the copy, a name that cannot be created: the
    // settings then live in memory and are not saved.
    return QSettings(copie.isEmpty() ? QStringLiteral("/dev/null/Florimot.conf") : copie,
                     QSettings::IniFormat);
}

void SignaleSiNonEnregistres(const QSettings& reglages) {
    static bool dit = false;
    if (dit || reglages.status() != QSettings::AccessError) return;
    // This run's own copy is not the user's file: its failure is no news.
    if (reglages.fileName() != CheminReglages()) return;
    dit = true;
    Dit(QCoreApplication::translate(
            "Florimot",
            "les réglages n'ont pas pu être enregistrés dans « %1 » : le fichier garde "
            "les précédents.")
            .arg(reglages.fileName()));
}

}  // namespace florimot
