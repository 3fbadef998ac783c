#include "core/ExactTempo.h"

#include <cmath>

#include "core/Rational.h"

namespace rytmalo {

std::int32_t WholeTempo(ExactTempo tempo) {
    return static_cast<std::int32_t>(RoundedQuotient(tempo, 100));
}

std::optional<ExactTempo> ParseTempo(std::wstring_view text, const tk::NumberStyle& style) {
    const auto hundredths = tk::ParseFixed(text, 2, style, kFastestTempo);
    if (!hundredths || !IsTempoInRange(*hundredths)) return std::nullopt;
    return static_cast<ExactTempo>(*hundredths);
}

std::optional<ExactTempo> TempoFromTenths(std::int64_t tenths) {
    // Checked before multiplying: any 64-bit value may come in.
    if (tenths < kSlowestTempo / 10 || tenths > kFastestTempo / 10) return std::nullopt;
    return static_cast<ExactTempo>(tenths * 10);
}

std::optional<ExactTempo> TempoFromTap(double bpm) {
    // Compared before the conversion, which is undefined out of range (and
    // for NaN, which fails both comparisons).
    const double tenths = std::round(bpm * 10);
    if (!(tenths >= kSlowestTempo / 10 && tenths <= kFastestTempo / 10)) return std::nullopt;
    return TempoFromTenths(static_cast<std::int64_t>(tenths));
}

TempoStep Doubled(ExactTempo tempo) {
    const std::int64_t doubled = std::int64_t{tempo} * 2;
    return {static_cast<ExactTempo>(doubled), IsTempoInRange(doubled)};
}

// Within 10 to 250 a tempo is at most 25 times another: a few steps, each
// far from overflowing.
ExactTempo SteppedTempo::Tempo() const {
    if (steps_ >= 0) return static_cast<ExactTempo>(std::int64_t{from_} << steps_);
    return static_cast<ExactTempo>(RoundedQuotient(from_, std::int64_t{1} << -steps_));
}

std::optional<SteppedTempo> SteppedTempo::Step(bool up) const {
    const SteppedTempo next(from_, steps_ + (up ? 1 : -1));
    if (next.steps_ > 8 || next.steps_ < -8 || !IsTempoInRange(next.Tempo())) return std::nullopt;
    return next;
}

TempoStep Halved(ExactTempo tempo) {
    const std::int64_t halved = RoundedQuotient(tempo, 2);
    return {static_cast<ExactTempo>(halved), IsTempoInRange(halved)};
}

}  // namespace rytmalo
