// The page "Boucles": swung eighths and sixteenths. A swing of 50 % plays
// the pair straight; 66,67 % is the triplet feel, the long note two thirds
// of the pair; 75 % a dotted note and its short one.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/NumberFormat.h"

namespace rytmalo {

// Hundredths of a percent of the pair the long note takes.
inline constexpr std::int32_t kStraightSwing = 5000;
inline constexpr std::int32_t kTripletSwing = 6667;
inline constexpr std::int32_t kHardestSwing = 7500;

constexpr bool IsSwing(std::int64_t swing) {
    return swing >= kStraightSwing && swing <= kHardestSwing;
}

// Hundredths of a millisecond, each rounded once (halves away from zero).
struct SwungPair {
    std::int64_t longNote;
    std::int64_t shortNote;
    // How much later than straight the off-beat falls: long − pair / 2.
    std::int64_t lateness;
    bool operator==(const SwungPair&) const = default;
};

struct SwingFigures {
    SwungPair eighths;     // the pair lasts a quarter note
    SwungPair sixteenths;  // the pair lasts an eighth
};

// The beat is a 1/unit note (core/Duration's BeatsPerWhole). Nothing for a
// swing outside 50 to 75 % or a tempo outside 10 to 250.
std::optional<SwingFigures> SwingAt(std::int32_t swing, ExactTempo tempo, BeatUnit unit);

// A swing the user typed in percent, to the hundredth (the user's decimal
// mark or a full stop); nothing for any other text or outside 50 to 75.
std::optional<std::int32_t> ParseSwing(std::wstring_view text, const tk::NumberStyle& style);

}  // namespace rytmalo
