#include "toolkit/MnemonicKeys.h"

#include <cwctype>

namespace tk {
namespace {

bool IsAlt(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

bool IsRepeat(const MSG& msg) { return (msg.lParam & (1 << 30)) != 0; }

}  // namespace

// The default window procedure learns of the letter all the same: under Wine
// it is where a key pressed between the press and the release of Alt is
// noted, and without it the next Alt alone would not open the menu bar.
void MnemonicKeys::Used(const MSG& keyDown) {
    if (IsWindow(keyDown.hwnd)) {
        DefWindowProcW(keyDown.hwnd, keyDown.message, keyDown.wParam, keyDown.lParam);
    }
}

bool MnemonicKeys::Consumes(const MSG& msg) {
    if (key_ == 0) return false;
    switch (msg.message) {
        case WM_SYSKEYDOWN:
            // A new press of Alt starts afresh: a lone Alt opens the menu bar.
            if (IsAlt(msg.wParam) && !IsRepeat(msg)) key_ = 0;
            return msg.wParam == key_ && IsRepeat(msg);
        case WM_SYSCHAR:
            // The letter's character, whatever its case.
            return static_cast<WPARAM>(std::towupper(static_cast<wint_t>(msg.wParam))) == key_;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (!IsAlt(msg.wParam)) return false;
            key_ = 0;
            return true;
        default: return false;
    }
}

}  // namespace tk
