// Colour tables of the gradient caption: from black to a caption colour in a
// chosen number of steps, and the columns each step covers when the caption
// is painted band by band. No window needed.
#pragma once

#include <array>

#include "core/Color.h"

namespace rytmalo {

inline constexpr int kMinGradientColors = 8;
inline constexpr int kMaxGradientColors = 256;
inline constexpr int kDefaultGradientColors = 64;

// Colours in the COLORREF layout (red in the low byte).
using GradientColorTable = std::array<tk::Color, kMaxGradientColors>;

// Which of the form's two tables.
enum GradientState { kInactiveGradient = 0, kActiveGradient = 1 };
using GradientTables = std::array<GradientColorTable, 2>;

// Fills entries 0 to count - 1: entry 0 black, entry count - 1 the base
// colour, linear in between, each component rounded to the nearest integer
// (an exact half to the even one). Entries from count on are left as they
// were. A count outside 8 to 256 raises ERangeError.
void FillGradientTable(GradientColorTable& table, tk::Color base, int count);

// Columns [begin, end) of one band when a caption of the given width is
// painted as count bands of equal width; rounding as above, so a band can
// be empty when the caption is narrower than the count.
struct ColumnSpan {
    int begin = 0;
    int end = 0;
    bool operator==(const ColumnSpan&) const = default;
};
ColumnSpan GradientBand(int width, int count, int index);

}  // namespace rytmalo
