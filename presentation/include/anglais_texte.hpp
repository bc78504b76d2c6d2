// What the front ends say, in French, around the English of a verb.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "anglais.hpp"
#include "selection.hpp"

namespace florimot {

// "en anglais : to go, to travel"; "" for no meaning.
std::string LigneGlosses(const std::vector<std::string>& glosses);

// What English leaves open in a choice ("l'anglais n'a qu'un passé : …");
// "" for nothing.
std::string_view TexteNoteAnglaise(TNoteAnglaise note);

// Where a choice's line stands: its cell in GrilleComplete and its row
// there (the impératif's rows are tu, nous, vous); nothing for the verb
// alone or a person the cell lacks.
std::optional<TLigneChoisie> LigneDuChoix(const TChoixAnglais& choix);

// The note under an unknown word that reads as English.
inline constexpr std::string_view MotPeutEtreAnglais = "mot inconnu, peut-être anglais";

}  // namespace florimot
