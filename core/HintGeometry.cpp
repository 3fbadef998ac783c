#include "core/HintGeometry.h"

#include <cmath>

#include "core/Checked.h"

namespace rytmalo {
namespace {

// sqrt(2) - 1 to ten places, as the bubble has always been drawn.
constexpr double kSqrt2Minus1 = 0.4142135624;

}  // namespace

std::int32_t EllipseMargin(std::int32_t extent) {
    const double margin = static_cast<double>(tk::CheckedSub(extent, 4)) * kSqrt2Minus1 * 0.5;
    // The default rounding mode rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(margin));
}

tk::TRect EnlargeForEllipse(const tk::TRect& text) {
    const std::int32_t dx = EllipseMargin(text.Width());
    const std::int32_t dy = EllipseMargin(text.Height());
    return {tk::CheckedSub(text.Left, dx), tk::CheckedSub(text.Top, dy),
            tk::CheckedAdd(text.Right, dx), tk::CheckedAdd(text.Bottom, dy)};
}

std::int32_t CentredOffset(std::int32_t extent, std::int32_t content) {
    return tk::CheckedSub(extent, content) / 2;
}

}  // namespace rytmalo
