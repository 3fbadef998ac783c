#include "toolkit/Containers.h"

#include <string>

#include "toolkit/FontCache.h"

namespace tk {

void DrawBevel(HDC dc, const RECT& r, BevelCut cut) {
    if (cut == BevelCut::None) return;
    RECT edge = r;
    DrawEdge(dc, &edge, cut == BevelCut::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

void TGroupBox::WndProc(Message& m) {
    if (ReflectToChild(m) || PassContextMenuUp(m)) return;
    // The system's group box leaves its inside unpainted.
    if (m.msg == WM_ERASEBKGND) {
        EraseBackground(m);
        return;
    }
    TControl::WndProc(m);
}

void TPanel::WndProc(Message& m) {
    if (ReflectToChild(m) || PassContextMenuUp(m)) return;
    switch (m.msg) {
        case WM_ERASEBKGND: m.result = 1; return;
        case WM_PAINT: {
            PaintDc dc(m.hwnd);
            Paint(dc.get());
            return;
        }
        case WM_SETTEXT:
            Default(m);
            InvalidateRect(m.hwnd, nullptr, TRUE);
            return;
        default: TControl::WndProc(m);
    }
}

void TPanel::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, BackgroundBrush());
    DrawBevel(dc, r, Layout().bevelOuter);
    if (Layout().bevelOuter != BevelCut::None) InflateRect(&r, -1, -1);

    const std::wstring text = Caption();
    if (text.empty()) return;
    SelectGuard font(dc, FontHandle());
    TextStateGuard state(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRgb(Font().color));
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
    if (Layout().alignment == Alignment::Right) format |= DT_RIGHT;
    if (Layout().alignment == Alignment::Center) format |= DT_CENTER;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void TBevel::WndProc(Message& m) {
    switch (m.msg) {
        case WM_ERASEBKGND: m.result = 1; return;
        case WM_PAINT: {
            PaintDc dc(m.hwnd);
            RECT r;
            GetClientRect(m.hwnd, &r);
            FillRect(dc.get(), &r, BackgroundBrush());
            DrawBevel(dc.get(), r, Layout().bevelOuter);
            return;
        }
        default: TControl::WndProc(m);
    }
}

}  // namespace tk
