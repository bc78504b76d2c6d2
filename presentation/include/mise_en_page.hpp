// The readable text of one grid: what the command line prints and what the
// window copies, so that both read alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "conjugaison.hpp"
#include "entete.hpp"  // EnteteLisible, the header that goes first

namespace florimot {

// Below this many columns the grid is one block under another.
inline constexpr int LargeurMinimaleColonnes = 40;

// `entete` on the first line, then each mode with its tenses. With `largeur`
// of 0 or under LargeurMinimaleColonnes, one tense under another; otherwise as
// many tenses side by side as fit in `largeur` characters, an even count so that
// each simple tense stands beside its compound one, each column as wide
// as its longest line (a line is never cut: fewer columns are taken instead),
// the tenses of a mode kept together in the grid's order. `gras` puts the mode
// and tense captions in ANSI bold. Every line ends with "\n", none with a blank.
std::string MiseEnPage(std::string_view entete, const TLignesGrille& lignes, int largeur,
                       bool gras);

// Characters (UTF-8 code points) in `texte`, which is what a terminal gives a
// line of the grid: the engine writes precomposed letters only.
std::size_t LargeurTexte(std::string_view texte);

}  // namespace florimot
