// What the generator and the checker share: a verb's accepted grids and the
// subject a line starts with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"

namespace florimot::detail {

bool EstImperatif(const TCellule& c);
// The person (1 to 6) of a cell's line, from the cell's first; 0 for the
// cells without persons.
int PersonneDuRang(const TCellule& c, std::size_t rang);
// The subject a line of person p starts with, if it does: "que je", "j'",
// "qu'elles"; "" otherwise.
std::string Amorce(std::string_view ligne, int personne, bool feminin);
std::string SansAmorce(std::string_view ligne, std::string_view amorce);

// One verb's lines under the options and the accepted other ones: the
// options' own grid first. No grid for a text that is not a verb.
struct TGrilles {
    std::string Intitule;
    bool Etre = false;
    std::vector<TLignesGrille> Grilles;
};
TGrilles Grilles(std::string_view texte, const TOptions& options);

}  // namespace florimot::detail
