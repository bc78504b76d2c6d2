// FNV-1a, the one hash of the tables generated at build time: each generator
// and its reader must hash alike, so both take it from here.
#pragma once

#include <cstdint>
#include <string_view>

namespace florimot {

// `debut`: the hash of the text `mot` follows, so that
// Hache(b, Hache(a)) == Hache(a + b).
constexpr std::uint32_t Hache(std::string_view mot, std::uint32_t debut = 2166136261u) {
    std::uint32_t h = debut;
    for (const char c : mot) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

}  // namespace florimot
