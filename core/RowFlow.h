// Controls in a row, some wider than laid out because their text needs
// it in the font the system gives: each keeps the gap laid out after the
// one before it, moving right as far as that one now reaches further. Laid
// out as they were, nothing moves. No window needed.
#pragma once

#include <span>
#include <vector>

#include "core/Geometry.h"

namespace tk {

// A control as laid out, and how wide it is now.
struct RowItem {
    TRect laidOut;
    int width;
};

// The lefts of the items, in their order. Items whose laid-out extents
// overlap vertically make one row; within it they follow their laid-out
// lefts.
std::vector<int> FlowedLefts(std::span<const RowItem> items);

// The right edge of the rightmost item once flowed.
int FlowedRight(std::span<const RowItem> items);

}  // namespace tk
