// The monitors of the desktop and their work areas, as the system gives
// them: for keeping windows on screen and placing them within reach.
#pragma once

#include <vector>

#include "core/Geometry.h"
#include "toolkit/Win.h"

namespace tk {

std::vector<MonitorArea> Monitors();
// The monitor nearest to a window, or to a point of the desktop.
MonitorArea MonitorOf(HWND window);
MonitorArea MonitorAt(POINT point);

}  // namespace tk
