#include "toolkit/BitButton.h"

#include <string>

#include "core/DecimalText.h"
#include "toolkit/FontCache.h"

namespace tk {
namespace {

constexpr int kSpacing = 4;

HBITMAP LoadStrip(const std::wstring& name, SIZE& image) {
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return nullptr;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    // The strip holds the normal image, then the disabled one.
    image = {info.bmWidth / 2, info.bmHeight};
    return bitmap;
}

}  // namespace

DWORD TBitButton::Style() const { return TControl::Style() | BS_OWNERDRAW; }

void TBitButton::HandleCreated() { LoadGlyph(); }

void TBitButton::ApplyDpi() {
    LoadGlyph();
    TButton::ApplyDpi();
}

// The strip named by the layout is drawn for 96 dpi; for another resolution
// the strip named with the scaled height as suffix ("GLYPH_OK_24") is taken
// as it is, where the program has one, else the 96-dpi one is stretched.
void TBitButton::LoadGlyph() {
    glyph_.reset();
    glyphSize_ = drawnSize_ = {0, 0};
    if (Layout().glyph.empty()) return;
    const std::wstring name(Layout().glyph);
    glyph_.reset(LoadStrip(name, glyphSize_));
    if (!glyph_) return;
    drawnSize_ = {Scale(glyphSize_.cx), Scale(glyphSize_.cy)};
    if (drawnSize_.cy == glyphSize_.cy) return;
    SIZE exact{};
    if (HBITMAP sharp = LoadStrip(name + L"_" + DecimalText(drawnSize_.cy), exact)) {
        glyph_.reset(sharp);
        glyphSize_ = drawnSize_ = exact;
    }
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
    // gdi32's own: msimg32, which only forwards to it, is no known system
    // DLL and could be planted beside the program.
    GdiTransparentBlt(dc, x, y, drawnSize_.cx, drawnSize_.cy, source.get(), sourceX, 0,
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

    const int glyphWidth = glyph_ ? drawnSize_.cx : 0;
    const int glyphHeight = glyph_ ? drawnSize_.cy : 0;
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
