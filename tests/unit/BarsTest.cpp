// Bars and the clock time, against exact fractions computed here.
#include "core/Bars.h"

#include <numeric>

#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/Duration.h"

namespace rytmalo {
namespace {

TEST(Bars, WorkedExamplesNamesAndSignaturesOfStoredSettings) {
    // 12/8 at 133.33 to the quarter: the beat is the quarter whatever the
    // signature, its count the eighth, its pulse the dotted quarter.
    const auto twelve = BarRows({12, 8}, 13333, 4, {});
    ASSERT_EQ(twelve.size(), 9u);
    EXPECT_EQ(twelve[0].name, L"Temps (noire)");
    EXPECT_EQ(twelve[0].hundredthsOfMs, 45001);
    EXPECT_EQ(twelve[1].name, L"Unité de la mesure (croche)");
    EXPECT_EQ(twelve[1].hundredthsOfMs, 22501);
    EXPECT_EQ(twelve[2].name, L"Pulsation (noire pointée)");
    EXPECT_EQ(twelve[3].name, L"1 mesure");
    EXPECT_EQ(BarRows({7, 8}, 12000, 4, {})[2].hundredthsOfMs, 175000);
    // To the eighth, the count is the beat: no row of its own.
    const auto rows = BarRows({6, 8}, 13300, 8, {});
    EXPECT_EQ(rows[0].name, L"Temps (croche)");
    EXPECT_EQ(rows[1].name, L"Pulsation (noire pointée)");
    EXPECT_EQ(rows[2].name, L"1 mesure");
    EXPECT_EQ(rows[2].hundredthsOfMs, 270677);
    EXPECT_EQ(rows[7].name, L"32 mesures");
    // Each compound pulse is the value twice as long as the count, dotted.
    const std::pair<int, const wchar_t*> pulses[] = {
        {1, L"carrée pointée"}, {2, L"ronde pointée"},   {4, L"blanche pointée"},
        {8, L"noire pointée"},  {16, L"croche pointée"}, {32, L"double croche pointée"}};
    for (const auto& [denominator, pulse] : pulses) {
        const auto six = BarRows({6, denominator}, 12000, 2, {});
        ASSERT_EQ(six.size(), denominator == 2 ? 8u : 9u);
        EXPECT_EQ(six[six.size() - 7].name, L"Pulsation (" + std::wstring(pulse) + L")");
    }
    EXPECT_EQ(BarRows({6, 16}, 12000, 4, {})[2].name, L"Pulsation (croche pointée)");
    EXPECT_EQ(BarRows({3, 32}, 12000, 16, {})[1].name, L"Unité de la mesure (triple croche)");
    EXPECT_EQ(BarRows({2, 2}, 12000, 16, {})[0].name, L"Temps (double croche)");
    EXPECT_TRUE(IsValidSignature({}));
    EXPECT_TRUE(TimeSignature{}.numerator == 4 && TimeSignature{}.denominator == 4);
    for (const TimeSignature bad : {TimeSignature{0, 4}, {33, 4}, {4, 0}, {4, 3}, {4, 64}, {-4, 4}})
        EXPECT_TRUE(!IsValidSignature(bad) && BarRows(bad, 12000, 4, {}).empty());
    EXPECT_TRUE(BarRows({4, 4}, 999, 4, {}).empty());
}

TEST(Bars, ClockTimes) {
    const std::pair<std::int64_t, const wchar_t*> cases[] = {
        {8000, L"0:08.000"},   {0, L"0:00.000"},           {59999, L"0:59.999"},
        {61005, L"1:01.005"},  {3599999, L"59:59.999"},    {3600000, L"1:00:00.000"},
        {-1500, L"-0:01.500"}, {98304000, L"27:18:24.000"}};
    for (const auto& [ms, text] : cases) EXPECT_EQ(ClockText(ms), text);
}

// Down to 32 bars of 32/1 at 10 BPM with a sixteenth-note beat, at 192 kHz:
// 98304 s, 18874368000 samples.
TEST(Bars, EverySignatureUnitAndTempoMatchesTheExactFraction) {
    for (const ExactTempo tempo : {1000, 11755, 12000, 13300, 25000}) {
        for (const int unit : {2, 4, 8, 16, 0}) {
            for (int num = 1; num <= 32; ++num) {
                for (const int den : {1, 2, 4, 8, 16, 32}) {
                    SCOPED_TRACE(testing::Message()
                                 << tempo << " " << unit << " " << num << "/" << den);
                    const auto rows =
                        BarRows({num, den}, tempo, static_cast<BeatUnit>(unit), {192000, 44100});
                    const bool compound = num >= 6 && num % 3 == 0;
                    const bool count = den != test::Unit(unit);
                    ASSERT_EQ(rows.size(), 7u + count + compound);
                    // Whole note: 60000 × 100 × unit / tempo ms; each row
                    // is a / b of it, kept in lowest terms.
                    const auto check = [&](const BarRow& row, __int128 a, __int128 b) {
                        const __int128 p = __int128{6'000'000} * test::Unit(unit) * a;
                        const __int128 q = __int128{tempo} * b;
                        EXPECT_EQ(row.hundredthsOfMs, test::Nearest(100 * p, q));
                        EXPECT_EQ(row.clock, ClockText(test::Nearest(p, q)));
                        EXPECT_EQ(row.samples[0], test::Nearest(p * 192, q));
                        EXPECT_EQ(row.samples[1], test::Nearest(p * 441, q * 10));
                        EXPECT_EQ(std::gcd(row.length.num, row.length.den), 1);
                    };
                    check(rows[0], 1, test::Unit(unit));
                    if (count) check(rows[1], 1, den);
                    if (compound) check(rows[1 + count], 3, den);
                    for (std::size_t i = 0; i < 6; ++i)
                        check(rows[rows.size() - 6 + i], __int128{num} << i, den);
                }
            }
        }
    }
}

}  // namespace
}  // namespace rytmalo
