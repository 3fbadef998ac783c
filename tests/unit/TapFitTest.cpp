// Tap tempo by least squares, on injected input times, with the mistakes
// of a hand finding the beat.
#include "core/TapTempo.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

using Points = std::vector<std::pair<long double, long double>>;  // beat number, ms

// The fit computed here from plain sums: the tempo and its uncertainty.
std::pair<double, double> Fit(const Points& points) {
    long double n = points.size(), sx = 0, sy = 0, sxx = 0, sxy = 0, ss = 0;
    for (const auto& [x, y] : points) sx += x, sy += y, sxx += x * x, sxy += x * y;
    const long double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const long double intercept = (sy - slope * sx) / n;
    for (const auto& [x, y] : points) ss += std::pow(y - intercept - slope * x, 2);
    const long double se = std::sqrt(ss / (n - 2) / (sxx - sx * sx / n));
    return {static_cast<double>(60000 / slope), static_cast<double>(60000 * se / (slope * slope))};
}

std::optional<TapReading> Taps(TapTempo& tap, std::uint32_t start,
                               const std::vector<std::uint32_t>& offsets) {
    std::optional<TapReading> reading;
    for (const std::uint32_t t : offsets) reading = tap.Beat(start + t);
    return reading;
}

TEST(TapTempo, SteadyTapsAtEveryTempoFromTenTo250AcrossTheTickWrap) {
    for (const std::uint32_t start : {0u, 0xFFFFF000u}) {
        for (const std::uint32_t interval : {6000u, 500u, 240u}) {
            TapTempo tap;
            EXPECT_FALSE(tap.Beat(start)) << "one beat is no tempo";
            const auto second = tap.Beat(start + interval);
            EXPECT_DOUBLE_EQ(second->bpm, 60000.0 / interval);
            EXPECT_FALSE(second->uncertainty) << "two taps give no spread";
            for (std::uint32_t i = 2; i < 40; ++i) {
                const auto r = tap.Beat(start + i * interval);
                EXPECT_NEAR(r->bpm, 60000.0 / interval, 1e-9);
                EXPECT_EQ(r->taps, i + 1);
                EXPECT_NEAR(*r->uncertainty, 0, 1e-9);
            }
        }
    }
}

TEST(TapTempo, JitteredTapsGiveTheLeastSquaresFitOfTheLastSixteen) {
    const int jitter[] = {0, 13, -9, 4, -17, 22, -3, 8, -12, 5, 19, -21, 2, -6, 11, -14, 7, -1, 16};
    TapTempo tap;
    Points points;
    for (int i = 0; i < 19; ++i) {
        const auto r = tap.Beat(static_cast<std::uint32_t>(600 * i + jitter[i]));
        points.emplace_back(i, 600 * i + jitter[i]);
        if (points.size() > 16) points.erase(points.begin());
        if (i < 2) continue;
        EXPECT_NEAR(r->bpm, Fit(points).first, 1e-9) << i;
        EXPECT_NEAR(*r->uncertainty, Fit(points).second, 1e-9) << i;
        EXPECT_GT(*r->uncertainty, 0.01) << i;
    }
    // Once the series' first tap has left them, the oldest is fitted as any
    // other, even out of step.
    TapTempo steady;
    std::optional<TapReading> r;
    points.clear();
    for (int i = 0; i < 20; ++i) {
        r = steady.Beat(static_cast<std::uint32_t>(500 * i + (i == 4 ? 80 : 0)));
        if (i >= 4) points.emplace_back(i, 500 * i + (i == 4 ? 80 : 0));
    }
    EXPECT_NEAR(r->bpm, Fit(points).first, 1e-9);
}

