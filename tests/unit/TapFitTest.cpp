// Tap tempo by least squares, on injected input times.
#include "core/TapTempo.h"

#include <cmath>
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
}

TEST(TapTempo, MissedBeatsBouncesAndRepeatsOnceThreeTapsSetThePeriod) {
    const std::tuple<std::vector<std::uint32_t>, double, std::size_t> cases[] = {
        {{0, 500, 1000, 2000, 2500}, 120, 5},  // one beat missed
        {{0, 500, 1000, 2400, 2900},
         Fit({{0, 0}, {1, 500}, {2, 1000}, {5, 2400}, {6, 2900}}).first,
         5},  // 2.8 periods: two missed
        {{0, 500, 1000, 1875}, Fit({{0, 0}, {1, 500}, {2, 1000}, {3, 1875}}).first, 4},
        {{0, 500, 1000, 1249, 1500}, 120, 4},  // a bounce
        {{0, 500, 1000, 1250}, Fit({{0, 0}, {1, 500}, {2, 1000}, {3, 1250}}).first, 4},
        {{0, 500, 1500}, 80, 3},            // no period yet: one beat
        {{0, 500, 550}, 60000.0 / 275, 3},  // no period yet: no bounce
        {{0, 500, 500, 1000}, 120, 3},      // one input seen twice
        {{0, 500, 1000, 1000, 1500}, 120, 4}};
    for (const auto& [times, bpm, taps] : cases) {
        TapTempo tap;
        const auto r = Taps(tap, 0, times);
        EXPECT_EQ(r->taps, taps) << times.back();
        EXPECT_NEAR(r->bpm, bpm, 1e-9) << times.back();
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
