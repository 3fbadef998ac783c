// Bars and the clock time, against exact fractions computed here.
#include "core/Bars.h"

#include <string>

#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/Duration.h"

namespace rytmalo {
namespace {

using test::Nearest;

TEST(Bars, SignaturesOfStoredSettings) {
    EXPECT_TRUE(IsValidSignature({}));
    EXPECT_EQ(TimeSignature{}.numerator, 4);
    EXPECT_EQ(TimeSignature{}.denominator, 4);
    for (const TimeSignature bad : {TimeSignature{0, 4}, {33, 4}, {4, 0}, {4, 3}, {4, 64}, {-4, 4}})
        EXPECT_FALSE(IsValidSignature(bad)) << bad.numerator << "/" << bad.denominator;
    EXPECT_TRUE(BarRows({4, 12}, 12000, 4, {}).empty());
    EXPECT_TRUE(BarRows({4, 4}, 999, 4, {}).empty());
}

TEST(Bars, WorkedExamples) {
    EXPECT_EQ(BarRows({7, 8}, 12000, 4, {})[1].hundredthsOfMs, 175000);
    EXPECT_EQ(BarRows({6, 8}, 13300, 8, {})[2].hundredthsOfMs, 270677);
    const auto rows = BarRows({6, 8}, 13300, 8, {});
    EXPECT_EQ(rows[0].name, L"Temps (croche)");
    EXPECT_EQ(rows[1].name, L"Pulsation (noire pointée)");
    EXPECT_EQ(rows[2].name, L"1 mesure");
    EXPECT_EQ(rows[7].name, L"32 mesures");
    // 4/4 at 120: a bar of two seconds, 32 of them 64 s.
    EXPECT_EQ(BarRows({4, 4}, 12000, 4, {})[1].clock, L"0:02.000");
    EXPECT_EQ(BarRows({4, 4}, 12000, 4, {})[6].clock, L"1:04.000");
}

TEST(Bars, ClockTimes) {
    const std::pair<std::int64_t, const wchar_t*> cases[] = {
        {8000, L"0:08.000"},         {0, L"0:00.000"},        {59999, L"0:59.999"},
        {61005, L"1:01.005"},        {3599999, L"59:59.999"}, {3600000, L"1:00:00.000"},
        {98304000, L"27:18:24.000"}, {-1500, L"-0:01.500"}};
    for (const auto& [ms, text] : cases) EXPECT_EQ(ClockText(ms), text);
}

TEST(Bars, EverySignatureUnitAndTempoMatchesTheExactFraction) {
    const SampleRates rates{192000, 44100};
    for (const ExactTempo tempo : {1000, 11755, 12000, 13300, 25000}) {
        for (const int unit : {2, 4, 8, 16, 0}) {
            for (int num = 1; num <= 32; ++num) {
                for (const int den : {1, 2, 4, 8, 16, 32}) {
                    SCOPED_TRACE(testing::Message()
                                 << tempo << " " << unit << " " << num << "/" << den);
                    const auto rows =
                        BarRows({num, den}, tempo, static_cast<BeatUnit>(unit), rates);
                    const bool compound = num >= 6 && num % 3 == 0;
                    ASSERT_EQ(rows.size(), compound ? 8u : 7u);
                    // Whole note: 60000 × 100 × unit / tempo ms; each row
                    // is counts / den of it.
                    const auto check = [&](const BarRow& row, __int128 counts) {
                        const __int128 p = __int128{6'000'000} * test::Unit(unit) * counts;
                        const __int128 q = __int128{tempo} * den;
                        EXPECT_EQ(row.hundredthsOfMs, Nearest(100 * p, q));
                        EXPECT_EQ(row.clock, ClockText(Nearest(p, q)));
                        EXPECT_EQ(row.samples[0], Nearest(p * 192, q));
                        EXPECT_EQ(row.samples[1], Nearest(p * 441, q * 10));
                    };
                    check(rows[0], 1);
                    if (compound) check(rows[1], 3);
                    for (std::size_t i = 0; i < 6; ++i)
                        check(rows[rows.size() - 6 + i], __int128{num} << i);
                }
            }
        }
    }
}

TEST(Bars, TheLongestLengthStaysExact) {
    // 32 bars of 32/1 at 10 BPM with a sixteenth-note beat: 98304 s.
    const auto rows = BarRows({32, 1}, 1000, 16, {192000, 176400});
    EXPECT_EQ(rows.back().hundredthsOfMs, 9'830'400'000);
    EXPECT_EQ(rows.back().samples[0], 18'874'368'000);
    EXPECT_EQ(rows.back().clock, L"27:18:24.000");
}

}  // namespace
}  // namespace rytmalo
