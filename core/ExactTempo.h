// The exact tempo: hundredths of a beat per minute, so that a tempo typed
// as "117,55", tapped (one decimal), chosen from the delay list (one
// decimal) or given by a film click (two decimals) keeps its decimals and
// every page is computed from it. The main window still takes the whole
// tempo.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/NumberFormat.h"
#include "core/TempoRange.h"

namespace rytmalo {

// Hundredths of a beat per minute.
using ExactTempo = std::int32_t;

inline constexpr ExactTempo kSlowestTempo = kMinTempo * 100;
inline constexpr ExactTempo kFastestTempo = kMaxTempo * 100;

constexpr bool IsTempoInRange(std::int64_t hundredths) {
    return hundredths >= kSlowestTempo && hundredths <= kFastestTempo;
}

// The whole tempo of the main window: the nearest, halves up (117.50 is 118).
std::int32_t WholeTempo(ExactTempo tempo);

// The tempo the user typed: digits with the user's decimal mark or a full
// stop, at most the tempo range; more decimals than two are rounded.
// Nothing for any other text or a tempo outside 10 to 250.
std::optional<ExactTempo> ParseTempo(std::wstring_view text, const tk::NumberStyle& style);

// A tempo in tenths (a tap rounded to one decimal, a row of the delay list)
// as the exact tempo; nothing outside 10 to 250.
std::optional<ExactTempo> TempoFromTenths(std::int64_t tenths);

// A tapped tempo in beats per minute, kept to one decimal.
std::optional<ExactTempo> TempoFromTap(double bpm);

// The ×2 and ÷2 buttons: the exact tempo doubled or halved (to the nearest
// hundredth, halves up), and whether it stays within 10 to 250.
struct TempoStep {
    ExactTempo tempo;
    bool inRange;
};
TempoStep Doubled(ExactTempo tempo);
TempoStep Halved(ExactTempo tempo);

// A tempo reached with ×2 and ÷2: the tempo they started from and the
// steps taken, so that going back gives back the very tempo however often;
// what is shown and computed is its value to the hundredth (halves up).
class SteppedTempo {
public:
    explicit SteppedTempo(ExactTempo from) : from_(from) {}
    ExactTempo Tempo() const;
    // One step more, up or down; nothing when its tempo leaves 10 to 250.
    std::optional<SteppedTempo> Step(bool up) const;
    bool operator==(const SteppedTempo&) const = default;

private:
    SteppedTempo(ExactTempo from, int steps) : from_(from), steps_(steps) {}
    ExactTempo from_;
    int steps_ = 0;
};

}  // namespace rytmalo
