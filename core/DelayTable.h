// The calculator's arithmetic: the ten note durations, in whole milliseconds,
// for a tempo and the note value that counts as the beat.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace rytmalo {

// Note values in the order the main window shows them: whole, half, quarter,
// quarter triplet, eighth, eighth triplet, sixteenth, sixteenth triplet,
// thirty-second, sixty-fourth.
inline constexpr std::size_t kDelayCount = 10;
using DelayTable = std::array<std::int32_t, kDelayCount>;

// Beat unit: 2, 4, 8 or 16 (half, quarter, eighth, sixteenth note is the
// beat). Any other value counts as 4.
using BeatUnit = std::uint8_t;

// Tempo 0 has no durations: the result is empty instead of infinities, and
// the caller reports the division by zero. Every other whole tempo gives the
// exact durations truncated toward zero (a negative tempo gives negative
// durations).
std::optional<DelayTable> ComputeDelays(float tempo, BeatUnit unit);

}  // namespace rytmalo
