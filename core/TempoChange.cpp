#include "core/TempoChange.h"

#include <cmath>

#include "core/Rational.h"

namespace rytmalo {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F; }

}  // namespace

// A pitch or a shifted tempo is irrational but for whole octaves: it is
// computed in long double (a 64-bit mantissa on every target), far finer
// than the figure it is rounded to, and cannot sit on a half of it.
std::optional<TempoChange> ChangeBetween(ExactTempo from, ExactTempo to) {
    if (!IsTempoInRange(from) || !IsTempoInRange(to)) return std::nullopt;
    const long double semitones =
        12 * std::log2(static_cast<long double>(to) / static_cast<long double>(from));
    return TempoChange{
        RoundedQuotient(Wide{10'000} * from, to),
        RoundedQuotient(Wide{10'000} * (to - from), from),
        std::llround(semitones * 1000),
    };
}

std::optional<ExactTempo> TempoShiftedBy(ExactTempo from, std::int32_t shift) {
    if (!IsTempoInRange(from) || shift < -kLargestShift || shift > kLargestShift)
        return std::nullopt;
    // Whole octaves apart, so that −12 from 120 is 60 exactly and any
    // rounding comes from the rest alone.
    const std::int32_t octaves = shift >= 0 ? shift / 1200 : -((-shift + 1199) / 1200);
    const std::int32_t rest = shift - octaves * 1200;
    const Wide num = octaves >= 0 ? Wide{from} << octaves : Wide{from};
    const Wide den = octaves >= 0 ? Wide{1} : Wide{1} << -octaves;
    std::int64_t tempo = 0;
    if (rest == 0) {
        tempo = RoundedQuotient(num, den);
    } else {
        const long double factor = std::exp2(static_cast<long double>(rest) / 1200);
        tempo =
            std::llround(static_cast<long double>(num) / static_cast<long double>(den) * factor);
    }
    if (!IsTempoInRange(tempo)) return std::nullopt;
    return static_cast<ExactTempo>(tempo);
}

std::optional<std::int32_t> ParseShift(std::wstring_view text, const tk::NumberStyle& style) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+' || text.front() == 0x2212)) {
        negative = text.front() != L'+';
        text.remove_prefix(1);
    }
    const auto magnitude = tk::ParseFixed(text, 2, style, kLargestShift);
    if (!magnitude) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

}  // namespace rytmalo
