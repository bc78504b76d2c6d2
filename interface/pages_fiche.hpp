// A worksheet and its key as pages: the same widgets show in the dialog's
// preview and go to the printer or the PDF.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "exercices.hpp"

namespace florimot {

class TImpression;

// The width of a page in the widgets' own pixels; its height follows the
// sheet's proportions.
inline constexpr int LargeurPageFiche = 640;

// The sheet's pages, then the key's, starting on a page of its own; each page
// as high as `rapport` (height over width of the sheet) says, the items that
// do not fit carried over to the next.
std::vector<std::unique_ptr<QWidget>> PagesFiche(const TFiche& fiche, double rapport,
                                                 const QFont& police);

// `police` made `facteur` times larger, whether it is sized in points or in
// pixels.
QFont PoliceEchelle(const QFont& police, double facteur, bool gras);

// The pages of a heading and its entries, one after the other, carried
// over from page to page.
void PagesListe(std::vector<std::unique_ptr<QWidget>>& pages, double rapport, const QFont& police,
                const QString& titre, const QString& sousTitre, const QStringList& entrees);

// Prints the pages `faitPages` makes for the sheet's proportions on
// `service` as the job `nom`; "" when all went well, else why not, for the
// user.
QString ImprimePages(TImpression& service, const QString& nom,
                     const std::function<std::vector<std::unique_ptr<QWidget>>(double)>& pages);

}  // namespace florimot
