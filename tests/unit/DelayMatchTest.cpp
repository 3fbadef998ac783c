// A delay in ms, Hz or samples: its exact length, the tempo of each value
// at it, and the closest value at the current tempo.
#include <cstdlib>

#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "FrenchNumbers.h"
#include "core/DelayInput.h"
#include "core/DelayMatch.h"
#include "core/Divisions.h"

namespace rytmalo {
namespace {

TEST(DelayInput, EachUnitGivesTheExactLength) {
    const tk::NumberStyle french = test::French();
    struct Case {
        const wchar_t* text;
        DelayUnit unit;
        SampleRates rates;
        __int128 num, den;  // den 0: refused
    };
    using enum DelayUnit;
    const Case cases[] = {{L"333,3335", Milliseconds, {}, 333334, 1000},
                          {L"0.001", Milliseconds, {}, 1, 1000},
                          {L"2,667", Hertz, {}, 1000000, 2667},
                          {L"16538,5", SamplesFirst, {}, 16539000, 44100},
                          {L"18000", SamplesSecond, {}, 375, 1},
                          {L"10000000000", SamplesSecond, {}, 10000000000000, 48000},
                          {L"10000000001", SamplesFirst, {}, 0, 0},
                          {L"0,0004", Hertz, {}, 0, 0},
                          {L"abc", Milliseconds, {}, 0, 0},
                          // The samples units count at the rates chosen.
                          {L"72000", SamplesFirst, {96000, 44100}, 750, 1},
                          {L"72000", SamplesSecond, {96000, 44100}, 72000000, 44100},
                          {L"88200", SamplesSecond, {48000, 176400}, 500, 1},
                          {L"10000000000", SamplesFirst, {192000, 44100}, 10000000000000, 192000},
                          {L"1000", SamplesFirst, {0, 48000}, 0, 0}};
    for (const Case& c : cases) {
        const auto delay = ParseDelay(c.text, c.unit, c.rates, french);
        EXPECT_EQ(delay.has_value(), c.den != 0) << c.text;
        if (delay) {
            EXPECT_TRUE(delay->num * c.den == c.num * delay->den) << c.text;
        }
    }
    EXPECT_FALSE(DelayOf(10'000'000'001, Milliseconds, {}));
    EXPECT_FALSE(DelayOf(0, Hertz, {}));
}

TEST(DelayMatch, TheTempoOfEachValueAtADelayInAnyUnit) {
    for (const int unit : {2, 4, 8, 16, 5}) {
        const auto beat = static_cast<BeatUnit>(unit);
        for (const NoteValue& v : AllDivisions()) {
            // In microseconds it gives what the detailed table gives today.
            for (const std::int64_t us : {1, 333333, 375000, 123456789})
                EXPECT_EQ(TenthsOfTempoFor(v, *DelayOf(us, DelayUnit::Milliseconds, {}), beat),
                          TenthsOfTempoFor(v, us, beat));
            // tenths = 10 × 60000 × unit × (quarters / 4 per) / ms, with
            // samples × 1000 / 44100 ms or 1000 / Hz ms.
            const __int128 p = __int128{600000} * test::Unit(unit) * v.quarters;
            for (const std::int64_t samples : {1, 16538, 999999})
                EXPECT_EQ(TenthsOfTempoFor(v, *DelayOf(samples, DelayUnit::SamplesFirst, {}), beat),
                          test::Nearest(p * 44100, __int128{4} * v.per * samples * 1000));
            EXPECT_EQ(TenthsOfTempoFor(v, *DelayOf(2667, DelayUnit::Hertz, {}), beat),
                      test::Nearest(p * 2667, __int128{4} * v.per * 1000000));
        }
    }
    EXPECT_FALSE(TenthsOfTempoFor(AllDivisions()[0], ExactMs{0, 1}, 4));
}

TEST(DelayMatch, TheClosestValueByRatioAndHowFarTheDelayIsFromIt) {
    // At 120 with a quarter beat, among the detailed table's values.
    const std::tuple<std::int64_t, std::wstring_view, std::int64_t> cases[] = {
        {375000, L"Croche pointée", 0},
        {380000, L"Croche pointée", 133},
        {2100000, L"Ronde", 500},
        // 240 ms over the dotted half note, 260 under the whole note: by
        // ratio (1.16 against 1.149) the whole note is closer.
        {1740000, L"Ronde", -1300},
        {10000000, L"Ronde pointée", 23333},
        {1000, L"Quadruple croche", -9680},
        {333300, L"Triolet de noires", -1}};
    const std::span<const NoteValue> table(NoteValues());
    for (const auto& [us, name, percent] : cases) {
        const auto closest =
            ClosestValueTo(*DelayOf(us, DelayUnit::Milliseconds, {}), table, 12000, 4);
        EXPECT_EQ(table[closest->index].name, name) << us;
        EXPECT_EQ(closest->hundredthsOfPercent, percent) << us;
    }
    // 1 s is as far from a 2 s whole note as from a 500 ms quarter: the
    // earlier one.
    const NoteValue wholeAndQuarter[] = {NoteValues()[0], NoteValues()[6]};
    EXPECT_EQ(ClosestValueTo({1000, 1}, wholeAndQuarter, 12000, 4)->hundredthsOfPercent, -5000);
    // Each division's own length, to the hundredth of a ms, finds it.
    for (const ExactTempo tempo : {1000, 11755, 25000}) {
        for (const BeatUnit unit : {2, 16}) {
            for (std::size_t i = 0; i < kDivisionCount; ++i) {
                const auto ms100 = FiguresOf(AllDivisions()[i], tempo, unit, {})->hundredthsOfMs;
                EXPECT_EQ(ClosestValueTo({ms100, 100}, AllDivisions(), tempo, unit)->index, i);
            }
        }
    }
    EXPECT_FALSE(ClosestValueTo({375, 1}, {}, 12000, 4));
    EXPECT_FALSE(ClosestValueTo({375, 1}, table, 25001, 4));
    EXPECT_FALSE(ClosestValueTo({0, 1}, table, 12000, 4));
}

}  // namespace
}  // namespace rytmalo
