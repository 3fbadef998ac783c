#include "core/Swing.h"

#include "core/Duration.h"
#include "core/Rational.h"

namespace rytmalo {
namespace {

// A pair lasting `pair` ms, swung: swing / 10000 of it long.
SwungPair PairOf(ExactMs pair, std::int32_t swing) {
    const auto part = [&](std::int64_t tenThousandths) {
        return RoundedQuotient(Wide{100} * pair.num * tenThousandths, Wide{pair.den} * 10'000);
    };
    return {part(swing), part(10'000 - swing), part(swing - kStraightSwing)};
}

}  // namespace

std::optional<SwingFigures> SwingAt(std::int32_t swing, ExactTempo tempo, BeatUnit unit) {
    const auto whole = WholeNoteMs(tempo, unit);
    if (!IsSwing(swing) || !whole) return std::nullopt;
    return SwingFigures{PairOf(Scaled(*whole, 1, 4), swing), PairOf(Scaled(*whole, 1, 8), swing)};
}

std::optional<std::int32_t> ParseSwing(std::wstring_view text, const tk::NumberStyle& style) {
    const auto swing = tk::ParseFixed(text, 2, style, kHardestSwing);
    if (!swing || !IsSwing(*swing)) return std::nullopt;
    return static_cast<std::int32_t>(*swing);
}

}  // namespace rytmalo
