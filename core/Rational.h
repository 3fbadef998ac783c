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

// A figure as a page writes it: scaled / 10^decimals.
struct Fixed {
    std::int64_t scaled;
    int decimals;
    bool operator==(const Fixed&) const = default;
};

// num / den rounded once, to the nearest (halves away from zero), with that
// many decimals; a figure under 1 with as many more (12 at most) as give it
// three significant digits, so that a slow rate (0.0278 Hz) is not rounded
// to nothing. 0 keeps its decimals. den must not be 0; the figure must fit
// in 64 bits.
Fixed FixedFigure(Wide num, Wide den, int decimals);

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
