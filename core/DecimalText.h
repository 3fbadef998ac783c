// Whole numbers as the windows show them: decimal digits, a minus sign
// before a negative one, nothing else (no grouping, no locale). The
// library's conversion would bring its whole printf engine into the program.
#pragma once

#include <cstdint>
#include <string>

namespace tk {

std::wstring DecimalText(std::int64_t value);

}  // namespace tk
