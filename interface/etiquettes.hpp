// The labels of the window: how they are made, coloured and broken in lines.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <string_view>

class QFont;
class QLabel;
class QPalette;
class QWidget;

namespace florimot {

// The engine's UTF-8 text as Qt holds it.
inline QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A label of plain text named `nom`, at `position`, as large as its text.
QLabel* CreeEtiquette(QWidget* parent, const char* nom, const QString& texte, QPoint position,
                      const QFont& police);

// Between the text's colour and the window's, as faded as it can be while
// still reading at 4.5:1.
QColor TexteDiscret(const QPalette& palette);

// `texte` on one line when it fits `largeur`, else on two, broken after the
// strongest stop that lets both fit (a dash, a semicolon, a colon, a comma,
// a blank), each line cut with an ellipsis if none does; the whole text is
// then readable under the pointer.
void EcritSurDeuxLignes(QLabel* etiquette, const QString& texte, int largeur);

// `texte` broken at the comma nearest its middle ("féminin, négation,\nvoix
// passive"); unchanged without a comma.
QString CoupeALaVirgule(QString texte);

}  // namespace florimot
