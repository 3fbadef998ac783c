#include "toolkit/BitButton.h"

#include <string>

#include "toolkit/FontCache.h"

namespace tk {
namespace {

constexpr int kSpacing = 4;

}  // namespace

DWORD TBitButton::Style() const { return TControl::Style() | BS_OWNERDRAW; }

void TBitButton::HandleCreated() {
    if (Layout().glyph.empty()) return;
    const std::wstring name(Layout().glyph);
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return;
    glyph_.reset(bitmap);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    // The strip holds the normal image, then the disabled one.
    glyphSize_ = {info.bmWidth / 2, info.bmHeight};
}

bool TBitButton::Reflected(Message& m) {
    if (m.msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
        m.result = TRUE;
        return true;
    }
    return TButton::Reflected(m);
}

void TBitButton::DrawGlyph(HDC dc, int x, int y, bool enabled) const {
    MemoryDcHandle source(CreateCompatibleDC(dc));
    SelectGuard select(source.get(), glyph_.get());
    // The bottom-left pixel names the transparent colour.
    const COLORREF transparent = GetPixel(source.get(), 0, glyphSize_.cy - 1);
    const int sourceX = enabled ? 0 : glyphSize_.cx;
    TransparentBlt(dc, x, y, Scale(glyphSize_.cx), Scale(glyphSize_.cy), source.get(), sourceX, 0,
                   glyphSize_.cx, glyphSize_.cy, transparent);
}

void TBitButton::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool enabled = !(item.itemState & ODS_DISABLED);

    if (IsDefault() || focused) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    if (pushed) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    }

    const std::wstring text = Caption();
    SelectGuard font(dc, FontHandle());
    RECT textSize{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &textSize, DT_CALCRECT | DT_SINGLELINE);

    const int glyphWidth = glyph_ ? Scale(glyphSize_.cx) : 0;
    const int glyphHeight = glyph_ ? Scale(glyphSize_.cy) : 0;
    const int gap = glyph_ && !text.empty() ? Scale(kSpacing) : 0;
    const int total = glyphWidth + gap + textSize.right;
    const int offset = pushed ? 1 : 0;
    int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - total) / 2 + offset;
    const int middle = (item.rcItem.top + item.rcItem.bottom) / 2 + offset;

    if (glyph_) {
        DrawGlyph(dc, x, middle - glyphHeight / 2, enabled);
        x += glyphWidth + gap;
    }
    TextStateGuard state(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? ColorToRgb(Font().color) : GetSysColor(COLOR_GRAYTEXT));
    RECT textRect{x, middle - textSize.bottom / 2, x + textSize.right,
                  middle - textSize.bottom / 2 + textSize.bottom};
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_SINGLELINE);

    if (focused) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace tk
