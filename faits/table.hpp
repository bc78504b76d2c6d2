// The table generated at build time from the dictionary (genere_table.cpp).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

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

// FNV-1a: the generator and the look-up must hash alike.
constexpr std::uint32_t Hache(std::string_view mot) {
    std::uint32_t h = 2166136261u;
    for (const char c : mot) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

inline constexpr std::uint8_t MarqueTransitif = 1;       // a direct object, hence a passive
inline constexpr std::uint8_t MarquePronominal = 2;      // never without its pronoun
inline constexpr std::uint8_t MarqueReciproque = 4;      // pronominal, in the plural alone
inline constexpr std::uint8_t MarquePeutPronominal = 8;  // has a pronominal use

}  // namespace florimot::faits
