// The tempos the calculator takes from the user: 10 to 250 beats per minute.
#pragma once

#include <cstdint>

namespace rytmalo {

inline constexpr std::int32_t kMinTempo = 10;
inline constexpr std::int32_t kMaxTempo = 250;

constexpr bool InTempoRange(std::int64_t tempo) { return tempo >= kMinTempo && tempo <= kMaxTempo; }

}  // namespace rytmalo
