// conjugue --anglais TEXT: the French verbs and tenses an English text asks
// for, each with its line ("I went": aller, je suis allé and j'allai).
#pragma once

#include <string_view>

#include "ecrivains.hpp"
#include "sorties.hpp"

namespace florimot {

// Writes the choices for `texte` to standard output's buffer, readable or as
// one JSON object (TSV is read as readable). Returns the exit status:
// SortieNonVerbe when nothing was found, with the reason on standard error.
int EcritRechercheAnglaise(std::string_view texte, TFormatSortie format, TSorties& sorties);

}  // namespace florimot
