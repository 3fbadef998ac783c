#include "toolkit/UserLocale.h"

#include "toolkit/Win.h"

namespace tk {
namespace {

bool Read(LCTYPE type, std::wstring& out) {
    wchar_t text[16] = {};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 16);
    if (n <= 1) return false;
    out.assign(text, static_cast<std::size_t>(n - 1));
    return true;
}

}  // namespace

NumberStyle UserNumberStyle() {
    NumberStyle style;
    Read(LOCALE_SDECIMAL, style.decimal);
    Read(LOCALE_STHOUSAND, style.thousands);
    Read(LOCALE_SNEGATIVESIGN, style.negativeSign);
    std::wstring grouping;
    if (Read(LOCALE_SGROUPING, grouping)) ParseGrouping(grouping, style);
    return style;
}

}  // namespace tk
