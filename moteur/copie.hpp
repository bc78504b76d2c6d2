// Forms and pronouns are a few bytes long: a call into the C library for each
// would cost more than the copy itself.
#pragma once

#include <cstdint>
#include <cstring>

namespace florimot {

// Copies n bytes from s to d with at most two loads and two stores when n is
// small; the loads stay within [s, s + n).
inline void CopieCourte(char* d, const char* s, std::size_t n) {
    if (n >= 8) {
        if (n > 16) {
            std::memcpy(d, s, n);
            return;
        }
        std::uint64_t a, b;
        std::memcpy(&a, s, 8);
        std::memcpy(&b, s + n - 8, 8);
        std::memcpy(d, &a, 8);
        std::memcpy(d + n - 8, &b, 8);
    } else if (n >= 4) {
        std::uint32_t a, b;
        std::memcpy(&a, s, 4);
        std::memcpy(&b, s + n - 4, 4);
        std::memcpy(d, &a, 4);
        std::memcpy(d + n - 4, &b, 4);
    } else if (n > 0) {
        d[0] = s[0];
        d[n / 2] = s[n / 2];
        d[n - 1] = s[n - 1];
    }
}

}  // namespace florimot
