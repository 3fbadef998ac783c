// How the detailed view words its numbers: the exact tempo, the beat, the
// sample rates.
#pragma once

#include <cstdint>
#include <string>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/NumberFormat.h"
#include "core/TapTempo.h"

namespace rytmalo {

// scaled / 10^decimals with no more decimals than it has: "66,67", "60".
std::wstring TrimmedText(std::int64_t scaled, int decimals, const tk::NumberStyle& style);
// "117,55", "95,4", "120": no more decimals than it has.
std::wstring TempoText(ExactTempo tempo, const tk::NumberStyle& style);
// The note that counts as the beat: "noire", "croche"...
std::wstring BeatName(BeatUnit unit);
// "Tempo 117,55 à la noire".
std::wstring FigureTitle(ExactTempo tempo, BeatUnit unit, const tk::NumberStyle& style);
// The line above the pages: their title, and, when the tempo is not
// whole, the whole tempo the main window's ten delays are for: "Tempo
// 117,55 à la noire — les dix délais du haut sont ceux du tempo 118".
std::wstring TempoLine(ExactTempo tempo, BeatUnit unit, const tk::NumberStyle& style);
// "44,1 kHz", "48 kHz".
std::wstring RateName(std::int32_t rate, const tk::NumberStyle& style);
// "23,976", "24": a picture rate, from its thousandths of frames a second.
std::wstring FrameRateText(std::int32_t thousandths, const tk::NumberStyle& style);

// "Tempo tapé : 119,3 (4 temps, ± 0,1)": a tap's reading to the tenth, as
// the tempo it enters, with the taps counted and the fit's uncertainty.
std::wstring TapText(const TapReading& reading, const tk::NumberStyle& style);

}  // namespace rytmalo
