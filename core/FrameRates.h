// The page "Image": how many frames of film or video a beat and a bar
// last at the usual picture rates, and the film click for each.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/TimeSignature.h"

namespace rytmalo {

// Frames per second, num / den.
struct FrameRate {
    std::int64_t num;
    std::int64_t den;
    std::int32_t shownThousandths;  // as the page names it: 23976 for "23,976"
};

// In ascending order. 23.976, 29.97, 47.952, 59.94 and 119.88 are the
// video rates 24000/1001, 30000/1001, 48000/1001, 60000/1001 and
// 120000/1001 exactly: computed with the rounded names, a click drifts by a
// frame every few minutes.
inline constexpr std::size_t kFrameRateCount = 11;
inline constexpr std::array<FrameRate, kFrameRateCount> kFrameRates{{
    {24000, 1001, 23976},
    {24, 1, 24000},
    {25, 1, 25000},
    {30000, 1001, 29970},
    {30, 1, 30000},
    {48000, 1001, 47952},
    {48, 1, 48000},
    {50, 1, 50000},
    {60000, 1001, 59940},
    {60, 1, 60000},
    {120000, 1001, 119880},
}};

struct FrameFigures {
    std::int64_t thousandthsPerBeat;  // frames × 1000
    std::int64_t thousandthsPerBar;
    // The film click: frames per beat to the nearest eighth of a frame,
    // counted in eighths (98 is "12-2").
    std::int64_t clickEighths;
};

// The beat is the main window's unit: frames per beat = fps × 60 / tempo,
// per bar = per beat × numerator × unit / denominator. Each figure is
// rounded once, halves away from zero. Nothing for a tempo outside 10 to
// 250 or a signature that is not valid.
std::optional<FrameFigures> FiguresAt(const FrameRate& rate, ExactTempo tempo, BeatUnit unit,
                                      TimeSignature signature);

}  // namespace rytmalo
