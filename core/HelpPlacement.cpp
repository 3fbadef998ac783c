#include "core/HelpPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace rytmalo {
namespace {

// Screen coordinates are any 32-bit numbers: sums and differences are taken
// in 64 bits, and a place is clamped back into the 32-bit range.
using Wide = std::int64_t;

int Narrow(Wide value) {
    return static_cast<int>(
        std::clamp<Wide>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The start of an extent inside [low, high): moved back so that it ends by
// high, but never before low.
int Inside(Wide start, Wide extent, Wide low, Wide high) {
    return Narrow(std::max(low, std::min(start, high - extent)));
}

// A box of that size at a place: its far edges kept in the 32-bit range.
tk::TRect Box(int left, int top, int width, int height) {
    return {left, top, Narrow(Wide{left} + width), Narrow(Wide{top} + height)};
}

}  // namespace

tk::TRect PlaceNearPointer(int x, int y, int width, int height, int offset, const tk::TRect& work) {
    Wide left = Wide{x} + offset;
    Wide top = Wide{y} + offset;
    if (left + width > work.Right) left = Wide{x} - offset - width;
    if (top + height > work.Bottom) top = Wide{y} - offset - height;
    return Box(Inside(left, width, work.Left, work.Right),
               Inside(top, height, work.Top, work.Bottom), width, height);
}

tk::TRect PlaceBeside(const tk::TRect& anchor, int width, int height, int gap,
                      const tk::TRect& work) {
    const Wide roomRight = Wide{work.Right} - anchor.Right - gap;
    const Wide roomLeft = Wide{anchor.Left} - gap - work.Left;
    Wide left = Wide{anchor.Right} + gap;
    if (roomRight < width) {
        if (roomLeft >= width) {
            left = Wide{anchor.Left} - gap - width;
        } else if (roomLeft > roomRight) {
            // Fits on neither side: over the anchor's edge where there is
            // more room.
            left = work.Left;
        } else {
            left = Wide{work.Right} - width;
        }
    }
    return Box(Inside(left, width, work.Left, work.Right),
               Inside(anchor.Top, height, work.Top, work.Bottom), width, height);
}

}  // namespace rytmalo
