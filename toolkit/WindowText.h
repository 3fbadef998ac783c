// A window's text as the window itself answers it (WM_GETTEXT).
#pragma once

#include <string>
#include <string_view>

#include "toolkit/Win.h"

namespace tk {

inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text of a window that may be read or given before the window exists
// (a control made later, a form made at its first showing): kept until
// then, the window's own afterwards.
class WindowCaption {
public:
    explicit WindowCaption(std::wstring_view initial) : pending_(initial) {}
    std::wstring Get(HWND window) const { return window ? WindowText(window) : pending_; }
    void Set(HWND window, std::wstring_view text) {
        if (!window) {
            pending_ = text;
            return;
        }
        const std::wstring copy(text);
        SetWindowTextW(window, copy.c_str());
    }

private:
    std::wstring pending_;
};

}  // namespace tk
