// The table generated at build time from the dictionary (genere_table.cpp).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "hachage.hpp"

namespace florimot::faits {

// The infinitives end to end in byte order, each one as its length (one
// byte), its marks (one byte) and its letters: one entry is one read.
extern const std::span<const char> Entrees;

// An open-addressing hash table over them, a power of two long: the offset
// + 1 in Entrees of the infinitive whose hash lands there (or after, by
// linear probing), 0 for none. A verb is looked up for every text
// conjugated: a probe or two, then its entry, cost less than the dozen
// string comparisons of a search by halves, and plain offsets need no
// relocation at start-up.
extern const std::span<const std::uint32_t> Alveoles;

using florimot::Hache;

inline constexpr std::uint8_t MarqueTransitif = 1;       // a direct object, hence a passive
inline constexpr std::uint8_t MarquePronominal = 2;      // never without its pronoun
inline constexpr std::uint8_t MarqueReciproque = 4;      // pronominal, in the plural alone
inline constexpr std::uint8_t MarquePeutPronominal = 8;  // has a pronominal use

}  // namespace florimot::faits
