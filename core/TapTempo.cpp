#include "core/TapTempo.h"

#include <cmath>

namespace rytmalo {

void TapTempo::Reset() {
    taps_ = 0;
    fittedCount_ = 0;
    period_ = 0;
    periodError_.reset();
}

void TapTempo::StartSeries() {
    Reset();
    taps_ = 1;
    fitted_[0] = {0, 0};
    fittedCount_ = 1;
}

std::optional<TapReading> TapTempo::Beat(std::uint32_t time) {
    const std::int64_t interval = static_cast<std::uint32_t>(time - lastInput_);
    // One input seen twice (a press and its double-click) is one beat.
    if (taps_ > 0 && interval == 0) return Reading();
    const bool periodKnown = taps_ >= kTapsForPeriod;
    if (periodKnown && interval < period_ / 2) return Reading();  // a bounce

    const bool startsOver =
        taps_ == 0 || (periodKnown ? interval > 2.5 * period_ && interval >= kLeastRestartMs
                                   : interval > kFirstPauseMs);
    lastInput_ = time;
    if (startsOver) {
        StartSeries();
        return std::nullopt;
    }
    const Tap& last = fitted_[fittedCount_ - 1];
    std::int64_t beats = 1;
    if (periodKnown && interval > 1.75 * period_)
        beats = std::llround(static_cast<double>(interval) / period_);
    if (fittedCount_ == kFittedTaps) {
        for (std::size_t i = 1; i < kFittedTaps; ++i) fitted_[i - 1] = fitted_[i];
        --fittedCount_;
    }
    fitted_[fittedCount_] = {last.beat + beats, last.ms + interval};
    ++fittedCount_;
    ++taps_;
    Fit();
    return Reading();
}

// Least squares of time against beat number, on values taken from their
// means so that the sums keep their precision.
void TapTempo::Fit() {
    const double n = static_cast<double>(fittedCount_);
    double meanBeat = 0;
    double meanMs = 0;
    for (std::size_t i = 0; i < fittedCount_; ++i) {
        meanBeat += static_cast<double>(fitted_[i].beat - fitted_[0].beat);
        meanMs += static_cast<double>(fitted_[i].ms - fitted_[0].ms);
    }
    meanBeat /= n;
    meanMs /= n;
    double sxx = 0;
    double sxy = 0;
    for (std::size_t i = 0; i < fittedCount_; ++i) {
        const double x = static_cast<double>(fitted_[i].beat - fitted_[0].beat) - meanBeat;
        const double y = static_cast<double>(fitted_[i].ms - fitted_[0].ms) - meanMs;
        sxx += x * x;
        sxy += x * y;
    }
    period_ = sxy / sxx;
    periodError_.reset();
    if (fittedCount_ < 3) return;
    double residuals = 0;
    for (std::size_t i = 0; i < fittedCount_; ++i) {
        const double x = static_cast<double>(fitted_[i].beat - fitted_[0].beat) - meanBeat;
        const double y = static_cast<double>(fitted_[i].ms - fitted_[0].ms) - meanMs;
        const double r = y - period_ * x;
        residuals += r * r;
    }
    periodError_ = std::sqrt(residuals / (n - 2) / sxx);
}

std::optional<TapReading> TapTempo::Reading() const {
    if (taps_ < 2) return std::nullopt;
    TapReading reading{60000 / period_, taps_, std::nullopt};
    // d(60000 / p) = 60000 / p² dp.
    if (periodError_) reading.uncertainty = 60000 / (period_ * period_) * *periodError_;
    return reading;
}

}  // namespace rytmalo
