#include "core/Rational.h"

namespace rytmalo {
namespace {

Wide Gcd(Wide a, Wide b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

}  // namespace

std::int64_t RoundedQuotient(Wide num, Wide den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide half = num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
    return static_cast<std::int64_t>(half);
}

Fixed FixedFigure(Wide num, Wide den, int decimals) {
    constexpr int kMostDecimals = 12;
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::int64_t scaled = RoundedQuotient(num * scale, den);
    const bool underOne = (num < 0 ? -num : num) < (den < 0 ? -den : den);
    // Three digits from the first that is not 0: a figure of 100 or more
    // once scaled.
    while (underOne && num != 0 && scaled < 100 && scaled > -100 && decimals < kMostDecimals) {
        ++decimals;
        scale *= 10;
        scaled = RoundedQuotient(num * scale, den);
    }
    return {scaled, decimals};
}

ExactMs Scaled(ExactMs a, std::int64_t num, std::int64_t den) {
    Wide n = Wide{a.num} * num;
    Wide d = Wide{a.den} * den;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const Wide g = Gcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    return {static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
}

int Compare(ExactMs a, ExactMs b) {
    const Wide left = Wide{a.num} * b.den;
    const Wide right = Wide{b.num} * a.den;
    return left < right ? -1 : left > right ? 1 : 0;
}

}  // namespace rytmalo
