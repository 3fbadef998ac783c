// Fonts made from layout font descriptions, shared by every control that
// asks for the same face, height, style and resolution; deleted with the cache.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "toolkit/Gdi.h"
#include "core/Layout.h"

namespace tk {

class FontCache {
public:
    HFONT Get(const FontSpec& font, int dpi);

private:
    using Key = std::tuple<std::wstring, int, unsigned, int>;
    std::map<Key, FontHandle> fonts_;
};

// COLORREF of a layout colour (system colours resolved now).
COLORREF ColorToRgb(Color color);

}  // namespace tk
