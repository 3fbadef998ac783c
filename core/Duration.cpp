#include "core/Duration.h"

#include "core/DecimalText.h"

namespace rytmalo {
namespace {

// Two digits, with a leading zero.
std::wstring TwoDigits(std::int64_t value) {
    return std::wstring{static_cast<wchar_t>(L'0' + value / 10),
                        static_cast<wchar_t>(L'0' + value % 10)};
}

}  // namespace

std::int32_t BeatsPerWhole(BeatUnit unit) {
    switch (unit) {
        case 2:
        case 8:
        case 16: return unit;
        default: return 4;
    }
}

std::optional<ExactMs> WholeNoteMs(ExactTempo tempo, BeatUnit unit) {
    if (!IsTempoInRange(tempo)) return std::nullopt;
    // Tempo in hundredths: 60000 × 100 × unit / hundredths.
    return Scaled({6'000'000, tempo}, BeatsPerWhole(unit), 1);
}

std::int64_t HundredthsOfMs(ExactMs length) {
    return RoundedQuotient(Wide{100} * length.num, length.den);
}

std::int64_t WholeMs(ExactMs length) { return RoundedQuotient(length.num, length.den); }

Fixed Hertz(ExactMs length) {
    if (length.num == 0) return {0, 2};
    return FixedFigure(Wide{1000} * length.den, length.num, 2);
}

std::int64_t Samples(ExactMs length, std::int32_t rate) {
    return RoundedQuotient(Wide{length.num} * rate, Wide{length.den} * 1000);
}

std::array<std::int64_t, 2> Samples(ExactMs length, SampleRates rates) {
    return {Samples(length, rates.first), Samples(length, rates.second)};
}

std::wstring ClockText(std::int64_t milliseconds) {
    std::wstring text;
    // Worked on the magnitude, negated as unsigned so that the most
    // negative value has one too.
    std::uint64_t rest = static_cast<std::uint64_t>(milliseconds);
    if (milliseconds < 0) {
        text = L"-";
        rest = 0 - rest;
    }
    const std::uint64_t ms = rest % 1000;
    rest /= 1000;
    const std::uint64_t seconds = rest % 60;
    rest /= 60;
    const std::uint64_t minutes = rest % 60;
    const std::uint64_t hours = rest / 60;
    if (hours > 0) {
        text += tk::DecimalText(static_cast<std::int64_t>(hours)) + L":" +
                TwoDigits(static_cast<std::int64_t>(minutes));
    } else {
        text += tk::DecimalText(static_cast<std::int64_t>(minutes));
    }
    text += L":" + TwoDigits(static_cast<std::int64_t>(seconds)) + L"." +
            static_cast<wchar_t>(L'0' + ms / 100) + TwoDigits(static_cast<std::int64_t>(ms % 100));
    return text;
}

}  // namespace rytmalo
