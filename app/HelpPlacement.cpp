#include "app/HelpPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace rytmalo {
namespace {

// Screen coordinates are any 32-bit numbers: sums and differences are taken
// in 64 bits, and a place is clamped back into the 32-bit range.
using Wide = std::int64_t;

Wide Right(const tk::Bounds& b) { return Wide{b.left} + b.width; }
Wide Bottom(const tk::Bounds& b) { return Wide{b.top} + b.height; }

int Narrow(Wide value) {
    return static_cast<int>(
        std::clamp<Wide>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The start of an extent inside [low, high): moved back so that it ends by
// high, but never before low.
int Inside(Wide start, Wide extent, Wide low, Wide high) {
    return Narrow(std::max(low, std::min(start, high - extent)));
}

}  // namespace

tk::Bounds PlaceNearPointer(int x, int y, int width, int height, int offset,
                            const tk::Bounds& work) {
    Wide left = Wide{x} + offset;
    Wide top = Wide{y} + offset;
    if (left + width > Right(work)) left = Wide{x} - offset - width;
    if (top + height > Bottom(work)) top = Wide{y} - offset - height;
    return {Inside(left, width, work.left, Right(work)),
            Inside(top, height, work.top, Bottom(work)), width, height};
}

tk::Bounds PlaceBeside(const tk::Bounds& anchor, int width, int height, int gap,
                       const tk::Bounds& work) {
    const Wide roomRight = Right(work) - Right(anchor) - gap;
    const Wide roomLeft = Wide{anchor.left} - gap - work.left;
    Wide left = Right(anchor) + gap;
    if (roomRight < width) {
        if (roomLeft >= width) {
            left = Wide{anchor.left} - gap - width;
        } else if (roomLeft > roomRight) {
            // Fits on neither side: over the anchor's edge where there is
            // more room.
            left = work.left;
        } else {
            left = Right(work) - width;
        }
    }
    return {Inside(left, width, work.left, Right(work)),
            Inside(anchor.top, height, work.top, Bottom(work)), width, height};
}

}  // namespace rytmalo
