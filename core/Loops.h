// The page "Boucles": the tempo at which a loop's length lasts a whole
// number of bars or beats, so that a loop of known length can set the
// tempo.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/DelayTable.h"
#include "core/Rational.h"
#include "core/TimeSignature.h"

namespace rytmalo {

enum class LoopCount : std::uint8_t { Beats, Bars };

struct LoopRow {
    std::int32_t count;  // how many beats or bars the length lasts
    LoopCount kind;
    // Hundredths of a beat per minute, rounded once (halves away from
    // zero); outside 10 to 250 the row is shown marked and cannot be
    // chosen.
    std::int64_t hundredths;
    bool inRange;
};

// 1, 2 and 4 beats, then 1, 2, 4, 8, 16 and 32 bars, as the page
// "Mesures" lists the beat before the bars.
inline constexpr std::size_t kLoopRowCount = 9;

// The beat is a 1/unit note (core/Duration's BeatsPerWhole): a length of
// L ms lasts N beats at 60000 × N / L BPM, and N bars of num/den at
// 60000 × N × num × unit / (den × L). Nothing for a length shorter than a
// microsecond (the shortest typed), longer than a day (kLongestLengthMs)
// or a signature that is not valid.
std::optional<std::array<LoopRow, kLoopRowCount>> LoopRows(ExactMs length, TimeSignature signature,
                                                           BeatUnit unit);

}  // namespace rytmalo
