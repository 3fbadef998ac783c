// Under desktop composition (Windows Vista to 11) the system draws every
// frame itself and a window's own non-client painting never shows. A window
// that paints its caption asks to be left out of it.
#pragma once

#include "toolkit/Win.h"

namespace rytmalo {

// True when the system took the request; false where there is no desktop
// composition to leave (no dwmapi.dll, or it declined): the window's own
// non-client painting then shows as it is.
bool UseOwnNonClientPainting(HWND window);

}  // namespace rytmalo
