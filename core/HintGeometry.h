// Geometry of the elliptic hint bubble: how much the text rectangle grows so
// that an ellipse drawn in it encloses the text, and where the text goes.
// Pure arithmetic, no window.
#pragma once

#include <cstdint>

#include "core/Geometry.h"

namespace rytmalo {

// An ellipse through the corners of a rectangle, with the rectangle's
// proportions, is sqrt(2) times as wide and as high: each side grows by half
// of (sqrt(2) - 1) times the extent less the 4 pixels of the hint's margins,
// rounded to the nearest integer (halves to even).
std::int32_t EllipseMargin(std::int32_t extent);

// The rectangle grown by EllipseMargin on each side. Raises EIntOverflow
// where an edge would leave the 32-bit range.
tk::TRect EnlargeForEllipse(const tk::TRect& text);

// Offset that centres content in an extent; halves truncate toward zero, so
// content wider than the extent starts less than half its excess before it.
std::int32_t CentredOffset(std::int32_t extent, std::int32_t content);

}  // namespace rytmalo
