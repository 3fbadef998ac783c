#include "core/DelayInput.h"

namespace rytmalo {
namespace {

constexpr std::int64_t kLargestDelay = 10'000'000'000;

std::optional<ExactMs> SamplesAt(std::int64_t samples, std::int32_t rate) {
    if (rate <= 0) return std::nullopt;
    return Scaled({samples * 1000, rate}, 1, 1);
}

}  // namespace

int DelayDecimals(DelayUnit unit) {
    switch (unit) {
        case DelayUnit::Milliseconds:
        case DelayUnit::Hertz: return 3;
        default: return 0;
    }
}

std::optional<ExactMs> DelayOf(std::int64_t scaled, DelayUnit unit, SampleRates rates) {
    if (scaled <= 0 || scaled > kLargestDelay) return std::nullopt;
    switch (unit) {
        case DelayUnit::Milliseconds: return Scaled({scaled, 1000}, 1, 1);
        // 1000 / (scaled / 1000) ms.
        case DelayUnit::Hertz: return Scaled({1'000'000, scaled}, 1, 1);
        case DelayUnit::SamplesFirst: return SamplesAt(scaled, rates.first);
        case DelayUnit::SamplesSecond: return SamplesAt(scaled, rates.second);
    }
    return std::nullopt;
}

std::optional<ExactMs> ParseDelay(std::wstring_view text, DelayUnit unit, SampleRates rates,
                                  const tk::NumberStyle& style) {
    const auto scaled = tk::ParseFixed(text, DelayDecimals(unit), style, kLargestDelay);
    if (!scaled) return std::nullopt;
    return DelayOf(*scaled, unit, rates);
}

}  // namespace rytmalo
