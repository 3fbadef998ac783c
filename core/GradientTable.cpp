#include "core/GradientTable.h"

#include <cmath>
#include <cstdint>

#include "core/Checked.h"

namespace rytmalo {
namespace {

// Nearest integer, halves to even: the rounding of the default floating-point
// environment.
std::int32_t RoundHalfEven(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

std::uint8_t Component(tk::Color color, int shift) {
    return static_cast<std::uint8_t>((color >> shift) & 0xFFu);
}

}  // namespace

void FillGradientTable(GradientColorTable& table, tk::Color base, int count) {
    if (count < kMinGradientColors || count > kMaxGradientColors) throw tk::ERangeError();
    const double steps = count - 1;
    const double red = Component(base, 0) / steps;
    const double green = Component(base, 8) / steps;
    const double blue = Component(base, 16) / steps;
    for (int k = 0; k < count; ++k) {
        // k times an increment of at most 255 / (count - 1) never passes 255.
        tk::CheckedAt(table, static_cast<std::size_t>(k)) =
            tk::Rgb(static_cast<std::uint8_t>(RoundHalfEven(k * red)),
                    static_cast<std::uint8_t>(RoundHalfEven(k * green)),
                    static_cast<std::uint8_t>(RoundHalfEven(k * blue)));
    }
}

ColumnSpan GradientBand(int width, int count, int index) {
    if (count <= 0 || index < 0 || index >= count) throw tk::ERangeError();
    const double band = static_cast<double>(width) / count;
    return {RoundHalfEven(band * index), RoundHalfEven(band * tk::CheckedAdd(index, 1))};
}

}  // namespace rytmalo
