#include "toolkit/FontCache.h"

namespace tk {

HFONT FontCache::Get(const FontSpec& spec, int dpi) {
    Key key{std::wstring(spec.name), spec.height, spec.style, dpi};
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.get();

    LOGFONTW lf{};
    lf.lfHeight = MulDiv(spec.height, dpi, 96);
    lf.lfWeight = (spec.style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (spec.style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (spec.style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (spec.style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    spec.name.copy(lf.lfFaceName, LF_FACESIZE - 1);

    HFONT font = CreateFontIndirectW(&lf);
    fonts_.emplace(std::move(key), FontHandle(font));
    return font;
}

COLORREF ColorToRgb(Color color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace tk
