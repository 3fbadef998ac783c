// The number style of a French user's settings, as the tests write it: a
// decimal comma and a narrow space between the digit groups (or the
// separator given).
#pragma once

#include <string_view>

#include "core/NumberFormat.h"

namespace rytmalo::test {

inline tk::NumberStyle French(std::wstring_view thousands = L"\u202F") {
    tk::NumberStyle style;
    style.decimal = L",";
    style.thousands = thousands;
    return style;
}

}  // namespace rytmalo::test
