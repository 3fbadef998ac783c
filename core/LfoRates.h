// The page "Boucles": the rate of an LFO synced to the bar, for periods of
// 1/16 bar to 16 bars, plain, dotted and in triplets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/Rational.h"
#include "core/TimeSignature.h"

namespace rytmalo {

// A period of bars / per bars.
struct LfoPeriod {
    std::wstring_view name;  // "1/16 de mesure pointé", "2 mesures en triolet"
    std::int32_t bars;
    std::int32_t per;
};

// From the shortest plain period to the longest, each followed by its
// dotted value (3/2 of it) and its triplet (2/3 of it), as the page
// "Valeurs" lists a value, its dotted value and its triplet. A fraction of
// a bar is named "1/16 de mesure" (a sixteenth of a bar: "pointé"), half a
// bar "1/2 mesure" (a half bar: "pointée"), bars "1 mesure", "2 mesures".
inline constexpr std::size_t kLfoPeriodCount = 27;
const std::array<LfoPeriod, kLfoPeriodCount>& LfoPeriods();

struct LfoFigures {
    // 1000 / period in ms, to the hundredth, below 1 Hz to three
    // significant digits (core/Duration's Hertz).
    Fixed hertz;
    // per / bars, to the thousandth, below 1 to three significant digits:
    // 10,667 for a dotted sixteenth of a bar, 0,0625 for 16 bars.
    Fixed cyclesPerBar;
};

// The beat is a 1/unit note; a bar of num/den lasts num/den whole notes.
// Nothing for a tempo outside 10 to 250 or a signature that is not valid.
std::optional<LfoFigures> LfoAt(const LfoPeriod& period, ExactTempo tempo, BeatUnit unit,
                                TimeSignature signature);

}  // namespace rytmalo
