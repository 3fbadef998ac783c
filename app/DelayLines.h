// The lines of a delay's tempos: for a delay, the tempo at which each note
// value listed lasts it; for a film click, its tempo at each picture rate.
// A line that stands for a tempo enters it when chosen; when no tempo
// within 10 to 250 fits, one line says so and enters nothing. No window
// needed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/NumberFormat.h"
#include "core/Rational.h"

namespace rytmalo {

struct DelayLine {
    std::wstring text;  // "Noire pointée : 120,0"
    std::optional<ExactTempo> tempo;
};

std::vector<DelayLine> NoteLines(ExactMs delay, BeatUnit unit, bool allDivisions,
                                 const tk::NumberStyle& style);
// A click in eighths of a frame ("12-2" is 98).
std::vector<DelayLine> ClickLines(std::int64_t eighths, const tk::NumberStyle& style);

// The widest lines the list can show, which its width is measured on.
std::vector<std::wstring> WidestDelayLines(const tk::NumberStyle& style);

}  // namespace rytmalo
