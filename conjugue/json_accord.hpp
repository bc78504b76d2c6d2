// The JSON's "accord": why each line's past participle agrees or not.
#pragma once

#include <string>

#include "conjugaison.hpp"

namespace florimot {

// {"lignes":{"PCInd":["avoir",…],…},"phrases":{"avoir":"auxiliaire avoir : …"}}:
// for each cell of the whole table that has a past participle, the code of
// each line's reason, null for a line without a form (the other cells are
// left out); then the sentence of each code named.
std::string ObjetAccord(const TVerbe& verbe, const TOptions& options, const TFaits& faits);

}  // namespace florimot
