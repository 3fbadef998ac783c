// From a delay to note values: the tempo at which each value lasts the
// delay, and the value closest to the delay at the current tempo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/MusicTable.h"
#include "core/ExactTempo.h"
#include "core/Rational.h"

namespace rytmalo {

// The tempo, in tenths of a beat per minute rounded to the nearest, at
// which the value lasts the delay. Nothing for a delay of 0 or less.
std::optional<std::int64_t> TenthsOfTempoFor(const NoteValue& value, ExactMs delay, BeatUnit unit);

struct ClosestValue {
    std::size_t index;  // in the list given
    // How much longer (positive) or shorter the delay is than the value,
    // in hundredths of a percent of the value, rounded once.
    std::int64_t hundredthsOfPercent;
};

// The value of the list whose length at the tempo is closest to the delay.
// Closest by ratio (the larger of delay / value and value / delay is the
// smallest), so that 10 ms off a 20 ms value weighs as much as 1 s off a
// 2 s one; on a tie the earlier value. Nothing for an empty list, a delay of
// 0 or less, or a tempo outside 10 to 250.
std::optional<ClosestValue> ClosestValueTo(ExactMs delay, std::span<const NoteValue> values,
                                           ExactTempo tempo, BeatUnit unit);

}  // namespace rytmalo
