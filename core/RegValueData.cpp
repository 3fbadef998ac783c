#include "core/RegValueData.h"

#include <algorithm>

namespace rytmalo {

std::int32_t IntegerFromData(const unsigned char* data, std::size_t size) {
    std::uint32_t value = 0;
    const std::size_t n = std::min<std::size_t>(size, 4);
    for (std::size_t i = 0; i < n; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::wstring TextFromData(const unsigned char* data, std::size_t size) {
    std::wstring text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto c = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (c == L'\0') break;
        text += c;
    }
    return text;
}

}  // namespace rytmalo
