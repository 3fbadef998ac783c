// Note lengths from the exact tempo, and the figures a page shows of a
// length: milliseconds and hertz to the hundredth (slow rates to three
// significant digits), samples, a clock time.
//
// Bounds: a tempo of at least 10 BPM, a beat unit of at most 16 and at most
// 32 bars of 32/1 make the longest length 32 × 32 whole notes of
// 60000 × 16 / 10 ms, about 9.8e7 ms (27 hours); as a fraction its
// numerator stays below 1e11 and its denominator below 1e6, and its samples
// at 192 kHz below 2e10. The products below are taken on 128 bits anyway.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/Rational.h"
#include "core/SampleRates.h"

namespace rytmalo {

// The beat unit as the number of beats in a whole note: 2, 4, 8 or 16; any
// other unit counts as 4.
std::int32_t BeatsPerWhole(BeatUnit unit);

// How long a whole note lasts at the tempo, the beat being a 1/unit note:
// 60000 × unit / tempo ms. Nothing for a tempo outside 10 to 250.
std::optional<ExactMs> WholeNoteMs(ExactTempo tempo, BeatUnit unit);

// A length's figures, each rounded once to the nearest (halves away from
// zero).
std::int64_t HundredthsOfMs(ExactMs length);
std::int64_t WholeMs(ExactMs length);
// The frequency of a length (1000 / ms Hz) to the hundredth, under 1 Hz to
// three significant digits (0.0278); 0 for a length of 0.
Fixed Hertz(ExactMs length);
std::int64_t Samples(ExactMs length, std::int32_t rate);
std::array<std::int64_t, 2> Samples(ExactMs length, SampleRates rates);

// Whole milliseconds as a clock: "m:ss.mmm" ("0:08.000"), from an hour on
// "h:mm:ss.mmm"; a minus sign before a negative time.
std::wstring ClockText(std::int64_t milliseconds);

}  // namespace rytmalo
