#include "toolkit/NumberFormat.h"

#include <algorithm>

#include "toolkit/DecimalText.h"

namespace tk {

void ParseGrouping(std::wstring_view text, NumberStyle& style) {
    style.groups.clear();
    style.repeatLast = false;
    int current = 0;
    bool any = false;
    const auto flush = [&] {
        if (!any) return;
        if (current == 0) {
            style.repeatLast = !style.groups.empty();
        } else {
            style.groups.push_back(current);
        }
        current = 0;
        any = false;
    };
    for (const wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            current = current * 10 + (c - L'0');
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
        if (size <= 0) break;
        position += size;
        if (position >= whole) break;
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

std::optional<std::int64_t> ParseFixed(std::wstring_view text, int decimals,
                                       const NumberStyle& style, std::int64_t limit) {
    const auto blank = [](wchar_t c) {
        return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F;
    };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;

    std::int64_t value = 0;
    int fractionDigits = 0;
    bool seenMark = false;
    bool seenDigit = false;
    int roundDigit = -1;  // the first digit past the precision kept
    while (!text.empty()) {
        if (!seenMark && !style.decimal.empty() && text.starts_with(style.decimal)) {
            text.remove_prefix(style.decimal.size());
            seenMark = true;
            continue;
        }
        const wchar_t c = text.front();
        text.remove_prefix(1);
        if (c == L'.' && !seenMark) {
            seenMark = true;
            continue;
        }
        if (c < L'0' || c > L'9') return std::nullopt;
        seenDigit = true;
        if (seenMark && fractionDigits >= decimals) {
            if (roundDigit < 0) roundDigit = c - L'0';
            continue;
        }
        value = value * 10 + (c - L'0');
        if (seenMark) ++fractionDigits;
        if (value > limit * 10) return std::nullopt;
    }
    if (!seenDigit) return std::nullopt;
    for (; fractionDigits < decimals; ++fractionDigits) value *= 10;
    if (roundDigit >= 5) ++value;
    if (value > limit) return std::nullopt;
    return value;
}

}  // namespace tk
