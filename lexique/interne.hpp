// What the two halves of the lexicon share and the front ends need not see.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexique.hpp"

namespace florimot::lexique {

// Longest form worth looking up, in letters: the engine keeps 24 letters of
// an infinitive, and no ending adds more than a few.
inline constexpr std::size_t LettresMax = 40;

// The word as the grids spell it: the engine's NormaliseSaisie (accents
// composed, lower case, ’ read as '), blanks around it dropped. Nothing for
// text that is not valid UTF-8, that is empty, that holds more than one word,
// or that is longer than LettresMax letters.
std::optional<std::string> Normalise(std::string_view texte);

// The infinitives whose letters could give `forme`: every head of the form
// followed by every infinitive ending the engine's models key on. Deduped,
// never longer than the engine keeps; whether they are verbs is not checked.
std::vector<std::string> InfinitifsPossibles(std::string_view forme);

// The readings whose form is the grid's first person with its final e
// turned é or è before an inverted je: "eussé" (eussé-je) for "eusse".
std::vector<TLecture> LecturesInversees(const LignesGrille& lignes, std::string_view forme);

// The grid a form is read in: the verb's own facts applied (il neige has no
// je), its pronoun not written, so that a simple line is its subject and
// its verb alone.
LignesGrille GrilleLue(const TVerbe& verbe, const TOptions& options = {});

// The past participles the grids with the féminin and passif options show
// ("allée", "prises"), beyond the default grid's.
std::vector<std::string> ParticipesAccordes(const TVerbe& verbe);
bool ParticipeAccorde(const std::vector<std::string>& participes, std::string_view forme);

// Where a reading's cell stands in the grid, the past participle last.
int RangCellule(std::string_view cellule);

}  // namespace florimot::lexique
