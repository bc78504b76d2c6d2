// The table generated at build time from the dictionary (genere_table.cpp).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace florimot::faits {

// The infinitives in byte order, and each one's marks at the same index.
extern const std::span<const std::string_view> Infinitifs;
extern const std::span<const std::uint8_t> Marques;

inline constexpr std::uint8_t MarqueTransitif = 1;   // a direct object, hence a passive
inline constexpr std::uint8_t MarquePronominal = 2;  // never without its pronoun
inline constexpr std::uint8_t MarqueReciproque = 4;  // pronominal, in the plural alone

}  // namespace florimot::faits
