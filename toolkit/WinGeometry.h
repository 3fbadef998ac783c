// The windowless geometry to and from the system's own types.
#pragma once

#include "core/Geometry.h"
#include "toolkit/Win.h"

namespace tk {

inline RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline POINT ToPOINT(TPoint p) { return {p.x, p.y}; }
inline TPoint FromPOINT(POINT p) { return {p.x, p.y}; }

}  // namespace tk
