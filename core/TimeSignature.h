// The time signature of the pages "Mesures" and "Mixage".
#pragma once

#include <cstdint>
#include <optional>

#include "core/Rational.h"

namespace rytmalo {

struct TimeSignature {
    std::int32_t numerator = 4;    // 1 to 32
    std::int32_t denominator = 4;  // one of kDenominators
    bool operator==(const TimeSignature&) const = default;
};

inline constexpr std::int32_t kDenominators[] = {1, 2, 4, 8, 16, 32};

// For a stored setting.
bool IsValidSignature(TimeSignature signature);

// 6/8, 9/8, 12/8...: the pulse is a dotted value, three counts long.
bool IsCompound(TimeSignature signature);

// How long a bar lasts, a whole note lasting `whole`: numerator × whole /
// denominator. Nothing for a signature that is not valid.
std::optional<ExactMs> BarMs(TimeSignature signature, ExactMs whole);

}  // namespace rytmalo
