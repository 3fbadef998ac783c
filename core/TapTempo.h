// Tap tempo a musician can trust: the tempo is the least-squares slope of
// the beats' times against their numbers over the last taps, so every tap
// counts, not only the first and the last; a missed beat and a bounce are
// recognised once the taps have set a period; and the fit says how sure
// it is. No window needed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace rytmalo {

// The tempo after a beat.
struct TapReading {
    double bpm;
    std::size_t taps;  // taps counted in the series
    // ± beats per minute: the standard error of the fit's slope carried to
    // the tempo; from the third tap on.
    std::optional<double> uncertainty;
};

class TapTempo {
public:
    static constexpr std::size_t kFittedTaps = 16;
    // Before a period is known, a pause up to this continues the series, so
    // that 10 BPM (6 s a beat) can be tapped.
    static constexpr std::int64_t kFirstPauseMs = 6500;
    // Once it is known, a pause must be longer than 2.5 periods and at least
    // this long to start over.
    static constexpr std::int64_t kLeastRestartMs = 2000;
    // Taps that set a period, after which missed beats and bounces count.
    static constexpr std::size_t kTapsForPeriod = 3;

    // A beat at the time of its input, in milliseconds of the system's tick
    // count (differences modulo 2^32, so the count may wrap). The reading
    // after it, or nothing after the first beat of a series. An input seen
    // twice at the same time, or a bounce, changes nothing.
    std::optional<TapReading> Beat(std::uint32_t time);
    void Reset();

private:
    struct Tap {
        std::int64_t beat;  // its number in the series, missed beats counted
        std::int64_t ms;    // since the series' first tap
    };

    void StartSeries();
    void Fit();
    std::optional<TapReading> Reading() const;

    std::size_t taps_ = 0;
    std::uint32_t lastInput_ = 0;
    // The last taps, oldest first.
    std::array<Tap, kFittedTaps> fitted_{};
    std::size_t fittedCount_ = 0;
    // From the fit: ms per beat and its standard error.
    double period_ = 0;
    std::optional<double> periodError_;
};

}  // namespace rytmalo
