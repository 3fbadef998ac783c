// The detailed view's tests' own rounding, apart from the program's: a / b to the
// nearest integer, an exact half away from zero, by comparing twice the
// remainder with the divisor.
#pragma once

#include <cstdint>

namespace rytmalo::test {

inline std::int64_t Nearest(__int128 a, __int128 b) {
    if (b < 0) a = -a, b = -b;
    const __int128 q = a / b;
    const __int128 r = a % b;
    const __int128 twice = r < 0 ? -2 * r : 2 * r;
    if (twice >= b) return static_cast<std::int64_t>(a < 0 ? q - 1 : q + 1);
    return static_cast<std::int64_t>(q);
}

// Beats in a whole note for a beat unit, as the main window counts them.
inline int Unit(int unit) { return unit == 2 || unit == 8 || unit == 16 ? unit : 4; }

}  // namespace rytmalo::test
