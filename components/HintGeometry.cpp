#include "components/HintGeometry.h"

#include <cmath>

#include "toolkit/Checked.h"

namespace rytmalo {
namespace {

// sqrt(2) - 1 to ten places, as the bubble has always been drawn.
constexpr double kSqrt2Minus1 = 0.4142135624;

}  // namespace

std::int32_t EdgeRect::Width() const { return tk::CheckedSub(right, left); }
std::int32_t EdgeRect::Height() const { return tk::CheckedSub(bottom, top); }

std::int32_t EllipseMargin(std::int32_t extent) {
    const double margin = static_cast<double>(tk::CheckedSub(extent, 4)) * kSqrt2Minus1 * 0.5;
    // The default rounding mode rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(margin));
}

EdgeRect EnlargeForEllipse(const EdgeRect& text) {
    const std::int32_t dx = EllipseMargin(tk::CheckedSub(text.right, text.left));
    const std::int32_t dy = EllipseMargin(tk::CheckedSub(text.bottom, text.top));
    return {tk::CheckedSub(text.left, dx), tk::CheckedSub(text.top, dy),
            tk::CheckedAdd(text.right, dx), tk::CheckedAdd(text.bottom, dy)};
}

std::int32_t CentredOffset(std::int32_t extent, std::int32_t content) {
    return tk::CheckedSub(extent, content) / 2;
}

}  // namespace rytmalo
