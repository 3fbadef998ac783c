#include "core/Utf8Text.h"

namespace tk {

void AppendWidened(std::wstring& wide, std::u8string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned lead = utf8[i];
        const std::size_t extra = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        if (extra >= utf8.size() - i) return;
        char32_t c = extra == 0 ? lead : lead & (0x3Fu >> extra);
        for (std::size_t k = 1; k <= extra; ++k) c = c << 6 | (utf8[i + k] & 0x3Fu);
        wide.push_back(static_cast<wchar_t>(c > 0xFFFF ? 0xFFFD : c));
        i += 1 + extra;
    }
}

}  // namespace tk
