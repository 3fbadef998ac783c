// The page "Mixage", reverb: four sizes whose whole length is a quarter
// note, a half note, one bar and two bars, each split into a pre-delay and
// the decay that follows it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/TimeSignature.h"

namespace rytmalo {

// The pre-delay: by default each size has its own (1/256, 1/128, 1/64 and
// 1/32 of a whole note from the smallest up), or the user picks one for
// all. Stored as its number.
enum class PreDelay : std::uint8_t { BySize, None, Of256, Of128, Of64, Of32, Of16 };
inline constexpr std::uint8_t kPreDelayCount = 7;

// For a stored setting.
constexpr bool IsPreDelay(std::int64_t stored) { return stored >= 0 && stored < kPreDelayCount; }

// The choice as the list shows it: "Selon la taille", "Aucun", "1/256"...
std::wstring_view PreDelayName(PreDelay choice);

struct ReverbRow {
    std::wstring_view name;  // "Petite salle (noire)"...
    std::int64_t preDelayHundredthsOfMs;
    // Nothing when the pre-delay is not shorter than the whole length: no
    // decay is left.
    std::optional<std::int64_t> decayHundredthsOfMs;
    std::int64_t wholeHundredthsOfMs;
};

inline constexpr std::size_t kReverbSizes = 4;

// Nothing for a tempo outside 10 to 250, a signature or a pre-delay that is
// not valid.
std::optional<std::array<ReverbRow, kReverbSizes>> ReverbRows(ExactTempo tempo, BeatUnit unit,
                                                              TimeSignature signature,
                                                              PreDelay preDelay);

}  // namespace rytmalo
