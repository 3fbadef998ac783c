// Text put on the clipboard as Unicode text, for any program to paste.
#pragma once

#include <string_view>

#include "toolkit/Win.h"

namespace tk {

// Replaces the clipboard's content with the text. The clipboard may be held
// by another program for a moment: it is asked again a few times, and when
// it stays held, or memory is short, an Exception says so.
void CopyText(HWND owner, std::wstring_view text);

// The same with the function that gives the memory's address (GlobalLock):
// a copy either puts the whole text there or says it failed, and a test
// shows it with one that fails.
using LockMemory = void* (*)(HGLOBAL);
void CopyText(HWND owner, std::wstring_view text, LockMemory lock);

}  // namespace tk
