// Text put on the clipboard as Unicode text, for any program to paste.
#pragma once

#include <string_view>

#include "toolkit/Win.h"

namespace tk {

// Replaces the clipboard's content with the text. The clipboard may be held
// by another program for a moment: it is asked again a few times, and when
// it stays held, or memory is short, an Exception says so.
void CopyText(HWND owner, std::wstring_view text);

}  // namespace tk
