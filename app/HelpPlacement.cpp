#include "app/HelpPlacement.h"

#include <algorithm>

namespace rytmalo {
namespace {

// The start of an extent inside [low, high): moved back so that it ends by
// high, but never before low.
int Inside(int start, int extent, int low, int high) {
    return std::max(low, std::min(start, high - extent));
}

}  // namespace

tk::Bounds PlaceNearPointer(int x, int y, int width, int height, int offset,
                            const tk::Bounds& work) {
    int left = x + offset;
    int top = y + offset;
    if (left + width > work.right()) left = x - offset - width;
    if (top + height > work.bottom()) top = y - offset - height;
    return {Inside(left, width, work.left, work.right()),
            Inside(top, height, work.top, work.bottom()), width, height};
}

tk::Bounds PlaceBeside(const tk::Bounds& anchor, int width, int height, int gap,
                       const tk::Bounds& work) {
    const int roomRight = work.right() - anchor.right() - gap;
    const int roomLeft = anchor.left - gap - work.left;
    int left = anchor.right() + gap;
    if (roomRight < width) {
        if (roomLeft >= width) {
            left = anchor.left - gap - width;
        } else if (roomLeft > roomRight) {
            // Fits on neither side: over the anchor's edge where there is
            // more room.
            left = work.left;
        } else {
            left = work.right() - width;
        }
    }
    return {Inside(left, width, work.left, work.right()),
            Inside(anchor.top, height, work.top, work.bottom()), width, height};
}

}  // namespace rytmalo
