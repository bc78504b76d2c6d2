// What the window keeps between runs, read and written in this one place
// (QSettings, organisation and application "Florimot").
#pragma once

#include <QByteArray>
#include <QRect>

#include "conjugaison.hpp"

namespace florimot {

struct TReglages {
    // The window's normal geometry (its inside, in screen coordinates);
    // invalid when nothing was kept.
    QRect Cadre;
    bool Agrandie = false;
    // The menu "Options" as it was left.
    TOptions Options;
};

TReglages LitReglages();
void EcritReglages(const TReglages& reglages);

// The window's size, place and state as QWidget::saveGeometry gives them;
// empty when none was kept so (by a version that kept TReglages::Cadre
// only, which is still read then).
QByteArray LitGeometrie();
void EcritGeometrie(const QByteArray& geometrie);

// Whether `cadre` lies whole on one of the screens' available areas, so
// that a window put there can be reached.
bool CadreVisible(const QRect& cadre);

}  // namespace florimot
