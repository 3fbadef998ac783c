// Points and rectangles of the code that needs no window, in pixels. A
// rectangle is given by its edges, left and top inside it, right and bottom
// just outside, as the system gives them; its extents are computed so that
// an overflow raises EIntOverflow instead of wrapping.
#pragma once

#include <cstdint>

#include "core/Checked.h"

namespace tk {

struct TPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    std::int32_t Width() const { return CheckedSub(Right, Left); }
    std::int32_t Height() const { return CheckedSub(Bottom, Top); }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const {
        return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom;
    }
    bool operator==(const TRect&) const = default;
};

// The rectangle at a place with an extent, as layouts give positions.
inline TRect Bounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return {left, top, CheckedAdd(left, width), CheckedAdd(top, height)};
}

// A monitor of the desktop and its work area (the part no task bar takes),
// in desktop coordinates.
struct MonitorArea {
    TRect monitor;
    TRect work;
};

}  // namespace tk
