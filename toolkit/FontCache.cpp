#include "toolkit/FontCache.h"

namespace tk {

HFONT FontCache::Get(const FontSpec& font, int dpi) {
    Key key{std::wstring(font.name), font.height, font.style, dpi};
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.get();

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
    fonts_.emplace(std::move(key), FontHandle(made));
    return made;
}

COLORREF ColorToRgb(Color color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace tk
