// The tempos the calculator takes from the user, 10 to 250 beats per
// minute: the check and the words that say so, for the tempo box, the tap,
// the tempos of a delay and the detailed view alike.
#pragma once

#include <cstdint>
#include <string>

namespace rytmalo {

inline constexpr std::int32_t kMinTempo = 10;
inline constexpr std::int32_t kMaxTempo = 250;

constexpr bool InTempoRange(std::int64_t tempo) { return tempo >= kMinTempo && tempo <= kMaxTempo; }

// The warning of the tempo box when Enter finds a tempo outside the range.
std::wstring TempoRangeWarning();
// "de 10 à 250", as the detailed view words the range.
std::wstring TempoRangeText();

}  // namespace rytmalo
