#include "core/DelayTable.h"

namespace rytmalo {
namespace {

// Each step is stored in a volatile double so that no step is kept in a
// wider register or fused with the next one: every intermediate value is
// rounded to double exactly once.
double Step(double value) {
    volatile double stored = value;
    return stored;
}

std::int32_t Truncate(double ms) { return static_cast<std::int32_t>(ms); }

}  // namespace

std::optional<DelayTable> ComputeDelays(float tempo, BeatUnit unit) {
    if (tempo == 0.0f) return std::nullopt;

    const double beat = Step(60.0 / static_cast<double>(tempo));
    double quarter = beat;
    switch (unit) {
        case 2: quarter = Step(beat / 2.0); break;
        case 8: quarter = Step(beat * 2.0); break;
        case 16: quarter = Step(beat * 4.0); break;
        default: break;
    }
    const double quarterMs = Step(quarter * 1000.0);
    return DelayTable{
        Truncate(Step(Step(quarter * 4.0) * 1000.0)),
        Truncate(Step(Step(quarter * 2.0) * 1000.0)),
        Truncate(quarterMs),
        Truncate(Step(quarterMs / 1.5)),
        Truncate(Step(quarterMs / 2.0)),
        Truncate(Step(quarterMs / 3.0)),
        Truncate(Step(quarterMs / 4.0)),
        Truncate(Step(quarterMs / 6.0)),
        Truncate(Step(quarterMs / 8.0)),
        Truncate(Step(quarterMs / 16.0)),
    };
}

}  // namespace rytmalo
