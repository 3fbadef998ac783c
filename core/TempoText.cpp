#include "core/TempoText.h"

#include <limits>

namespace rytmalo {
namespace {

int DigitValue(wchar_t c, int base) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (base == 16) {
        if (c >= L'A' && c <= L'F') return c - L'A' + 10;
        if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    }
    return -1;
}

}  // namespace

std::int32_t TempoTextToInt(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == L' ') ++i;

    bool negative = false;
    int base = 10;
    if (i < text.size()) {
        if (text[i] == L'-' || text[i] == L'+') {
            negative = text[i] == L'-';
            ++i;
        } else if (text[i] == L'$') {
            base = 16;
            ++i;
        }
    }

    std::int64_t value = 0;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) break;
        const std::int64_t next = value * base + digit;
        if (next > std::numeric_limits<std::int32_t>::max()) break;
        value = next;
        anyDigit = true;
    }

    const bool clean = anyDigit && i == text.size();
    if (clean && negative) value = -value;
    return static_cast<std::int32_t>(value);
}

}  // namespace rytmalo
