// Screen resolution per window and per monitor. Layouts are written in
// pixels at 96 dpi; the program is aware of each monitor's own resolution
// (per-monitor, version 2) and scales to it. The functions for that exist
// only on recent systems: they are looked up at run time, and where they are
// missing the system-wide resolution stands in.
#pragma once

#include "toolkit/Win.h"

namespace tk {

inline constexpr int kDesignDpi = 96;

// 96-dpi pixels to pixels at dpi, rounded to the nearest.
inline int ScaleToDpi(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }

// The resolution the system was started with.
int SystemDpi();
// The resolution a window is shown at (its monitor's).
int DpiForWindow(HWND window);
// The resolution of the monitor nearest to a point of the screen.
int DpiForPoint(POINT point);
// The resolution to lay a top-level window out for before it is made at a
// point: the system's where a window tells its own once made (the window
// is then laid out again if its monitor's differs), else the monitor's.
// The monitor's needs a library of its own, which a start then spares.
int DpiForNewWindow(POINT point);

// GetSystemMetrics for a resolution.
int SystemMetricForDpi(int index, int dpi);
// The window rectangle that holds a client rectangle at a resolution.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);
// The non-client metrics (fonts of the caption, menus, messages) at a
// resolution; cbSize is set here. False when the system gives none.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);
// One of the system's fonts at a resolution (a font of the non-client
// metrics, e.g. &NONCLIENTMETRICSW::lfMessageFont); "MS Sans Serif" of
// 11 pixels at 96 dpi when the system gives none.
LOGFONTW SystemFontForDpi(LOGFONTW NONCLIENTMETRICSW::*font, int dpi);

}  // namespace tk
