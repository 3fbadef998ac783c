// Pen and brush as components publish them: plain values (colour, width,
// style, mix mode; colour, style) that drawing code turns into GDI objects
// when it draws. No Windows types here.
#pragma once

#include <cstdint>

#include "core/Color.h"

namespace tk {

// Line styles, numbered as the system's pen styles.
enum class PenStyle : std::int32_t {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Clear = 5,
    InsideFrame = 6,
};

// How the pen combines with the pixels, numbered as the system's binary
// raster operations (Copy: the pen's colour replaces the pixel).
enum class PenMode : std::int32_t {
    Black = 1,
    NotMerge = 2,
    MaskNotPen = 3,
    NotCopy = 4,
    MaskPenNot = 5,
    Not = 6,
    Xor = 7,
    NotMask = 8,
    Mask = 9,
    NotXor = 10,
    Nop = 11,
    MergeNotPen = 12,
    Copy = 13,
    MergePenNot = 14,
    Merge = 15,
    White = 16,
};

struct TPen {
    Color color = clBlack;
    std::int32_t width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    bool operator==(const TPen&) const = default;
};

enum class BrushStyle : std::int32_t {
    Solid,
    Clear,
    Horizontal,
    Vertical,
    FDiagonal,
    BDiagonal,
    Cross,
    DiagCross,
};

struct TBrush {
    Color color = clWhite;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const TBrush&) const = default;
};

}  // namespace tk
