// What the system's headers leave out: message numbers they do not name,
// the signed point of a message, and the one conversion from the narrow texts of the program's
// tables (class names, exception texts) to the system's wide ones.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/Win.h"

namespace tk {

// Windows 10 1703 and later: the size a window wants at another
// resolution, asked before WM_DPICHANGED (declared for that version only).
inline constexpr UINT kWmGetDpiScaledSize = 0x02E4;
// Posted to the focused window for F1; its default handling sends WM_HELP.
inline constexpr UINT kWmKeyF1 = 0x004D;
// Sent to a multiple-document client window when the frame's caption must
// show a change of its maximised child.
inline constexpr UINT kWmMdiCaptionChange = 0x003F;

// The signed coordinates a mouse or context-menu message carries (a
// point left of or above the primary screen is negative).
inline POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// ASCII (or Latin-1) text, byte for character.
inline std::wstring Widen(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (const char c : text) out.push_back(static_cast<unsigned char>(c));
    return out;
}

}  // namespace tk
