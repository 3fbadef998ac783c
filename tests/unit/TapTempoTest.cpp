// Tap tempo from the times of the taps.
#include "app/TapTempo.h"

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

// Beats at the given times; the tempo after the last one.
std::optional<double> Tap(TapTempo& tap, std::initializer_list<std::uint32_t> times) {
    std::optional<double> tempo;
    for (std::uint32_t t : times) tempo = tap.Beat(t);
    return tempo;
}

TEST(TapTempo, FromTheSecondBeatTheMeanOfTheLastIntervalsAtMostEight) {
    TapTempo tap;
    EXPECT_EQ(tap.Beat(1000), std::nullopt) << "one beat is no tempo";
    EXPECT_DOUBLE_EQ(*tap.Beat(1500), 120.0);
    // Uneven taps: the mean interval, not the last one.
    EXPECT_DOUBLE_EQ(*tap.Beat(1900), 60000.0 / 450);
    EXPECT_DOUBLE_EQ(*Tap(tap, {2500, 3000}), 60000.0 * 4 / 2000);

    // A first interval of 100 ms, then 600 ms ones: it counts while it is
    // one of the last eight, and no longer after.
    TapTempo steady;
    EXPECT_DOUBLE_EQ(*Tap(steady, {0, 100, 700, 1300, 1900, 2500, 3100, 3700, 4300}),
                     60000.0 * 8 / 4300);
    EXPECT_DOUBLE_EQ(*Tap(steady, {4900}), 100.0);
}

TEST(TapTempo, APauseOfMoreThanThreeSecondsStartsOver) {
    TapTempo tap;
    Tap(tap, {0, 500, 1000});
    EXPECT_DOUBLE_EQ(*tap.Beat(4000), 60000.0 * 3 / 4000) << "three seconds: still the run";
    EXPECT_EQ(tap.Beat(7001), std::nullopt) << "a longer pause is a first beat";
    EXPECT_DOUBLE_EQ(*tap.Beat(7251), 240.0);
    // The same input seen twice is one beat.
    EXPECT_DOUBLE_EQ(*tap.Beat(7251), 240.0);
    EXPECT_DOUBLE_EQ(*tap.Beat(7501), 240.0);
    tap.Reset();
    EXPECT_EQ(tap.Beat(7800), std::nullopt);
}

TEST(TapTempo, TimesThatWrapAroundStillGiveTheInterval) {
    TapTempo tap;
    tap.Beat(0xFFFFFF00u);
    EXPECT_DOUBLE_EQ(*tap.Beat(0x00000100u), 60000.0 / 512);
}

TEST(TapTempo, OnlyTemposTheBoxAcceptsAreTakenRounded) {
    EXPECT_EQ(AcceptedTempo(119.5), 120);
    EXPECT_EQ(AcceptedTempo(120.49), 120);
    EXPECT_EQ(AcceptedTempo(9.5), 10);
    EXPECT_EQ(AcceptedTempo(250.49), 250);
    EXPECT_EQ(AcceptedTempo(9.49), std::nullopt);
    EXPECT_EQ(AcceptedTempo(250.5), std::nullopt);
}

}  // namespace
}  // namespace rytmalo
