#include "toolkit/Label.h"

#include "toolkit/TextMeasure.h"

namespace tk {

DWORD TLabel::Style() const {
    DWORD style = TControl::Style();
    switch (Layout().alignment) {
        case Alignment::Left: style |= SS_LEFT; break;
        case Alignment::Right: style |= SS_RIGHT; break;
        case Alignment::Center: style |= SS_CENTER; break;
    }
    if (Layout().noPrefix) style |= SS_NOPREFIX;
    return style;
}

RECT TLabel::CreationRect() const {
    const RECT r = TControl::CreationRect();
    return Layout().autoSize ? FittedTo(r, Caption()) : r;
}

void TLabel::SetCaption(std::wstring_view text) {
    TControl::SetCaption(text);
    if (Layout().autoSize && Handle()) AdjustSize();
}

void TLabel::ApplyDpi() {
    TControl::ApplyDpi();
    if (Layout().autoSize) AdjustSize();
}

void TLabel::AdjustSize() {
    RECT now;
    GetWindowRect(Handle(), &now);
    MapWindowPoints(HWND_DESKTOP, ParentHandle(), reinterpret_cast<POINT*>(&now), 2);
    const RECT r = FittedTo(now, Caption());
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

RECT TLabel::FittedTo(RECT r, std::wstring text) const {
    // An empty label keeps the width of one blank so that it stays visible
    // to the mouse and to screen readers.
    const SIZE extent = TextExtent(FontHandle(), text, Layout().noPrefix);
    if (Layout().alignment == Alignment::Right) r.left = r.right - extent.cx;
    r.right = r.left + extent.cx;
    r.bottom = r.top + extent.cy;
    return r;
}

}  // namespace tk
