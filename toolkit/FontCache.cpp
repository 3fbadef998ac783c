#include "toolkit/FontCache.h"

namespace tk {

HFONT FontCache::Get(const FontSpec& font, int dpi) {
    for (const Entry& e : fonts_) {
        if (e.name == font.name && e.height == font.height && e.style == font.style &&
            e.dpi == dpi) {
            return e.font.get();
        }
    }

    LOGFONTW lf{};
    lf.lfHeight = MulDiv(font.height, dpi, 96);
    lf.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    font.name.copy(lf.lfFaceName, LF_FACESIZE - 1);

    HFONT made = CreateFontIndirectW(&lf);
    fonts_.push_back({std::wstring(font.name), font.height, font.style, dpi, FontHandle(made)});
    return made;
}

COLORREF ColorToRgb(Color color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace tk
