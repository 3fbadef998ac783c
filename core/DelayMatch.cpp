#include "core/DelayMatch.h"

#include "core/Divisions.h"
#include "core/Duration.h"

namespace rytmalo {
namespace {

// The larger over the smaller of two lengths, as a fraction ≥ 1.
struct Ratio {
    Wide num;
    Wide den;
};
Ratio Spread(ExactMs a, ExactMs b) {
    const Wide left = Wide{a.num} * b.den;
    const Wide right = Wide{b.num} * a.den;
    return left >= right ? Ratio{left, right} : Ratio{right, left};
}

}  // namespace

// tempo = 60000 × (beats the value lasts) / delay, the value lasting
// unit × quarters / (4 × per) beats.
std::optional<std::int64_t> TenthsOfTempoFor(const NoteValue& value, ExactMs delay, BeatUnit unit) {
    if (delay.num <= 0 || delay.den <= 0) return std::nullopt;
    return RoundedQuotient(Wide{10} * 60000 * BeatsPerWhole(unit) * value.quarters * delay.den,
                           Wide{4} * value.per * delay.num);
}

std::optional<ClosestValue> ClosestValueTo(ExactMs delay, std::span<const NoteValue> values,
                                           ExactTempo tempo, BeatUnit unit) {
    if (delay.num <= 0 || delay.den <= 0 || !IsTempoInRange(tempo)) return std::nullopt;
    std::optional<std::size_t> best;
    Ratio bestSpread{};
    ExactMs bestLength{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ExactMs length = *LengthOf(values[i], tempo, unit);
        const Ratio spread = Spread(delay, length);
        // Each side is below 2^63 (a delay DelayOf accepts, a length at a tempo
        // in range), so the products stay below 2^126.
        if (!best || spread.num * bestSpread.den < bestSpread.num * spread.den) {
            best = i;
            bestSpread = spread;
            bestLength = length;
        }
    }
    if (!best) return std::nullopt;
    // 10000 × (delay − value) / value.
    const Wide difference = Wide{delay.num} * bestLength.den - Wide{bestLength.num} * delay.den;
    return ClosestValue{*best,
                        RoundedQuotient(10000 * difference, Wide{delay.den} * bestLength.num)};
}

}  // namespace rytmalo
