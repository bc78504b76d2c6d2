// A print job: the window's three pages, each laid out for the sheet and
// drawn over all of it, on a printer or into a PDF.
#pragma once

#include <QString>

#include "conjugaison.hpp"

namespace florimot {

class TContenu;
class TImpression;

// Prints the pages of `contenu` on `service` as the job `nom`; "" when all
// went well, else why not, for the user. The pages are drawn from a copy of
// the content made at once: the window stays as the user has it, and nothing
// done in it while the printer lets events through changes what is printed.
QString ImprimeContenu(TImpression& service, const TContenu& contenu, const QString& nom);

// The job's name for the verb `texte` (as the entry reads it) under
// `options`: "Florimot du verbe aimer (négation)".
QString NomDuTravail(const QString& texte, const TOptions& options);

// The PDF offered for the verb `texte` under `options`: "aimer.pdf",
// "s'asseoir (féminin, négation).pdf", in the user's documents, or home
// when there are none.
QString PdfPropose(const QString& texte, const TOptions& options = {});

}  // namespace florimot
