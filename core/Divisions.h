// The page "Valeurs" with every division: the detailed table's values,
// and the double-dotted, quintuplet and septuplet values in musical order,
// each as milliseconds, hertz and samples at the two chosen rates,
// computed from the exact tempo.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/MusicTable.h"
#include "core/ExactTempo.h"
#include "core/Rational.h"
#include "core/SampleRates.h"

namespace rytmalo {

// Within each plain value's group: the plain value, dotted, double-dotted,
// then its triplet, quintuplet and septuplet. The detailed table's rows
// keep their relative order.
inline constexpr std::size_t kDivisionCount = 34;
const std::array<NoteValue, kDivisionCount>& AllDivisions();

// The note values listed: the detailed table's, or every division.
std::span<const NoteValue> ListedValues(bool allDivisions);

// A row's figures, each rounded once to the nearest (halves away from
// zero).
struct DivisionFigures {
    std::int64_t hundredthsOfMs;
    Fixed hertz;                          // to the hundredth, or three significant digits
    std::array<std::int64_t, 2> samples;  // at the first and second rate
};

// Nothing for a tempo outside 10 to 250.
std::optional<DivisionFigures> FiguresOf(const NoteValue& value, ExactTempo tempo, BeatUnit unit,
                                         SampleRates rates);

// How long the value lasts at the tempo; nothing outside 10 to 250.
std::optional<ExactMs> LengthOf(const NoteValue& value, ExactTempo tempo, BeatUnit unit);

}  // namespace rytmalo
