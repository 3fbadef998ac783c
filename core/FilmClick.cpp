#include "core/FilmClick.h"

#include "core/Rational.h"
#include "core/DecimalText.h"

namespace rytmalo {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F; }

void TrimBlanks(std::wstring_view& text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
}

constexpr std::int64_t kMostFrames = 99999;

}  // namespace

std::wstring ClickText(std::int64_t eighths) {
    return tk::DecimalText(eighths / 8) + L"-" + tk::DecimalText(eighths % 8);
}

std::optional<std::int64_t> ParseClick(std::wstring_view text) {
    TrimBlanks(text);
    std::int64_t frames = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= L'0' && text[digits] <= L'9') {
        frames = frames * 10 + (text[digits] - L'0');
        if (frames > kMostFrames) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    text.remove_prefix(digits);
    TrimBlanks(text);
    std::int64_t eighths = 0;
    if (!text.empty()) {
        if (text.front() != L'-') return std::nullopt;
        text.remove_prefix(1);
        TrimBlanks(text);
        if (text.size() != 1 || text[0] < L'0' || text[0] > L'7') return std::nullopt;
        eighths = text[0] - L'0';
    }
    const std::int64_t click = frames * 8 + eighths;
    if (click == 0) return std::nullopt;
    return click;
}

std::optional<ExactTempo> TempoOfClick(std::int64_t eighths, const FrameRate& rate) {
    if (eighths <= 0) return std::nullopt;
    // Beats per minute = fps × 60 / (eighths / 8); in hundredths.
    const std::int64_t tempo =
        RoundedQuotient(Wide{rate.num} * 60 * 8 * 100, Wide{rate.den} * eighths);
    if (!IsTempoInRange(tempo)) return std::nullopt;
    return static_cast<ExactTempo>(tempo);
}

}  // namespace rytmalo
