// Exact arithmetic shared by the detailed view's figures: every length is kept
// as a fraction and rounded once, when it becomes a figure. Products are
// taken on 128 bits so that no intermediate can overflow for any tempo,
// signature, sample rate or delay the pages accept.
#pragma once

#include <cstdint>

namespace rytmalo {

// A GCC and Clang extension, on every target this program builds for.
__extension__ typedef __int128 Wide;

// num / den rounded to the nearest integer, halves away from zero. den must
// not be 0; the quotient must fit in 64 bits (every caller bounds it).
std::int64_t RoundedQuotient(Wide num, Wide den);

// A length in milliseconds, num / den, den > 0.
struct ExactMs {
    std::int64_t num;
    std::int64_t den;
};

// a × (num / den), reduced. Callers keep factors small enough that the
// reduced result fits in 64 bits (see the bounds in Duration.h).
ExactMs Scaled(ExactMs a, std::int64_t num, std::int64_t den);

// -1, 0 or 1 as a is shorter than, as long as or longer than b.
int Compare(ExactMs a, ExactMs b);

}  // namespace rytmalo
