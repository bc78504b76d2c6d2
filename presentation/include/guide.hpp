// A short guide to the tenses, the options and the signs of the grid: what
// each tense is for with an example, what each option does, what « - » and
// « non usité » mean. The help of both front ends, and each tense title's
// tooltip in the window.
#pragma once

#include <string>
#include <string_view>

#include "conjugaison.hpp"

namespace florimot {

// "passé simple : récit écrit, une action passée et achevée — Il ouvrit la
// porte." for PSInd; "" for a cell the guide lacks.
std::string_view GuideDuTemps(const TCellule& cellule);

// What an option does ("" for one the guide lacks).
std::string_view GuideDeLOption(const TDescriptionOption& option);

// The whole guide as text: the tenses mode by mode, the options with
// their keys, the signs.
std::string GuideLisible();

}  // namespace florimot
