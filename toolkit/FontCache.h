// Fonts made from layout font descriptions, shared by every control that
// asks for the same face, height, style and resolution; deleted with the cache.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Gdi.h"
#include "core/Layout.h"

namespace tk {

class FontCache {
public:
    HFONT Get(const FontSpec& font, int dpi);

private:
    struct Entry {
        std::wstring name;
        int height;
        unsigned style;
        int dpi;
        FontHandle font;
    };
    // A program asks for a handful of fonts: looked through in turn.
    std::vector<Entry> fonts_;
};

// COLORREF of a layout colour (system colours resolved now).
COLORREF ColorToRgb(Color color);

}  // namespace tk
