// A delay as the user gives it: in milliseconds, in hertz (one repeat
// every 1000 / Hz ms) or in samples at the first or second of the two
// chosen sample rates, turned into an exact length.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/Rational.h"
#include "core/NumberFormat.h"
#include "core/SampleRates.h"

namespace rytmalo {

// Stored by number: the numbers stay what they are. The samples units
// follow the rates chosen for the pages' sample columns.
enum class DelayUnit : std::uint8_t { Milliseconds, Hertz, SamplesFirst, SamplesSecond };
inline constexpr std::uint8_t kDelayUnitCount = 4;

// For a stored setting.
constexpr bool IsDelayUnit(std::int64_t stored) { return stored >= 0 && stored < kDelayUnitCount; }

// How many decimals a typed delay keeps in the unit: three for
// milliseconds (to the microsecond) and hertz, none for samples.
int DelayDecimals(DelayUnit unit);

// The delay of a figure scaled by 10^DelayDecimals(unit), samples counted
// at the rate the unit names among `rates`. Nothing for 0 or less, or
// beyond 10^10 (longer than any length the pages show), or at a rate that
// is not positive.
std::optional<ExactMs> DelayOf(std::int64_t scaled, DelayUnit unit, SampleRates rates);

// The delay the user typed in the unit (the user's decimal mark or a full
// stop; more decimals than the unit keeps are rounded).
std::optional<ExactMs> ParseDelay(std::wstring_view text, DelayUnit unit, SampleRates rates,
                                  const tk::NumberStyle& style);

}  // namespace rytmalo
