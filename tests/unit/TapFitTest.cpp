// Tap tempo by least squares, on injected input times.
#include "core/TapTempo.h"

#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

// The fit computed here from plain sums: tempo and its uncertainty for
// (beat number, ms) points.
std::pair<double, double> Fit(const std::vector<std::pair<long double, long double>>& points) {
    long double n = points.size(), sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const auto& [x, y] : points) sx += x, sy += y, sxx += x * x, sxy += x * y;
    const long double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const long double intercept = (sy - slope * sx) / n;
    long double ss = 0;
    for (const auto& [x, y] : points)
        ss += (y - intercept - slope * x) * (y - intercept - slope * x);
    const long double se = std::sqrt(ss / (n - 2) / (sxx - sx * sx / n));
    return {static_cast<double>(60000 / slope), static_cast<double>(60000 * se / (slope * slope))};
}

std::optional<TapReading> Taps(TTapTempo& tap, std::uint32_t start,
                               std::initializer_list<std::uint32_t> offsets) {
    std::optional<TapReading> reading;
    for (const std::uint32_t t : offsets) reading = tap.Beat(start + t);
    return reading;
}

TEST(TTapTempo, SteadyTapsAtEveryTempoFromTenTo250AcrossTheTickWrap) {
    for (const std::uint32_t start : {0u, 0xFFFFF000u}) {
        for (const std::uint32_t interval : {6000u, 500u, 240u}) {
            TTapTempo tap;
            EXPECT_FALSE(tap.Beat(start)) << "one beat is no tempo";
            const auto second = tap.Beat(start + interval);
            EXPECT_DOUBLE_EQ(second->bpm, 60000.0 / interval);
            EXPECT_FALSE(second->uncertainty) << "two taps give no spread";
            for (std::uint32_t i = 2; i < 40; ++i) {
                const auto r = tap.Beat(start + i * interval);
                ASSERT_TRUE(r);
                EXPECT_NEAR(r->bpm, 60000.0 / interval, 1e-9);
                EXPECT_EQ(r->taps, i + 1);
                EXPECT_NEAR(*r->uncertainty, 0, 1e-9);
            }
        }
    }
}

TEST(TTapTempo, JitteredTapsGiveTheLeastSquaresFitOfTheLastSixteen) {
    const int jitter[] = {0,  13,  -9, 4,  -17, 22,  -3, 8,  -12, 5,
                          19, -21, 2,  -6, 11,  -14, 7,  -1, 16,  -8};
    TTapTempo tap;
    std::vector<std::pair<long double, long double>> points;
    for (int i = 0; i < 20; ++i) {
        const int ms = 600 * i + jitter[i];
        const auto r = tap.Beat(static_cast<std::uint32_t>(ms));
        points.emplace_back(i, ms);
        if (points.size() > 16) points.erase(points.begin());
        if (i < 2) continue;
        const auto [bpm, error] = Fit(points);
        EXPECT_NEAR(r->bpm, bpm, 1e-9) << i;
        EXPECT_NEAR(*r->uncertainty, error, 1e-9) << i;
        EXPECT_GT(*r->uncertainty, 0.01) << i;
    }
    // Not the mean interval of the first and last tap.
    EXPECT_GT(std::abs(tap.Beat(600 * 20 + 3)->bpm - 60000.0 * 20 / (600 * 20 + 3)), 0.01);
}

TEST(TTapTempo, MissedBeatsAndBouncesOnceThreeTapsSetThePeriod) {
    struct Case {
        std::initializer_list<std::uint32_t> times;
        double bpm;
        std::size_t taps;
    };
    const Case cases[] = {
        {{0, 500, 1000, 2000, 2500}, 120, 5},  // one beat missed
        {{0, 500, 1000, 2500, 3000}, 120, 5},  // two missed
        {{0, 500, 1000, 1100, 1500}, 120, 4},  // a bounce
        {{0, 500, 1000, 1249, 1500}, 120, 4},  // less than half a period
        {{0, 500, 1500}, 80, 3},               // no period yet: one beat
        {{0, 500, 550}, 60000.0 / 275, 3},     // no period yet: no bounce
        {{0, 500, 1000, 1000, 1500}, 120, 4},  // one input seen twice
    };
    for (const Case& c : cases) {
        TTapTempo tap;
        const auto r = Taps(tap, 0, c.times);
        EXPECT_EQ(r->taps, c.taps) << *(c.times.end() - 2);
        EXPECT_NEAR(r->bpm, c.bpm, 1e-9) << *(c.times.end() - 2);
    }
    // 1.75 periods exactly is still the next beat; half a period is a tap.
    TTapTempo edge;
    EXPECT_NEAR(Taps(edge, 0, {0, 500, 1000, 1875})->bpm,
                Fit({{0, 0}, {1, 500}, {2, 1000}, {3, 1875}}).first, 1e-9);
    TTapTempo half;
    EXPECT_EQ(Taps(half, 0, {0, 500, 1000, 1250})->taps, 4u);
}

TEST(TTapTempo, APauseStartsANewSeriesAndResetStartsOver) {
    struct Case {
        std::initializer_list<std::uint32_t> times;
        std::size_t taps;  // 0: the last tap started a series
    };
    const Case cases[] = {
        {{0, 6500}, 2},  // before a period: up to 6.5 s
        {{0, 6501}, 0},
        {{0, 500, 1000, 2999}, 4},  // after: at least 2 s...
        {{0, 500, 1000, 3000}, 0},
        {{0, 6000, 12000, 27000}, 4},  // ...and longer than 2.5 periods
        {{0, 6000, 12000, 27001}, 0},
    };
    for (const Case& c : cases) {
        TTapTempo tap;
        const auto r = Taps(tap, 0xFFFFFFFFu, c.times);
        EXPECT_EQ(r ? r->taps : 0, c.taps) << *(c.times.end() - 1);
    }
    TTapTempo tap;
    Taps(tap, 0, {0, 500, 1000, 3000});
    EXPECT_NEAR(tap.Beat(3250)->bpm, 240, 1e-9) << "the new series alone";
    tap.Reset();
    EXPECT_FALSE(tap.Beat(3500));
    EXPECT_EQ(tap.Beat(4000)->taps, 2u);
}

}  // namespace
}  // namespace rytmalo
