// The JSON writers' output: RapidJSON writing straight into a buffer.
#pragma once

#include <rapidjson/writer.h>

#include <cstddef>

#include "tampon.hpp"

namespace florimot {

// What the JSON writer writes into: standard output's buffer itself. The
// writer asks for room before each value, then writes it byte by byte.
struct TFluxJson {
    using Ch = char;
    TTamponSortie& Tampon;
    void Put(char c) { Tampon += c; }
    void Flush() {}
};
inline void PutReserve(TFluxJson& flux, std::size_t n) {
    flux.Tampon.Reserve(n);
}
inline void PutUnsafe(TFluxJson& flux, char c) {
    flux.Tampon.AjouteReserve(c);
}

}  // namespace florimot
