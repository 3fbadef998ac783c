// A delay in ms, Hz or samples: its exact length, the tempo of each value
// at it, and the closest value at the current tempo.
#include <cstdlib>

#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/DelayInput.h"
#include "core/DelayMatch.h"
#include "core/Divisions.h"

namespace rytmalo {
namespace {

using test::Nearest;

bool SameLength(ExactMs a, __int128 num, __int128 den) { return a.num * den == num * a.den; }

TEST(DelayInput, EachUnitGivesTheExactLength) {
    tk::NumberStyle french;
    french.decimal = L",";
    struct Case {
        const wchar_t* text;
        DelayUnit unit;
        __int128 num, den;  // 0 / 0: refused
    };
    const Case cases[] = {{L"375", DelayUnit::Milliseconds, 375, 1},
                          {L"333,3335", DelayUnit::Milliseconds, 333334, 1000},
                          {L"0.001", DelayUnit::Milliseconds, 1, 1000},
                          {L"2,667", DelayUnit::Hertz, 1000000, 2667},
                          {L"3", DelayUnit::Hertz, 1000, 3},
                          {L"16538", DelayUnit::Samples44k, 16538000, 44100},
                          {L"18000", DelayUnit::Samples48k, 375, 1},
                          {L"10000000000", DelayUnit::Samples48k, 10000000000000, 48000},
                          {L"16538,5", DelayUnit::Samples44k, 16539000, 44100},
                          {L"0", DelayUnit::Milliseconds, 0, 0},
                          {L"0,0004", DelayUnit::Hertz, 0, 0},
                          {L"10000000001", DelayUnit::Samples44k, 0, 0},
                          {L"abc", DelayUnit::Hertz, 0, 0}};
    for (const Case& c : cases) {
        const auto delay = ParseDelay(c.text, c.unit, french);
        if (c.den == 0) {
            EXPECT_FALSE(delay) << c.text;
        } else {
            ASSERT_TRUE(delay) << c.text;
            EXPECT_TRUE(SameLength(*delay, c.num, c.den)) << c.text;
        }
    }
}

TEST(DelayMatch, TheTempoOfEachValueAtADelayInAnyUnit) {
    for (const int unit : {2, 4, 8, 16, 5}) {
        for (const NoteValue& v : AllDivisions()) {
            // The delay given in microseconds gives what the detailed table
            // gives today.
            for (const std::int64_t us : {1, 333333, 375000, 123456789}) {
                EXPECT_EQ(TenthsOfTempoFor(v, *DelayOf(us, DelayUnit::Milliseconds),
                                           static_cast<BeatUnit>(unit)),
                          TenthsOfTempoFor(v, us, static_cast<BeatUnit>(unit)));
            }
            // tenths = 10 × 60000 × unit × (quarters / 4 per) / ms, the
            // delay being samples × 1000 / rate ms.
            for (const std::int64_t samples : {1, 16538, 18000, 999999}) {
                const auto tenths = TenthsOfTempoFor(v, *DelayOf(samples, DelayUnit::Samples44k),
                                                     static_cast<BeatUnit>(unit));
                EXPECT_EQ(tenths, Nearest(__int128{600000} * test::Unit(unit) * v.quarters * 44100,
                                          __int128{4} * v.per * samples * 1000));
            }
            // A delay in hertz: ms = 1000 / Hz.
            EXPECT_EQ(
                TenthsOfTempoFor(v, *DelayOf(2667, DelayUnit::Hertz), 4),
                Nearest(__int128{600000} * 4 * v.quarters * 2667, __int128{4} * v.per * 1000000));
        }
    }
    EXPECT_EQ(TenthsOfTempoFor(AllDivisions()[15], *DelayOf(375000, DelayUnit::Milliseconds), 4),
              1200);
    EXPECT_FALSE(TenthsOfTempoFor(AllDivisions()[0], ExactMs{0, 1}, 4));
}

TEST(DelayMatch, TheClosestValueByRatioAndHowFarTheDelayIsFromIt) {
    struct Case {
        std::int64_t microseconds;
        std::wstring_view value;
        std::int64_t hundredthsOfPercent;
    };
    // At 120 with a quarter beat, among the detailed table's values.
    const Case cases[] = {
        {375000, L"Croche pointée", 0},
        {380000, L"Croche pointée", 133},
        {2100000, L"Ronde", 500},
        // 230 ms over the half note, 270 under the dotted half: by ratio
        // (1.23 against 1.22) the dotted half is closer.
        {1230000, L"Blanche pointée", -1800},
        {10000000, L"Ronde pointée", 23333},
        {1000, L"Quadruple croche", -9680},
        {333333, L"Triolet de noires", 0},
        {333300, L"Triolet de noires", -1},
    };
    const std::span<const NoteValue> table(NoteValues());
    for (const Case& c : cases) {
        const auto closest =
            ClosestValueTo(*DelayOf(c.microseconds, DelayUnit::Milliseconds), table, 12000, 4);
        ASSERT_TRUE(closest) << c.microseconds;
        EXPECT_EQ(table[closest->index].name, c.value) << c.microseconds;
        EXPECT_EQ(closest->hundredthsOfPercent, c.hundredthsOfPercent) << c.microseconds;
    }
    // Each division's own length, to the hundredth of a ms, finds that
    // division, a few hundredths of a percent off at most.
    for (const ExactTempo tempo : {1000, 11755, 25000}) {
        for (const int unit : {2, 16}) {
            for (std::size_t i = 0; i < kDivisionCount; ++i) {
                const auto ms100 = FiguresOf(AllDivisions()[i], tempo, unit, {})->hundredthsOfMs;
                const auto closest = ClosestValueTo(*DelayOf(ms100 * 10, DelayUnit::Milliseconds),
                                                    AllDivisions(), tempo, unit);
                EXPECT_EQ(closest->index, i) << tempo << " " << unit;
                EXPECT_LE(std::llabs(closest->hundredthsOfPercent), 10);
            }
        }
    }
    EXPECT_FALSE(ClosestValueTo({375, 1}, {}, 12000, 4));
    EXPECT_FALSE(ClosestValueTo({375, 1}, table, 25001, 4));
    EXPECT_FALSE(ClosestValueTo({0, 1}, table, 12000, 4));
}

}  // namespace
}  // namespace rytmalo
