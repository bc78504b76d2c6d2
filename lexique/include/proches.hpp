// "Vouliez-vous dire « accueillir » ?": the verbs the dictionary knows that
// lie a slip of the keyboard away from a verb it does not know.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexique.hpp"

namespace florimot {

// Letters (accents set aside) to add, drop, change or swap to go from one
// word to the other.
std::size_t DistanceEdition(std::string_view a, std::string_view b);

// For an infinitive the engine conjugates but the dictionary does not know
// ("acceuillir"), the infinitives it knows within a slip or two of it, the
// dictionary's best first ("accueillir"); a pronominal text keeps its pronoun
// ("s'acceuillir" gives "s'accueillir"). Empty for a verb the dictionary
// knows, for a word with no close verb ("googler"), or without the dictionary.
std::vector<std::string> VerbesProches(TLexique& lexique, std::string_view infinitif,
                                       std::size_t maximum = 3);

// "Vouliez-vous dire « accueillir » ?", "… « a » ou « b » ?"; "" for none.
std::string PhraseVerbesProches(const std::vector<std::string>& verbes);

}  // namespace florimot
