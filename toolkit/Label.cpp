#include "toolkit/Label.h"

namespace tk {

DWORD TLabel::Style() const {
    DWORD style = TControl::Style();
    switch (Layout().alignment) {
        case Alignment::Left: style |= SS_LEFT; break;
        case Alignment::Right: style |= SS_RIGHT; break;
        case Alignment::Center: style |= SS_CENTER; break;
    }
    return style;
}

void TLabel::HandleCreated() {
    if (Layout().autoSize) AdjustSize();
}

void TLabel::SetCaption(std::wstring_view text) {
    TControl::SetCaption(text);
    if (Layout().autoSize) AdjustSize();
}

void TLabel::ApplyDpi() {
    TControl::ApplyDpi();
    if (Layout().autoSize) AdjustSize();
}

void TLabel::AdjustSize() {
    std::wstring text = Caption();
    // An empty label keeps the width of one blank so that it stays visible
    // to the mouse and to screen readers.
    if (text.empty()) text = L" ";

    WindowDc dc(Handle());
    SelectGuard font(dc.get(), FontHandle());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);

    RECT now;
    GetWindowRect(Handle(), &now);
    MapWindowPoints(HWND_DESKTOP, ParentHandle(), reinterpret_cast<POINT*>(&now), 2);
    int left = now.left;
    if (Layout().alignment == Alignment::Right) left = now.right - r.right;
    SetWindowPos(Handle(), nullptr, left, now.top, r.right, r.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace tk
