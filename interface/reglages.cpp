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

struct CleOption {
    QString Cle;
    bool TOptions::*Option;
};

const CleOption Cles[] = {
    {QStringLiteral("options/feminin"), &TOptions::Feminin},
    {QStringLiteral("options/negation"), &TOptions::Negation},
    {QStringLiteral("options/interrogation"), &TOptions::Interrogation},
    {QStringLiteral("options/passif"), &TOptions::Passif},
    {QStringLiteral("options/rectifiee"), &TOptions::Rectifiee},
    {QStringLiteral("options/variante"), &TOptions::Variante},
};

}  // namespace

TReglages LitReglages() {
    const QSettings reglages = Reglages();
    TReglages lus;
    lus.Cadre = reglages.value(QStringLiteral("fenetre/cadre")).toRect();
    lus.Agrandie = reglages.value(QStringLiteral("fenetre/agrandie"), false).toBool();
    for (const auto& [cle, option] : Cles)
        lus.Options.*option = reglages.value(cle, false).toBool();
    return lus;
}

void EcritReglages(const TReglages& reglages) {
    QSettings ecrits = Reglages();
    ecrits.setValue(QStringLiteral("fenetre/cadre"), reglages.Cadre);
    ecrits.setValue(QStringLiteral("fenetre/agrandie"), reglages.Agrandie);
    for (const auto& [cle, option] : Cles) ecrits.setValue(cle, reglages.Options.*option);
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
