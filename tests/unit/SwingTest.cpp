// Swung eighths and sixteenths, against exact fractions worked out here.
#include "core/Swing.h"

#include <gtest/gtest.h>

#include "ExactQuotient.h"

namespace rytmalo {
namespace {

TEST(Swing, WorkedSwingsTempoAndUnits) {
    const auto sixty = *SwingAt(6000, 12000, 4);
    EXPECT_EQ(sixty.eighths, (SwungPair{30000, 20000, 5000}));
    EXPECT_EQ(sixty.sixteenths, (SwungPair{15000, 10000, 2500}));
    EXPECT_EQ(SwingAt(kStraightSwing, 12000, 4)->eighths, (SwungPair{25000, 25000, 0}));
    EXPECT_EQ(SwingAt(kTripletSwing, 12000, 4)->eighths, (SwungPair{33335, 16665, 8335}));
    EXPECT_EQ(SwingAt(kHardestSwing, 12000, 4)->sixteenths, (SwungPair{18750, 6250, 6250}));
    // To the eighth, a quarter is two beats: 1000 ms at 120.
    EXPECT_EQ(SwingAt(6000, 12000, 8)->eighths, (SwungPair{60000, 40000, 10000}));
    EXPECT_FALSE(SwingAt(4999, 12000, 4) || SwingAt(7501, 12000, 4) || SwingAt(6000, 999, 4));
    tk::NumberStyle french;
    french.decimal = L",";
    const std::pair<const wchar_t*, std::optional<std::int32_t>> typed[] = {
        {L"66,67", 6667}, {L"50", 5000}, {L"75,004", 7500}, {L"49,99", {}}, {L"75,01", {}}};
    for (const auto& [text, swing] : typed) EXPECT_EQ(ParseSwing(text, french), swing) << text;
}

// A quarter lasts 6e6 × unit / (4 × tempo) ms; each note is its part of
// the pair, rounded once; the long and short notes make the pair.
TEST(Swing, EveryTempoUnitAndSwingMatchesTheExactFraction) {
    using test::Nearest;
    for (ExactTempo tempo = 1000; tempo <= 25000; tempo += 173) {
        for (const int unit : {2, 4, 8, 16}) {
            for (std::int32_t swing = 5000; swing <= 7500; swing += 53) {
                const auto figures = *SwingAt(swing, tempo, static_cast<BeatUnit>(unit));
                for (const int per : {1, 2}) {
                    const SwungPair& pair = per == 1 ? figures.eighths : figures.sixteenths;
                    // Hundredths of ms, over 10000 for the swing.
                    const __int128 quarter = __int128{100} * 6'000'000 * test::Unit(unit);
                    const __int128 den = __int128{4} * per * tempo * 10'000;
                    EXPECT_EQ(pair.longNote, Nearest(quarter * swing, den));
                    EXPECT_EQ(pair.shortNote, Nearest(quarter * (10'000 - swing), den));
                    EXPECT_EQ(pair.lateness, Nearest(quarter * (2 * swing - 10'000), 2 * den));
                    EXPECT_NEAR(pair.longNote + pair.shortNote, Nearest(quarter * 10'000, den), 1);
                }
            }
        }
    }
}

}  // namespace
}  // namespace rytmalo
