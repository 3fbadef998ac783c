// Tap tempo a musician can trust: the tempo is the least-squares slope of
// the beats' times against their numbers over the last taps, so every tap
// counts, not only the first and the last, and the fit says how sure it is.
// One mistake among the first taps does not become the tempo: a bounce is
// ignored from the second tap on, the beats are numbered again after each
// tap so that a missed beat counts as soon as the intervals show the beat,
// and a first tap out of step with the others is left out of the fit. No
// window needed.
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
    // the tempo; once three taps are fitted.
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
    // Taps that set a period, after which a pause and a bounce are measured
    // against it.
    static constexpr std::size_t kTapsForPeriod = 3;
    // An input sooner than this after a tap is a bounce whatever the taps
    // so far: no hand taps 1200 beats a minute.
    static constexpr std::int64_t kLeastBeatMs = 50;

    // A beat at the time of its input, in milliseconds of the system's tick
    // count (differences modulo 2^32, so the count may wrap). The reading
    // after it, or nothing after the first beat of a series. An input seen
    // twice at the same time, or a bounce, changes nothing: the reading is
    // the one before it.
    std::optional<TapReading> Beat(std::uint32_t time);
    void Reset();

private:
    bool IsBounce(std::int64_t interval) const;
    bool StartsOver(std::int64_t interval) const;
    void StartSeries();
    void Fit();
    std::optional<TapReading> Reading() const;

    std::size_t taps_ = 0;
    std::uint32_t lastInput_ = 0;
    // The last taps in ms since the series' first, oldest first.
    std::array<std::int64_t, kFittedTaps> times_{};
    std::size_t timesCount_ = 0;
    // From the fit: ms per beat and its standard error.
    double period_ = 0;
    std::optional<double> periodError_;
};

}  // namespace rytmalo