TEST(TapTempo, MissedBeatsBouncesRepeatsAndAFirstTapOutOfStep) {
    const std::tuple<std::vector<std::uint32_t>, double, std::size_t> cases[] = {
        {{0, 500, 1000, 2000, 2500}, 120, 5},  // one beat missed
        {{0, 500, 1000, 2400, 2900},
         Fit({{0, 0}, {1, 500}, {2, 1000}, {5, 2400}, {6, 2900}}).first,
         5},  // 2.8 periods: two missed
        {{0, 500, 1000, 1875}, Fit({{0, 0}, {1, 500}, {2, 1000}, {3, 1875}}).first, 4},
        {{0, 500, 1000, 1249, 1500}, 120, 4},  // a bounce
        {{0, 500, 1000, 1250}, Fit({{0, 0}, {1, 500}, {2, 1000}, {3, 1250}}).first, 4},
        {{0, 500, 1500}, 120, 3},   // missed before a period is known...
        {{0, 1000, 1500}, 120, 3},  // ...even in the first gap
        {{0, 600, 749}, 100, 2},    // a bounce before it: under a quarter of the gap...
        {{0, 600, 750}, 400, 3},    // (a quarter: the gap spanned four beats)
        {{0, 199, 1000}, 60, 2},    // ...or of the gap after it
        {{0, 200, 1000}, 300, 3},
        {{0, 50}, 1200, 2},                    // 49 ms is never a beat, below
        {{0, 1100, 2100}, 60000.0 / 1050, 3},  // a first tap a tenth off is kept...
        {{0, 1101, 2101}, 60, 3},              // ...and past that left out
        {{0, 500, 500, 1000}, 120, 3},         // one input seen twice
        {{0, 500, 1000, 1000, 1500}, 120, 4}};
    for (const auto& [times, bpm, taps] : cases) {
        TapTempo tap;
        const auto r = Taps(tap, 0, times);
        EXPECT_EQ(r->taps, taps) << times.back();
        EXPECT_NEAR(r->bpm, bpm, 1e-9) << times.back();
    }
    TapTempo tap;
    EXPECT_FALSE(Taps(tap, 0xFFFFFFFFu, {0, 0, 49}))
        << "one instant: no reading, no infinite tempo";
    EXPECT_EQ(Taps(tap, 0xFFFFFFFFu, {6600, 6600}), std::nullopt) << "nor after a pause";
    EXPECT_NEAR(tap.Beat(0xFFFFFFFFu + 7100)->bpm, 120, 1e-9);
}

// Reproducible jitter, so that every run taps the same series.
class Jitter {
public:
    Jitter(double amplitude, std::uint32_t seed) : amplitude_(amplitude), state_(seed) {}
    // Uniform in [-amplitude, amplitude).
    double operator()() {
        state_ = state_ * 1664525u + 1013904223u;
        return amplitude_ * (static_cast<double>(state_ >> 8) / (1 << 23) - 1);
    }

private:
    double amplitude_;
    std::uint32_t state_;
};

// One mistake a hand makes while finding the beat.
enum Mistake { kBounce, kMissedBeat, kFirstGapLong, kFirstGapShort };
constexpr Mistake kMistakes[] = {kBounce, kMissedBeat, kFirstGapLong, kFirstGapShort};

// Twelve beats played with the mistake after tap `after` (a bounce `bounce`
// ms after it, the next beat missed) or in the first gap (a fifth of a beat
// long or short): each input's ms and the beat it plays, 0 for a bounce.
std::vector<std::pair<double, int>> Played(double period, Mistake mistake, int after, double bounce,
                                           Jitter jitter) {
    std::vector<std::pair<double, int>> inputs;
    for (int beat = 1; beat <= 12; ++beat) {
        if (mistake == kMissedBeat && beat == after + 1) continue;
        double ms = (beat - 1) * period + jitter();
        if (beat == 1 && mistake == kFirstGapLong) ms -= period / 5;
        if (beat == 1 && mistake == kFirstGapShort) ms += period / 5;
        inputs.emplace_back(ms, beat);
        if (mistake == kBounce && beat == after) inputs.emplace_back(ms + bounce, 0);
    }
    return inputs;
}

// Each mistake at each early place, on four jitter seeds.
std::vector<std::tuple<Mistake, int, std::uint32_t>> Cases() {
    std::vector<std::tuple<Mistake, int, std::uint32_t>> cases;
    for (const Mistake mistake : kMistakes) {
        for (int after = 1; after <= (mistake < kFirstGapLong ? 3 : 1); ++after) {
            for (std::uint32_t seed = 1; seed <= 4; ++seed)
                cases.emplace_back(mistake, after, seed);
        }
    }
    return cases;
}

