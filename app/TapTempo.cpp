#include "app/TapTempo.h"

#include <cmath>

#include "core/TempoRange.h"

namespace rytmalo {

std::optional<double> TapTempo::Beat(std::uint32_t time) {
    const std::uint32_t interval = time - last_;
    // One input seen twice (a press and its double-click) is one beat.
    if (count_ > 0 && interval == 0) return Current();
    last_ = time;
    if (count_ == 0 || interval > kPauseThatStartsOver) {
        count_ = 1;
        intervalCount_ = 0;
        return std::nullopt;
    }
    ++count_;
    if (intervalCount_ == kMaxIntervals) {
        for (std::size_t i = 1; i < kMaxIntervals; ++i) intervals_[i - 1] = intervals_[i];
        --intervalCount_;
    }
    intervals_[intervalCount_++] = interval;
    return Current();
}

std::optional<double> TapTempo::Current() const {
    if (intervalCount_ == 0) return std::nullopt;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < intervalCount_; ++i) sum += intervals_[i];
    return 60000.0 * static_cast<double>(intervalCount_) / static_cast<double>(sum);
}

std::optional<std::int32_t> AcceptedTempo(double tempo) {
    const double rounded = std::round(tempo);
    if (!(rounded >= kMinTempo && rounded <= kMaxTempo)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace rytmalo
