// The lists the lines of a tense show in.
#pragma once

#include <QtCore/qnamespace.h>

class QListWidget;
class QListWidgetItem;
class QString;
class QWidget;

namespace florimot {

// Lines of the lists are this high whatever the style would choose.
inline constexpr int HauteurLigne = 13;

// A list of a tense, named `nom`: its lines 13 pixels high, cut with an
// ellipsis rather than scrolled sideways; several can be selected, and
// Ctrl+C copies them all, one a line, in the list's order.
QListWidget* CreeListeTemps(const QString& nom, QWidget* parent);

// Where a line keeps what is said of it under the pointer beside its text
// (why its participle agrees), as a QString; none for most lines.
inline constexpr int RoleRaison = Qt::UserRole + 1;

// A line too long for its list is cut with an ellipsis; the whole line is
// then its tooltip. To be called again whenever the list's width or lines
// change.
void MarqueCoupures(QListWidget* liste);

// What the pointer shows over a line: its tooltip, then its RoleRaison.
QString BulleLigne(const QListWidgetItem* ligne);

// The width `liste` needs to show its longest line whole.
int LargeurVoulue(const QListWidget* liste);

}  // namespace florimot
