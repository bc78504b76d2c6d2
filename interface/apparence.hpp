// Fonts, colours and pictures shared by the two windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

class QApplication;

namespace florimot {

// The window's plain sans serif at a pixel height (Liberation Sans, which
// keeps the proportions the layout was drawn for; DejaVu Sans if missing).
QFont PoliceTexte(int pixels, bool gras = false);
// The large face of the present participle: a narrow one, so that long
// participles still fit their box.
QFont PoliceParticipe(int pixels);

QIcon IconeApplication();
QPixmap ImageAPropos();

// WCAG contrast ratio between two colours, 1 to 21.
double Contraste(const QColor& a, const QColor& b);
// `fond`, darkened or lightened just enough for `texte` to read on it.
QColor FondLisible(const QColor& texte, const QColor& fond);

// Application-wide settings made before any window is created.
void PrepareApplication(QApplication& application);

}  // namespace florimot
