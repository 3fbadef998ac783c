#include "core/DecimalText.h"

namespace tk {

std::wstring DecimalText(std::int64_t value) {
    // The magnitude in unsigned arithmetic: the most negative value has no
    // positive counterpart of its own type.
    std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    wchar_t digits[20];
    wchar_t* first = digits + sizeof digits / sizeof digits[0];
    do {
        *--first = static_cast<wchar_t>(L'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    std::wstring text;
    if (value < 0) text += L'-';
    text.append(first, digits + sizeof digits / sizeof digits[0]);
    return text;
}

}  // namespace tk
