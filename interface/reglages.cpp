#include "reglages.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "fichier_reglages.hpp"

namespace florimot {

namespace {

QSettings Reglages() {
    return OuvreReglages();
}

QString Cle(const TDescriptionOption& d) {
    return QString::fromUtf8(d.Reglage.data(), static_cast<qsizetype>(d.Reglage.size()));
}

}  // namespace

TReglages LitReglages() {
    const QSettings reglages = Reglages();
    TReglages lus;
    lus.Cadre = reglages.value(QStringLiteral("fenetre/cadre")).toRect();
    lus.Agrandie = reglages.value(QStringLiteral("fenetre/agrandie"), false).toBool();
    for (const TDescriptionOption& d : DescriptionsOptions)
        Active(lus.Options, d, reglages.value(Cle(d), false).toBool());
    return lus;
}

void EcritReglages(const TReglages& reglages) {
    QSettings ecrits = Reglages();
    ecrits.setValue(QStringLiteral("fenetre/cadre"), reglages.Cadre);
    ecrits.setValue(QStringLiteral("fenetre/agrandie"), reglages.Agrandie);
    for (const TDescriptionOption& d : DescriptionsOptions)
        ecrits.setValue(Cle(d), EstActive(reglages.Options, d));
    ecrits.sync();
    SignaleSiNonEnregistres(ecrits);
}

QByteArray LitGeometrie() {
    return Reglages().value(QStringLiteral("fenetre/geometrie")).toByteArray();
}

void EcritGeometrie(const QByteArray& geometrie) {
    QSettings ecrits = Reglages();
    ecrits.setValue(QStringLiteral("fenetre/geometrie"), geometrie);
    ecrits.sync();
    SignaleSiNonEnregistres(ecrits);
}

bool CadreVisible(const QRect& cadre) {
    if (!cadre.isValid()) return false;
    for (const QScreen* ecran : QGuiApplication::screens())
        if (ecran->availableGeometry().contains(cadre)) return true;
    return false;
}

}  // namespace florimot
