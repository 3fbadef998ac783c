// A drawing surface lent to an event handler: a device context with a font,
// a font colour and simple drawing. The font is shared, never owned: the
// canvas selects it and gives it back, but never deletes it. Whatever the
// handler changes in the context is undone when the canvas goes.
#pragma once

#include <string_view>

#include "toolkit/Win.h"

namespace tk {

class TCanvas {
public:
    explicit TCanvas(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, fontColor_);
    }
    ~TCanvas() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }

    // nullptr: the context's own font.
    HFONT Font() const { return font_; }
    void SetFont(HFONT font) {
        font_ = font;
        if (font) SelectObject(dc_, font);
    }

    // Starts as the window-text colour.
    COLORREF FontColor() const { return fontColor_; }
    void SetFontColor(COLORREF color) {
        fontColor_ = color;
        SetTextColor(dc_, color);
    }

    // Text on a transparent background, top-left at (x, y).
    void TextAt(int x, int y, std::wstring_view text) const {
        TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
    }
    SIZE TextExtent(std::wstring_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size;
    }
    void FillRect(const RECT& r, COLORREF color) const {
        // The context's own background colour is the cheapest solid fill.
        const COLORREF old = SetBkColor(dc_, color);
        ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
        SetBkColor(dc_, old);
    }

private:
    HDC dc_;
    int saved_;
    HFONT font_ = nullptr;
    COLORREF fontColor_ = GetSysColor(COLOR_WINDOWTEXT);
};

}  // namespace tk
