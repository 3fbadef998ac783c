// The two sample columns of the detailed view's pages: each can be set to one
// of the usual studio rates.
#pragma once

#include <array>
#include <cstdint>

namespace rytmalo {

inline constexpr std::array<std::int32_t, 6> kSampleRateChoices{44100, 48000,  88200,
                                                                96000, 176400, 192000};

// The rates of the first and second sample column.
struct SampleRates {
    std::int32_t first = 44100;
    std::int32_t second = 48000;
    bool operator==(const SampleRates&) const = default;
};

// For a stored setting: only the rates offered count.
constexpr bool IsSampleRateChoice(std::int64_t rate) {
    for (const std::int32_t choice : kSampleRateChoices)
        if (rate == choice) return true;
    return false;
}

}  // namespace rytmalo
