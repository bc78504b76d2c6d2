// How a message quotes a text it was given: a pasted page is named by its
// first letters, not copied whole (into standard error, or into a tooltip
// that would take seconds to lay out).
#pragma once

#include <cstddef>
#include <string>

namespace florimot {

// The first 60 bytes of the UTF-8 `texte`, never cutting a letter's bytes,
// then "…"; a text hardly longer is quoted whole.
inline std::string DebutCite(const std::string& texte) {
    constexpr std::size_t Octets = 60;
    if (texte.size() <= Octets + 4) return texte;
    std::size_t fin = Octets;
    while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80) --fin;
    return texte.substr(0, fin) + "…";
}

}  // namespace florimot
