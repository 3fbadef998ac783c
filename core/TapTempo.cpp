#include "core/TapTempo.h"

#include <algorithm>
#include <cmath>

namespace rytmalo {
namespace {

using Beats = std::array<std::int64_t, TapTempo::kFittedTaps>;

// A straight line through taps: time against beat number.
struct Line {
    double period;  // ms per beat
    std::optional<double> error;
    // Where it passes: the taps' means, taken from the first tap so that
    // the sums keep their precision.
    std::int64_t beat0;
    std::int64_t ms0;
    double meanBeat;
    double meanMs;

    // How far a tap falls from it, in ms.
    double Residual(std::int64_t beat, std::int64_t ms) const {
        return static_cast<double>(ms - ms0) - meanMs -
               period * (static_cast<double>(beat - beat0) - meanBeat);
    }
};

// Least squares of taps [first, last), at least two of them.
Line LeastSquares(const Beats& beats, const Beats& times, std::size_t first, std::size_t last) {
    Line line{0, std::nullopt, beats[first], times[first], 0, 0};
    const double n = static_cast<double>(last - first);
    for (std::size_t i = first; i < last; ++i) {
        line.meanBeat += static_cast<double>(beats[i] - line.beat0);
        line.meanMs += static_cast<double>(times[i] - line.ms0);
    }
    line.meanBeat /= n;
    line.meanMs /= n;
    double sxx = 0;
    double sxy = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double x = static_cast<double>(beats[i] - line.beat0) - line.meanBeat;
        const double y = static_cast<double>(times[i] - line.ms0) - line.meanMs;
        sxx += x * x;
        sxy += x * y;
    }
    line.period = sxy / sxx;
    if (last - first < 3) return line;
    double residuals = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double r = line.Residual(beats[i], times[i]);
        residuals += r * r;
    }
    line.error = std::sqrt(residuals / (n - 2) / sxx);
    return line;
}

}  // namespace

void TapTempo::Reset() {
    taps_ = 0;
    timesCount_ = 0;
    period_ = 0;
    periodError_.reset();
}

void TapTempo::StartSeries() {
    Reset();
    taps_ = 1;
    times_[0] = 0;
    timesCount_ = 1;
}

// Far sooner than the beat: a bounce, or one input seen twice (a press and
// its double-click). Before a period is known, the one interval so far is
// the measure, but only a quarter of it: it may span missed beats, and the
// beat after it then comes at a half or a third of it.
bool TapTempo::IsBounce(std::int64_t interval) const {
    if (interval < kLeastBeatMs) return true;
    if (taps_ >= kTapsForPeriod) return interval < period_ / 2;
    return taps_ == 2 && 4 * interval < times_[1] - times_[0];
}

bool TapTempo::StartsOver(std::int64_t interval) const {
    if (taps_ == 0) return true;
    if (taps_ < kTapsForPeriod) return interval > kFirstPauseMs;
    return interval > 2.5 * period_ && interval >= kLeastRestartMs;
}

std::optional<TapReading> TapTempo::Beat(std::uint32_t time) {
    const std::int64_t interval = static_cast<std::uint32_t>(time - lastInput_);
    if (taps_ > 0 && IsBounce(interval)) return Reading();
    lastInput_ = time;
    // The same measure the other way: a second tap far sooner than the
    // third was a bounce of the first, and the series goes on from that.
    std::int64_t since = interval;
    if (taps_ == 2 && 4 * (times_[1] - times_[0]) < interval) {
        since += times_[1];
        taps_ = 1;
        timesCount_ = 1;
    }
    if (StartsOver(since)) {
        StartSeries();
        return std::nullopt;
    }
    const std::int64_t last = times_[timesCount_ - 1];
    if (timesCount_ == kFittedTaps) {
        std::copy(times_.begin() + 1, times_.end(), times_.begin());
        --timesCount_;
    }
    times_[timesCount_] = last + since;
    ++timesCount_;
    ++taps_;
    Fit();
    return Reading();
}

// The taps are numbered afresh each time, so that what later taps show of
// the beat corrects what the first ones could not.
void TapTempo::Fit() {
    // An interval counts the beats it spans once it is longer than 1.75 of
    // the usual one, its lower median, which one mistake cannot move.
    std::array<std::int64_t, kFittedTaps - 1> intervals{};
    const std::size_t intervalCount = timesCount_ - 1;
    for (std::size_t i = 0; i < intervalCount; ++i) intervals[i] = times_[i + 1] - times_[i];
    const auto median = intervals.begin() + (intervalCount - 1) / 2;
    std::nth_element(intervals.begin(), median, intervals.begin() + intervalCount);
    const double usual = static_cast<double>(*median);
    Beats beats{};
    for (std::size_t i = 1; i < timesCount_; ++i) {
        const double interval = static_cast<double>(times_[i] - times_[i - 1]);
        beats[i] = beats[i - 1] + (interval > 1.75 * usual ? std::llround(interval / usual) : 1);
    }

    Line line = LeastSquares(beats, times_, 0, timesCount_);
    // A series often starts before the hand has found the beat, so when the
    // first tap is out of step with the others while they keep in step, the
    // first is the one left out.
    if (timesCount_ == taps_ && timesCount_ >= 3) {
        const Line others = LeastSquares(beats, times_, 1, timesCount_);
        const auto inStep = [&](std::size_t i) {
            return std::abs(others.Residual(beats[i], times_[i])) <= others.period / 10;
        };
        bool othersInStep = true;
        for (std::size_t i = 1; i < timesCount_; ++i) othersInStep = othersInStep && inStep(i);
        if (othersInStep && !inStep(0)) line = others;
    }
    period_ = line.period;
    periodError_ = line.error;
}

std::optional<TapReading> TapTempo::Reading() const {
    if (taps_ < 2) return std::nullopt;
    TapReading reading{60000 / period_, taps_, std::nullopt};
    // d(60000 / p) = 60000 / p² dp.
    if (periodError_) reading.uncertainty = 60000 / (period_ * period_) * *periodError_;
    return reading;
}

}  // namespace rytmalo
