// Where the help shows: the pop-up near the pointer, the help window beside
// the window it explains; both inside the monitor's work area. Plain
// arithmetic, no window.
#pragma once

#include "core/Geometry.h"

namespace rytmalo {

// A box of the given size with its top-left corner offset below and right
// of the pointer; moved to the pointer's left or above it where it would
// leave the work area, and kept inside it.
tk::TRect PlaceNearPointer(int x, int y, int width, int height, int offset, const tk::TRect& work);

// A box of the given size right of the anchor window, else left of it, else
// at the edge of the work area on the side with more room; top aligned with
// the anchor's; inside the work area.
tk::TRect PlaceBeside(const tk::TRect& anchor, int width, int height, int gap,
                      const tk::TRect& work);

}  // namespace rytmalo
