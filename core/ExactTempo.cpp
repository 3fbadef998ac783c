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

TempoStep Halved(ExactTempo tempo) {
    const std::int64_t halved = RoundedQuotient(tempo, 2);
    return {static_cast<ExactTempo>(halved), IsTempoInRange(halved)};
}

}  // namespace rytmalo
