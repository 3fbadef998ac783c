// Frames per beat and bar, and the film click both ways.
#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/FilmClick.h"
#include "core/FrameRates.h"

namespace rytmalo {
namespace {

using test::Nearest;

TEST(FrameRates, TheVideoRatesAreExactAndEveryRateMatchesTheExactFraction) {
    // 23.976, 29.97, 47.952, 59.94 and 119.88 are the video rates, not
    // their rounded names; the rates ascend.
    const std::pair<std::size_t, std::int64_t> video[] = {
        {0, 24000}, {3, 30000}, {5, 48000}, {8, 60000}, {10, 120000}};
    for (const auto& [i, per1001] : video)
        EXPECT_EQ(kFrameRates[i].num * 1001, per1001 * kFrameRates[i].den) << i;
    EXPECT_EQ(kFrameRates[6].num, 48 * kFrameRates[6].den);
    for (std::size_t i = 1; i < kFrameRateCount; ++i)
        EXPECT_LT(kFrameRates[i - 1].shownThousandths, kFrameRates[i].shownThousandths);
    for (const FrameRate& rate : kFrameRates) {
        EXPECT_EQ(Nearest(__int128{1000} * rate.num, rate.den), rate.shownThousandths);
        for (const ExactTempo tempo : {1000, 11755, 12000, 13333, 25000}) {
            for (const int unit : {2, 4, 8, 16, 1}) {
                for (const TimeSignature sig : {TimeSignature{4, 4}, {7, 8}, {32, 1}, {1, 32}}) {
                    SCOPED_TRACE(testing::Message()
                                 << rate.shownThousandths << " " << tempo << " " << unit << " "
                                 << sig.numerator << "/" << sig.denominator);
                    const auto f = FiguresAt(rate, tempo, static_cast<BeatUnit>(unit), sig);
                    ASSERT_TRUE(f);
                    // Frames per beat: fps × 60 / (tempo / 100).
                    const __int128 p = __int128{rate.num} * 60 * 100;
                    const __int128 q = __int128{rate.den} * tempo;
                    EXPECT_EQ(f->thousandthsPerBeat, Nearest(1000 * p, q));
                    EXPECT_EQ(
                        f->thousandthsPerBar,
                        Nearest(1000 * p * sig.numerator * test::Unit(unit), q * sig.denominator));
                    EXPECT_EQ(f->clickEighths, Nearest(8 * p, q));
                }
            }
        }
    }
    // 120 at 24 frames: 12 frames a beat, 48 a bar of 4/4, "12-0".
    const auto at120 = *FiguresAt(kFrameRates[1], 12000, 4, {});
    EXPECT_EQ(at120.thousandthsPerBar, 48000);
    EXPECT_EQ(ClickText(at120.clickEighths), L"12-0");
    EXPECT_FALSE(FiguresAt(kFrameRates[1], 999, 4, {}));
    EXPECT_FALSE(FiguresAt(kFrameRates[1], 12000, 4, {4, 6}));
}

TEST(FilmClick, TypedClicks) {
    const std::pair<const wchar_t*, std::optional<std::int64_t>> cases[] = {
        {L"12-2", 98}, {L"12", 96},   {L"12-0", 96},        {L" 12 - 7 ", 103},
        {L"0-1", 1},   {L"12-8", {}}, {L"12-", {}},         {L"-2", {}},
        {L"0", {}},    {L"0-0", {}},  {L"12-22", {}},       {L"1 2-2", {}},
        {L"12,5", {}}, {L"", {}},     {L"99999-7", 799999}, {L"100000", {}}};
    for (const auto& [text, eighths] : cases) EXPECT_EQ(ParseClick(text), eighths) << text;
    EXPECT_EQ(ClickText(98), L"12-2");
    EXPECT_EQ(ClickText(7), L"0-7");
}

TEST(FilmClick, TheTempoOfAClickAtEachRate) {
    EXPECT_EQ(TempoOfClick(98, kFrameRates[1]), 11755);  // "12-2" at 24 frames
    for (const FrameRate& rate : kFrameRates) {
        for (std::int64_t eighths = 1; eighths < 8 * 400; eighths += 7) {
            const std::int64_t tempo =
                Nearest(__int128{rate.num} * 60 * 8 * 100, __int128{rate.den} * eighths);
            const auto got = TempoOfClick(eighths, rate);
            if (tempo >= 1000 && tempo <= 25000) {
                EXPECT_EQ(got, tempo) << eighths;
                // And back: with two decimals, a slow click at a high rate
                // may come back an eighth off, no more.
                EXPECT_NEAR(FiguresAt(rate, *got, 4, {})->clickEighths, eighths, 1);
            } else {
                EXPECT_EQ(got, std::nullopt) << eighths;
            }
        }
        EXPECT_EQ(TempoOfClick(0, rate), std::nullopt);
    }
}

}  // namespace
}  // namespace rytmalo
