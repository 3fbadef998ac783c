// What another program's list controls and the clipboard hold, read as any
// program can: a list view's cells through memory of the list's own
// process, a list box's lines through its messages.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace driver {

// The cells of a list view in report mode, row by row.
std::vector<std::vector<std::wstring>> ListViewRows(HWND listView, int columns);
// How wide a text is in a list view's font, as the list itself measures it.
int ListViewStringWidth(HWND listView, const std::wstring& text);
// A list view's row on the screen.
RECT ListViewRowRect(HWND listView, int row);
// The lines of a list box.
std::vector<std::wstring> ListBoxLines(HWND listBox);
// The clipboard's Unicode text; empty when it holds none.
std::wstring ClipboardText();
// Empties the clipboard.
void ClearClipboard();

}  // namespace driver
