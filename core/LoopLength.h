// The length of a loop as the user types it on the page "Boucles", in one
// of its units, turned into an exact length.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/NumberFormat.h"
#include "core/Rational.h"
#include "core/SampleRates.h"

namespace rytmalo {

// Stored by number: new units go at the end.
enum class LengthUnit : std::uint8_t {
    Milliseconds,
    Seconds,
    MinutesSeconds,  // "1:23,5"
    SamplesFirst,    // at the first chosen sample rate
    SamplesSecond,   // at the second
};
inline constexpr std::uint8_t kLengthUnitCount = 5;

// For a stored setting.
constexpr bool IsLengthUnit(std::int64_t stored) {
    return stored >= 0 && stored < kLengthUnitCount;
}

// The longest length taken: a day, far beyond any loop, short enough that
// every tempo computed from it stays within 64 bits.
inline constexpr std::int64_t kLongestLengthMs = 86'400'000;

// The longest length in whole units of `unit` (86400000 ms, 86400 s, 1440
// minutes, 24 h of samples at the rate), for the message that refuses a
// length; the shortest taken is anything above 0.
std::int64_t LongestLength(LengthUnit unit, SampleRates rates);

// The length typed in the unit, with the user's decimal mark or a full
// stop: milliseconds to the microsecond, seconds to the millisecond,
// samples whole (more decimals are rounded). In "min:s" the seconds below
// 60 follow the minutes and a colon ("1:23,5"), hours may lead
// ("1:02:03,5", as the page "Mesures" writes its clock), and a number
// alone is seconds ("83,5"), as a clock without minutes. Nothing for any
// other text, for 0, beyond a day, or at a rate that is not positive.
std::optional<ExactMs> ParseLength(std::wstring_view text, LengthUnit unit, SampleRates rates,
                                   const tk::NumberStyle& style);

}  // namespace rytmalo
