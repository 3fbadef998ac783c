// The detailed table of note values: the ten values of the main window, the
// dotted ones and the whole- and half-note triplets, each as milliseconds,
// hertz and samples, computed from the tempo and the beat unit as exact
// fractions and rounded only when shown. No window needed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/DelayTable.h"

namespace rytmalo {

// A note value's length in quarter notes, as a fraction.
struct NoteValue {
    std::wstring_view name;
    std::int64_t quarters;  // numerator
    std::int64_t per;       // denominator
};

// The rows in musical order: each plain value, then its dotted value, then
// its triplet (whole note to sixteenth). Every list of note values names them one way: "Croche",
// "Croche pointée", "Croche doublement pointée", "Triolet de croches",
// "Quintolet de doubles croches"; the main window's panel has its own.
inline constexpr std::size_t kTableRows = 19;
const std::array<NoteValue, kTableRows>& NoteValues();

// Sample rates of the table's last two columns.
inline constexpr std::int64_t kSampleRates[] = {44100, 48000};

// One row's figures, each rounded to the nearest (halves away from zero).
struct RowFigures {
    std::int64_t hundredthsOfMs;  // milliseconds x 100
    std::int64_t hundredthsOfHz;  // hertz x 100
    std::int64_t samples44k;
    std::int64_t samples48k;
};

// The figures of a row at a whole tempo (beats per minute) with the beat
// unit (2, 4, 8 or 16; any other counts as 4). Nothing at tempo 0.
std::optional<RowFigures> FiguresOf(const NoteValue& value, std::int32_t tempo, BeatUnit unit);

// The tempo, in tenths of a beat per minute rounded to the nearest, at
// which the value lasts the delay (milliseconds x 1000, so that a typed
// delay is exact to the microsecond). Nothing for a delay of 0 or less.
std::optional<std::int64_t> TenthsOfTempoFor(const NoteValue& value, std::int64_t microseconds,
                                             BeatUnit unit);

// A note value that lasts a delay at a tempo the calculator takes: the
// tempo in tenths, and the whole tempo nearest to it (halves up), which is
// the one computed when the user chooses it.
struct TempoOfDelay {
    std::wstring_view name;
    std::int64_t tenths;
    std::int32_t whole;
};
// Every row's tempo for the delay, in the table's order, those from 10.0
// to 250.0 only.
std::vector<TempoOfDelay> TemposOfDelay(std::int64_t microseconds, BeatUnit unit);

}  // namespace rytmalo