// 95.4 BPM (628.93 ms a beat) with a bounce 30 ms after the second tap, the
// third beat missed, or the first gap a fifth long or short: from the third
// tap on, each reading and its ± are the fit of the true beats alone.
TEST(TapTempo, AnEarlyMistakeIsLeftOutOfTheFit) {
    const double period = 60000 / 95.4;
    for (const Mistake mistake : kMistakes) {
        TapTempo tap;
        Points points;
        std::size_t taps = 0;
        for (const auto& [at, beat] : Played(period, mistake, 2, 30, Jitter(0, 0))) {
            const auto ms = std::llround(at);
            const auto r = tap.Beat(0xFFFFFC00u + static_cast<std::uint32_t>(ms));
            taps += beat > 0;
            if (beat > 1 || (beat == 1 && mistake < kFirstGapLong)) points.emplace_back(beat, ms);
            if (taps < 3) continue;
            ASSERT_TRUE(r) << mistake;
            EXPECT_EQ(r->taps, taps) << mistake;
            EXPECT_NEAR(r->bpm, 95.4, 0.2) << mistake << " at " << ms;
            EXPECT_NEAR(r->bpm, Fit(points).first, 1e-9) << mistake << " at " << ms;
            if (points.size() < 3) {
                EXPECT_FALSE(r->uncertainty) << "two taps fitted give no spread";
            } else {
                EXPECT_NEAR(*r->uncertainty, Fit(points).second, 1e-9);
            }
        }
    }
}

// Any tempo, one mistake after the first, second or third tap, jitter: from
// the third tap on every reading is within 5 %, a bounce's the one before
// it, and from the eighth beat played within 1 BPM (1 % past 100 BPM, where
// the jitter is held to a sixtieth of the beat: ±10 ms over eight taps could
// move 250 BPM by over 4).
TEST(TapTempo, AnyEarlyMistakeAtAnyTempoIsForgivenByTheThirdTap) {
    for (const double bpm : {10.0, 20.0, 45.0, 95.4, 140.0, 200.0, 250.0}) {
        const double period = 60000 / bpm;
        for (const auto& [mistake, after, seed] : Cases()) {
            // Past the first tap, on even seeds, a stray press a fifth of a
            // beat early rather than a bounce.
            const double bounce = after > 1 && seed % 2 == 0 ? period / 5 : 30;
            const auto inputs =
                Played(period, mistake, after, bounce, Jitter(std::min(10.0, period / 60), seed));
            // Before a period is known such a gap is a pause that starts
            // over (a missed beat at 10 BPM).
            if (inputs[1].first - inputs[0].first > TapTempo::kFirstPauseMs ||
                inputs[2].first - inputs[1].first > TapTempo::kFirstPauseMs)
                continue;
            TapTempo tap;
            std::optional<TapReading> before;
            std::size_t taps = 0;
            const std::uint32_t start = 0u - static_cast<std::uint32_t>(period) * seed;
            for (const auto& [ms, beat] : inputs) {
                const auto r = tap.Beat(start + static_cast<std::uint32_t>(std::llround(ms)));
                taps += beat > 0;
                const auto where = testing::Message()
                                   << bpm << " BPM, mistake " << mistake << " after tap " << after
                                   << ", seed " << seed << ", at " << ms;
                if (beat == 0) {
                    EXPECT_EQ(r.has_value(), before.has_value()) << where;
                    if (r && before) {
                        EXPECT_EQ(r->bpm, before->bpm) << where;
                    }
                }
                before = r;
                if (taps < 3) continue;
                ASSERT_TRUE(r) << where;
                EXPECT_EQ(r->taps, taps) << where;
                EXPECT_NEAR(r->bpm, bpm, bpm / 20) << where;
                if (beat >= 8) {
                    EXPECT_NEAR(r->bpm, bpm, std::max(1.0, bpm / 100)) << where;
                }
            }
        }
    }
}

TEST(TapTempo, APauseStartsANewSeriesAndResetStartsOver) {
    const std::pair<std::vector<std::uint32_t>, std::size_t> cases[] = {
        {{0, 6500}, 2},  // before a period: up to 6.5 s; 0 taps: a new series
        {{0, 6501}, 0},
        {{0, 500, 1000, 2999}, 4},  // after: at least 2 s...
        {{0, 500, 1000, 3000}, 0},
        {{0, 6000, 12000, 27000}, 4},  // ...and longer than 2.5 periods
        {{0, 6000, 12000, 27001}, 0}};
    for (const auto& [times, taps] : cases) {
        TapTempo tap;
        const auto r = Taps(tap, 0xFFFFFFFFu, times);
        EXPECT_EQ(r ? r->taps : 0, taps) << times.back();
    }
    TapTempo tap;
    Taps(tap, 0, {0, 500, 1000, 3000});
    EXPECT_NEAR(tap.Beat(3250)->bpm, 240, 1e-9) << "the new series alone";
    tap.Reset();
    EXPECT_FALSE(tap.Beat(3500));
    EXPECT_EQ(tap.Beat(4000)->taps, 2u);
}

}  // namespace
}  // namespace rytmalo
