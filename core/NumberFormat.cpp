#include "core/NumberFormat.h"

#include <algorithm>

#include "core/DecimalText.h"

namespace tk {

// Windows offers group sizes of 0 to 9; anything else (a size typed into the
// registry, a number too long to read) counts as the usual 3.
void ParseGrouping(std::wstring_view text, NumberStyle& style) {
    constexpr int kUsualGroup = 3;
    constexpr int kLargestGroup = 9;
    style.groups.clear();
    style.repeatLast = false;
    int current = 0;
    bool any = false;
    bool tooLarge = false;
    const auto flush = [&] {
        if (!any) return;
        if (tooLarge) current = kUsualGroup;
        if (current == 0) {
            style.repeatLast = !style.groups.empty();
        } else {
            style.groups.push_back(current);
        }
        current = 0;
        any = false;
        tooLarge = false;
    };
    for (const wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            if (!tooLarge) current = current * 10 + (c - L'0');
            if (current > kLargestGroup) tooLarge = true;
            any = true;
        } else if (c == L';') {
            flush();
        }
    }
    flush();
}

std::wstring FormatFixed(std::int64_t scaled, int decimals, const NumberStyle& style) {
    const bool negative = scaled < 0;
    // The magnitude's digits, with a zero before the decimal mark at least.
    std::wstring digits = DecimalText(scaled);
    if (negative) digits.erase(0, 1);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), L'0');

    std::wstring out;
    const int whole = static_cast<int>(digits.size()) - decimals;
    // Where the groups of the whole part end, counted from its right.
    std::vector<bool> separatorAfter(static_cast<std::size_t>(whole) + 1, false);
    int position = 0;
    for (std::size_t g = 0;; ++g) {
        int size = 0;
        if (g < style.groups.size()) {
            size = style.groups[g];
        } else if (style.repeatLast && !style.groups.empty()) {
            size = style.groups.back();
        }
        // Compared before it is added: no group size can overflow the sum.
        if (size <= 0 || size >= whole - position) break;
        position += size;
        separatorAfter[static_cast<std::size_t>(position)] = true;
    }
    if (negative) out += style.negativeSign;
    for (int i = whole - 1; i >= 0; --i) {
        out.push_back(digits[static_cast<std::size_t>(whole - 1 - i)]);
        if (i > 0 && separatorAfter[static_cast<std::size_t>(i)]) out += style.thousands;
    }
    if (decimals > 0) {
        out += style.decimal;
        out.append(digits, static_cast<std::size_t>(whole));
    }
    return out;
}

namespace {

bool Blank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F; }
bool Digit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The size the group at this place from the right should have (0 for a
// group of any size: the leftmost digits when the style stops grouping).
int GroupSize(const NumberStyle& style, std::size_t fromRight) {
    const std::vector<int>& groups = style.groups;
    if (groups.empty()) return 3;
    if (fromRight < groups.size()) return groups[fromRight];
    return style.repeatLast ? groups.back() : 0;
}

// The whole part's digits without the separators that group them, when
// they group as the style does: every group but the leftmost has the size
// the style gives it, the leftmost at most that size.
std::optional<std::wstring> Ungrouped(std::wstring_view whole, const NumberStyle& style) {
    const bool pointGroups = style.thousands == L".";
    std::vector<std::wstring> runs(1);
    while (!whole.empty()) {
        std::size_t skip = 0;
        if (!style.thousands.empty() && whole.starts_with(style.thousands)) {
            skip = style.thousands.size();
        } else if (Blank(whole.front()) || (pointGroups && whole.front() == L'.')) {
            skip = 1;
        }
        if (skip > 0) {
            runs.emplace_back();
            whole.remove_prefix(skip);
            continue;
        }
        runs.back().push_back(whole.front());
        whole.remove_prefix(1);
    }
    if (runs.size() == 1) return runs.front();
    std::wstring digits;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const std::size_t fromRight = runs.size() - 1 - i;
        const int size = GroupSize(style, fromRight);
        const auto length = static_cast<int>(runs[i].size());
        if (length == 0) return std::nullopt;
        if (size > 0 && (i == 0 ? length > size : length != size)) return std::nullopt;
        if (size == 0 && i > 0) return std::nullopt;
        digits += runs[i];
    }
    return digits;
}

}  // namespace

std::optional<std::int64_t> ParseFixed(std::wstring_view text, int decimals,
                                       const NumberStyle& style, std::int64_t limit) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    if (text.empty() || limit < 0) return std::nullopt;

    // The user's decimal mark, else a full stop (unless full stops group
    // the user's digits).
    std::size_t mark = style.decimal.empty() ? std::wstring_view::npos : text.find(style.decimal);
    std::size_t markLength = style.decimal.size();
    if (mark == std::wstring_view::npos && style.thousands != L".") {
        mark = text.find(L'.');
        markLength = 1;
    }
    const std::wstring_view wholeText = text.substr(0, mark);
    const std::wstring_view fraction =
        mark == std::wstring_view::npos ? std::wstring_view{} : text.substr(mark + markLength);
    const std::optional<std::wstring> whole = Ungrouped(wholeText, style);
    if (!whole || (whole->empty() && fraction.empty())) return std::nullopt;

    // Digits past the precision kept only round; the value never passes
    // the limit while it is built, so no limit can make it overflow.
    std::int64_t value = 0;
    int fractionDigits = 0;
    int roundDigit = -1;
    const auto take = [&](wchar_t c) {
        const int digit = c - L'0';
        if (digit > limit || value > (limit - digit) / 10) return false;
        value = value * 10 + digit;
        return true;
    };
    for (const wchar_t c : *whole) {
        if (!Digit(c)) return std::nullopt;
        if (!take(c)) return std::nullopt;
    }
    for (const wchar_t c : fraction) {
        if (!Digit(c)) return std::nullopt;
        if (fractionDigits >= decimals) {
            if (roundDigit < 0) roundDigit = c - L'0';
            continue;
        }
        if (!take(c)) return std::nullopt;
        ++fractionDigits;
    }
    for (; fractionDigits < decimals; ++fractionDigits) {
        if (!take(L'0')) return std::nullopt;
    }
    if (roundDigit >= 5) {
        if (value == limit) return std::nullopt;
        ++value;
    }
    return value;
}

}  // namespace tk
