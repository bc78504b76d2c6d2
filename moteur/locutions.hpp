// Verbal phrases: a verb and the complement that follows it ("faire
// attention", "se rendre compte"), and the pronominal verbs that take y
// ("s'y prendre").
//
// The complements are a fixed list, not free text: a line puts the complement
// after everything the verb carries (ne … pas, the participle, the inverted
// subject), and the participle of a pronominal phrase agrees or not according
// to the phrase (elle s'est rendu compte, elle s'y est prise). Neither can be
// read from the letters of an unknown word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "verbe.hpp"

namespace florimot {

// The longest complement in bytes: a line has room for it.
inline constexpr std::size_t ComplementMax = 16;

// The phrase typed, or null when the list has none.
const TLocution* TrouveLocution(TPronom pronom, std::string_view verbe,
                                std::string_view complement);

// Whether some phrase has this pronoun and verb and a complement after them.
bool PrendComplement(TPronom pronom, std::string_view verbe);

}  // namespace florimot
