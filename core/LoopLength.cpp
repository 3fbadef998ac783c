#include "core/LoopLength.h"

namespace rytmalo {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F; }

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Plain digits, at most `limit`: a clock's hours or minutes.
std::optional<std::int64_t> WholeNumber(std::wstring_view text, std::int64_t limit) {
    text = Trimmed(text);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > limit) return std::nullopt;
    }
    return value;
}

// "[[h:]m:]s" in milliseconds: each field after the first below 60.
std::optional<std::int64_t> ClockMs(std::wstring_view text, const tk::NumberStyle& style) {
    constexpr std::int64_t kLongestSeconds = kLongestLengthMs / 1000;
    const std::size_t last = text.rfind(L':');
    if (last == std::wstring_view::npos) return tk::ParseFixed(text, 3, style, kLongestLengthMs);
    const auto seconds = tk::ParseFixed(text.substr(last + 1), 3, style, 59'999);
    if (!seconds) return std::nullopt;
    const std::wstring_view before = text.substr(0, last);
    const std::size_t first = before.rfind(L':');
    std::optional<std::int64_t> minutes;
    if (first == std::wstring_view::npos) {
        minutes = WholeNumber(before, kLongestSeconds / 60);
    } else {
        const auto hours = WholeNumber(before.substr(0, first), kLongestSeconds / 3600);
        const auto rest = WholeNumber(before.substr(first + 1), 59);
        if (hours && rest) minutes = *hours * 60 + *rest;
    }
    if (!minutes) return std::nullopt;
    return *minutes * 60'000 + *seconds;
}

}  // namespace

std::int64_t LongestLength(LengthUnit unit, SampleRates rates) {
    switch (unit) {
        case LengthUnit::Milliseconds: return kLongestLengthMs;
        case LengthUnit::Seconds: return kLongestLengthMs / 1000;
        case LengthUnit::MinutesSeconds: return kLongestLengthMs / 60'000;
        case LengthUnit::SamplesFirst: return kLongestLengthMs / 1000 * rates.first;
        case LengthUnit::SamplesSecond: return kLongestLengthMs / 1000 * rates.second;
    }
    return 0;
}

std::optional<ExactMs> ParseLength(std::wstring_view text, LengthUnit unit, SampleRates rates,
                                   const tk::NumberStyle& style) {
    std::optional<ExactMs> length;
    switch (unit) {
        case LengthUnit::Milliseconds:
            if (const auto us = tk::ParseFixed(text, 3, style, kLongestLengthMs * 1000))
                length = ExactMs{*us, 1000};
            break;
        case LengthUnit::Seconds:
            if (const auto ms = tk::ParseFixed(text, 3, style, kLongestLengthMs))
                length = ExactMs{*ms, 1};
            break;
        case LengthUnit::MinutesSeconds:
            if (const auto ms = ClockMs(text, style)) length = ExactMs{*ms, 1};
            break;
        case LengthUnit::SamplesFirst:
        case LengthUnit::SamplesSecond: {
            const std::int32_t rate = unit == LengthUnit::SamplesFirst ? rates.first : rates.second;
            if (rate <= 0) return std::nullopt;
            if (const auto samples = tk::ParseFixed(text, 0, style, LongestLength(unit, rates)))
                length = ExactMs{*samples * 1000, rate};
            break;
        }
    }
    if (!length || length->num <= 0 || Compare(*length, {kLongestLengthMs, 1}) > 0)
        return std::nullopt;
    return Scaled(*length, 1, 1);
}

}  // namespace rytmalo
