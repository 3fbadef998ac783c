// Tap tempo: each beat comes with the time of the input that made it, in
// milliseconds of the system's tick count; from the second beat on, the
// tempo is 60000 divided by the mean of the last intervals (at most eight).
// A pause longer than three seconds starts over. No window needed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace rytmalo {

class TapTempo {
public:
    static constexpr std::size_t kMaxIntervals = 8;
    static constexpr std::uint32_t kPauseThatStartsOver = 3000;

    // The tempo after this beat, in beats per minute, or nothing after the
    // first beat of a run. Times wrap after 49.7 days: differences are taken
    // modulo 2^32.
    std::optional<double> Beat(std::uint32_t time);
    void Reset() { count_ = 0; }

private:
    std::optional<double> Current() const;

    std::uint32_t last_ = 0;
    // Beats in the current run, and the last intervals, oldest first.
    std::size_t count_ = 0;
    std::array<std::uint32_t, kMaxIntervals> intervals_{};
    std::size_t intervalCount_ = 0;
};

// The tempo, rounded to the nearest whole number, when it lies within the
// range the tempo box accepts (10 to 250).
std::optional<std::int32_t> AcceptedTempo(double tempo);

}  // namespace rytmalo
