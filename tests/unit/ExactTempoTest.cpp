// The exact tempo: typed, tapped, from a list, doubled and halved.
#include "core/ExactTempo.h"

#include "ExactQuotient.h"
#include "FrenchNumbers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

using test::French;

TEST(ExactTempo, WholeTempoIsTheNearestHalvesUp) {
    const std::pair<ExactTempo, std::int32_t> cases[] = {
        {11755, 118}, {11750, 118}, {11749, 117}, {1000, 10}, {1049, 10}, {1050, 11}, {25000, 250}};
    for (const auto& [tempo, whole] : cases) EXPECT_EQ(WholeTempo(tempo), whole) << tempo;
}

TEST(ExactTempo, TypedTextWithEitherMarkRoundedToTwoDecimals) {
    const std::pair<const wchar_t*, std::optional<ExactTempo>> cases[] = {
        {L"117,55", 11755},  {L"117.55", 11755}, {L" 120 ", 12000}, {L"117,555", 11756},
        {L"117,554", 11755}, {L"10", 1000},      {L"250", 25000},   {L"9,995", 1000},
        {L"9,99", {}},       {L"250,01", {}},    {L"250,005", {}},  {L"", {}},
        {L"12a", {}},        {L"-120", {}},      {L"1,2,3", {}}};
    for (const auto& [text, tempo] : cases) EXPECT_EQ(ParseTempo(text, French()), tempo) << text;
}

TEST(ExactTempo, TappedAndListedTemposKeepOneDecimalWithinTheRange) {
    const std::pair<std::int64_t, std::optional<ExactTempo>> tenths[] = {
        {1175, 11750}, {100, 1000}, {2500, 25000}, {99, {}}, {2501, {}}, {INT64_MAX / 5, {}}};
    for (const auto& [t, tempo] : tenths) EXPECT_EQ(TempoFromTenths(t), tempo) << t;
    const std::pair<double, std::optional<ExactTempo>> taps[] = {
        {117.54, 11750}, {117.56, 11760}, {9.96, 1000},      {9.94, {}},
        {250.06, {}},    {1e300, {}},     {std::nan(""), {}}};
    for (const auto& [bpm, tempo] : taps) EXPECT_EQ(TempoFromTap(bpm), tempo) << bpm;
}

TEST(ExactTempo, DoubledAndHalvedWithTheButtonsAllowedOnlyWithinTheRange) {
    // Tempo; doubled and whether allowed; halved and whether allowed.
    const std::tuple<ExactTempo, ExactTempo, bool, ExactTempo, bool> cases[] = {
        {11755, 23510, true, 5878, true},
        {12501, 25002, false, 6251, true},
        {12500, 25000, true, 6250, true},
        {1999, 3998, true, 1000, true},
        {1998, 3996, true, 999, false}};
    for (const auto& [tempo, doubled, up, halved, down] : cases) {
        EXPECT_EQ(std::pair(Doubled(tempo).tempo, Doubled(tempo).inRange), std::pair(doubled, up));
        EXPECT_EQ(std::pair(Halved(tempo).tempo, Halved(tempo).inRange), std::pair(halved, down));
    }
}

// ×2 and ÷2 in any order, as often as the range allows: back where it
// started, the very tempo; on the way, each value to the hundredth.
TEST(ExactTempo, SteppingBackGivesTheVeryTempo) {
    const auto step = [](SteppedTempo t, bool up) {
        const auto next = t.Step(up);
        EXPECT_TRUE(next.has_value());
        return next.value_or(t);
    };
    SteppedTempo t(11755);
    t = step(t, false);
    EXPECT_EQ(t.Tempo(), 5878) << "58,775 shown to the hundredth";
    t = step(t, true);
    EXPECT_EQ(t, SteppedTempo(11755));
    EXPECT_EQ(t.Tempo(), 11755);
    SteppedTempo slow(9700);
    for (int i = 0; i < 3; ++i) slow = step(slow, false);
    EXPECT_EQ(slow.Tempo(), 1213) << "12,125";
    EXPECT_FALSE(slow.Step(false)) << "6,06 is below 10";
    for (int i = 0; i < 3; ++i) slow = step(slow, true);
    EXPECT_EQ(slow.Tempo(), 9700);
    // Every tempo, down as far as the range goes and up to the top, then
    // back: each reached value is its start times a power of two, rounded.
    for (ExactTempo from = kSlowestTempo; from <= kFastestTempo; from += 137) {
        SteppedTempo walk(from);
        int steps = 0;
        while (const auto down = walk.Step(false)) {
            walk = *down;
            --steps;
            EXPECT_EQ(walk.Tempo(), test::Nearest(from, std::int64_t{1} << -steps));
        }
        while (const auto up = walk.Step(true)) {
            walk = *up;
            ++steps;
        }
        EXPECT_GT(walk.Tempo() * 2, kFastestTempo);
        while (steps > 0) {
            walk = step(walk, false);
            --steps;
        }
        EXPECT_EQ(walk.Tempo(), from);
    }
}

}  // namespace
}  // namespace rytmalo
