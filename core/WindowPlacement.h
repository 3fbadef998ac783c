// Where a window goes when its saved place is no longer on any screen (a
// monitor since unplugged, a resolution since lowered): a window without a
// system menu could otherwise never be brought back.
#pragma once

#include <optional>
#include <span>

#include "core/Geometry.h"

namespace rytmalo {

using tk::MonitorArea;

// Nothing when the window shows at least partly on some monitor: it stays
// exactly where it was saved. Otherwise the top-left corner that puts it on
// the work area of the nearest monitor, as close to its saved place as it
// fits; a window larger than the work area keeps its top-left corner (and
// so its caption) on it.
std::optional<tk::TPoint> PlaceOnScreen(const tk::TRect& window,
                                        std::span<const MonitorArea> monitors);

// The top that keeps a window whose bottom reaches below the work area
// inside it, moving it up no further than the work area's top; nothing
// when it ends within.
std::optional<int> TopAboveBottom(const tk::TRect& window, const tk::TRect& work);
// The same across: the left that keeps a window whose right edge reaches
// beyond the work area inside it.
std::optional<int> LeftBeforeRight(const tk::TRect& window, const tk::TRect& work);

// The corner to save for a window, for the next start to open it there: its
// own, or for a maximised window the one it goes back to when restored,
// which the system gives relative to the work area of the window's monitor.
tk::TPoint PlaceToSave(const tk::TRect& window, const std::optional<tk::TRect>& restored,
                       const MonitorArea& monitor);

// The height (96-dpi pixels) that a part shown below a window's content
// can take so that the window, heightWithout screen pixels tall without it,
// fits a work area that tall at the resolution: what is wanted when there
// is room, less when there is not, never less than least.
int FittedExtraHeight(int wanted, int least, int heightWithout, int workHeight, int dpi);

}  // namespace rytmalo
