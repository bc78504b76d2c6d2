// --temps and --personne: one tense, one person, or the one form they meet at.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ecrivains.hpp"

namespace florimot {

struct TFiltre {
    int Cellule = -1;  // index in Grille; -1 for every tense
    int Personne = 0;  // 1 (je) to 6 (ils); 0 for every person
    // Chosen as elle or elles: the line is the feminine one.
    bool Feminin = false;

    bool Actif() const { return Cellule >= 0 || Personne > 0; }
    // The lines of a grid it keeps, in the grid's order. The impératif's
    // persons are tu, nous and vous; the participle has none.
    std::vector<std::size_t> Lignes() const;
};

// Reads a value of --temps (a cell code, "ImpSubj", or a name,
// "subjonctif-imparfait") or of --personne (1 to 6, or a pronoun) into
// `filtre`. Returns "" when understood, else the message for the user, which
// lists the valid values.
std::string LitTemps(std::string_view valeur, TFiltre& filtre);
std::string LitPersonne(std::string_view valeur, TFiltre& filtre);
// "" when the tense has the person, else why not ("l'impératif n'a que …").
std::string VerifieFiltre(const TFiltre& filtre);

// The writer for `format` showing only what `filtre` keeps: the TSV lines
// and JSON cells of the full output, unchanged, for the kept forms; readable,
// the form alone, a tense's lines, or one person's line of each tense under
// its caption; `pourquoi`, each line followed by why its participle agrees.
std::unique_ptr<TEcrivain> CreeEcrivainFiltre(TFormatSortie format, TTamponSortie& sortie,
                                              const TOptions& options, const TFiltre& filtre,
                                              int formatJson = 1,
                                              const TTraitsDemandes& traits = {},
                                              bool pourquoi = false);

}  // namespace florimot
