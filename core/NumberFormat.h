// Numbers as the user writes them: the decimal mark, the thousands separator
// and how digits are grouped, taken from the user's settings on Windows and
// given here as plain values, so that writing and reading numbers needs no
// window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct NumberStyle {
    std::wstring decimal = L".";
    std::wstring thousands = L",";
    // Sizes of the digit groups from the decimal mark leftwards; the last
    // one repeats when repeatLast is set (the system's "3;0"), else the
    // digits before it stay together (its "3").
    std::vector<int> groups{3};
    bool repeatLast = true;
    std::wstring negativeSign = L"-";
};

// The system's grouping text ("3;0", "3;2;0", "3", "0;0") as groups. Sizes
// beyond the 0 to 9 that Windows offers count as 3.
void ParseGrouping(std::wstring_view text, NumberStyle& style);

// scaled / 10^decimals written in the style, with exactly that many
// decimals.
std::wstring FormatFixed(std::int64_t scaled, int decimals, const NumberStyle& style);

// A positive or zero number the user typed: digits with at most one decimal
// mark (the style's, or a full stop unless full stops group the digits),
// blanks around it allowed; the whole part may be grouped as the style
// groups it, by its separator, a space, a no-break space or a narrow one
// ("1 212,12"). Its value times 10^decimals, rounded to the nearest.
// Nothing for anything else, or for a value beyond limit (scaled).
std::optional<std::int64_t> ParseFixed(std::wstring_view text, int decimals,
                                       const NumberStyle& style, std::int64_t limit);

}  // namespace tk
