// The page "Boucles", from the current tempo to another: how much longer
// a loop gets, how much faster it plays, and how far its pitch moves when
// it is resampled (varispeed); and back, the tempo a pitch shift implies.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ExactTempo.h"
#include "core/NumberFormat.h"

namespace rytmalo {

struct TempoChange {
    // The new length over the old, old tempo / new tempo, in ten
    // thousandths: 120 to 126 is 9524 (0,9524).
    std::int64_t lengthRatio;
    // (new − old) / old in hundredths of a percent: 120 to 126 is 500.
    std::int64_t speedPercent;
    // 12 × log2(new / old) in thousandths of a semitone, which are the
    // same figure in tenths of a cent: 120 to 126 is 845 (+0,845
    // semitone, +84,5 cents).
    std::int64_t pitch;
};

// Each figure rounded once, halves away from zero. Nothing for a tempo
// outside 10 to 250.
std::optional<TempoChange> ChangeBetween(ExactTempo from, ExactTempo to);

// A shift in hundredths of a semitone, −2400 to +2400.
inline constexpr std::int32_t kLargestShift = 2400;

// The tempo at which a loop resampled by the shift plays: from × 2^(s/12),
// to the hundredth, exact for whole octaves. Nothing for a shift beyond
// two octaves, or a tempo from or to outside 10 to 250.
std::optional<ExactTempo> TempoShiftedBy(ExactTempo from, std::int32_t shift);

// A shift the user typed in semitones, to the hundredth: a sign (−, - or
// +) may lead; the user's decimal mark or a full stop. Nothing for any
// other text or beyond ±24.
std::optional<std::int32_t> ParseShift(std::wstring_view text, const tk::NumberStyle& style);

}  // namespace rytmalo
