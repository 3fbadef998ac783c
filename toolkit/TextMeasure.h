// How wide a text is in a font, and what a control needs so that its
// caption or its lines show whole: measured in the font the system
// actually gives (the face a layout names may resolve to another) at the
// control's resolution.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/Layout.h"
#include "toolkit/Win.h"

namespace tk {

// The width and height of one line of text; an & marks the next letter and
// is not drawn, unless noPrefix.
SIZE TextExtent(HFONT font, std::wstring_view text, bool noPrefix = false);

// The width a control of a kind needs for its caption, or for the widest
// of its lines (a drop-down list), with what the system draws around them;
// 0 for kinds whose width is not their text's (boxes to type in, lists,
// containers).
int NeededWidth(ControlKind kind, HFONT font, int dpi, std::wstring_view caption,
                std::span<const std::wstring> lines = {}, bool noPrefix = false);

}  // namespace tk
