// A loop's length typed in each unit, and the tempo at which it lasts
// whole bars or beats, against exact fractions worked out here.
#include "core/Loops.h"

#include <gtest/gtest.h>

#include "core/Duration.h"
#include "core/LoopLength.h"

namespace rytmalo {
namespace {

TEST(LoopLength, EachUnitGivesTheExactLengthWithinADay) {
    tk::NumberStyle french;
    french.decimal = L",";
    using enum LengthUnit;
    struct Case {
        const wchar_t* text;
        LengthUnit unit;
        SampleRates rates;
        __int128 num, den;  // den 0: refused
    };
    const Case cases[] = {{L"2000,5", Milliseconds, {}, 4001, 2},
                          {L"0,0005", Milliseconds, {}, 1, 1000},
                          {L"0,0004", Milliseconds, {}, 0, 0},
                          {L"86400000,001", Milliseconds, {}, 0, 0},
                          {L"8,0005", Seconds, {}, 8001, 1},
                          {L"1:23,5", MinutesSeconds, {}, 83500, 1},
                          {L"83,5", MinutesSeconds, {}, 83500, 1},
                          {L"1:02:03,5", MinutesSeconds, {}, 3723500, 1},
                          {L"1440:00", MinutesSeconds, {}, 86400000, 1},
                          {L"1:60", MinutesSeconds, {}, 0, 0},
                          {L"1:60:00", MinutesSeconds, {}, 0, 0},
                          {L"1,5:30", MinutesSeconds, {}, 0, 0},
                          {L"352800", SamplesFirst, {}, 8000, 1},
                          {L"1536000", SamplesSecond, {96000, 192000}, 8000, 1},
                          {L"3810240001", SamplesFirst, {}, 0, 0},
                          {L"1000", SamplesFirst, {0, 44100}, 0, 0},
                          {L"0", SamplesSecond, {}, 0, 0}};
    for (const Case& c : cases) {
        const auto length = ParseLength(c.text, c.unit, c.rates, french);
        ASSERT_EQ(length.has_value(), c.den != 0) << c.text;
        if (length) EXPECT_TRUE(length->num * c.den == c.num * length->den) << c.text;
    }
    EXPECT_EQ(LongestLength(MinutesSeconds, {}), 1440);
    EXPECT_EQ(LongestLength(SamplesSecond, {44100, 96000}), 96000 * 86400LL);
    EXPECT_TRUE(IsLengthUnit(kLengthUnitCount - 1) && !IsLengthUnit(kLengthUnitCount));
}

// Hundredths of BPM: 1, 2, 4 beats, then 1 to 32 bars.
std::vector<std::int64_t> Tempos(ExactMs length, TimeSignature signature, BeatUnit unit) {
    std::vector<std::int64_t> tempos;
    const auto rows = LoopRows(length, signature, unit);
    for (const LoopRow& row : rows.value()) tempos.push_back(row.hundredths);
    return tempos;
}

TEST(Loops, WorkedLengthsSignaturesAndUnits) {
    // 8 s in 4/4: 120 for 4 bars; 7,5 for a beat, 480 and 960 marked.
    const auto rows = *LoopRows({8000, 1}, {4, 4}, 4);
    const bool inRange[] = {false, true, true, true, true, true, true, false, false};
    for (std::size_t i = 0; i < kLoopRowCount; ++i) {
        EXPECT_EQ(rows[i].count, i < 3 ? 1 << i : 1 << (i - 3));
        EXPECT_EQ(rows[i].kind, i < 3 ? LoopCount::Beats : LoopCount::Bars);
        EXPECT_EQ(rows[i].inRange, inRange[i]) << i;
    }
    EXPECT_EQ(Tempos({8000, 1}, {4, 4}, 4),
              (std::vector<std::int64_t>{750, 1500, 3000, 3000, 6000, 12000, 24000, 48000, 96000}));
    // 352800 samples at 44,1 kHz are the same 8 s.
    EXPECT_EQ(Tempos(*ParseLength(L"352800", LengthUnit::SamplesFirst, {}, {}), {4, 4}, 4),
              Tempos({8000, 1}, {4, 4}, 4));
    // One bar in 8 s: 7/8 is 7 eighths, 12/8 six quarters, 4/4 two halves,
    // 3/4 twelve sixteenths.
    const std::tuple<TimeSignature, int, std::int64_t> bars[] = {
        {{7, 8}, 8, 5250},  {{7, 8}, 4, 2625}, {{12, 8}, 4, 4500},
        {{12, 8}, 8, 9000}, {{4, 4}, 2, 1500}, {{3, 4}, 16, 9000}};
    for (const auto& [sig, unit, tempo] : bars)
        EXPECT_EQ(Tempos({8000, 1}, sig, static_cast<BeatUnit>(unit))[3], tempo);
    // Rounded once: 34,2857...; 156800 samples at 44,1 kHz, 16,875.
    EXPECT_EQ(Tempos({7000, 1}, {4, 4}, 4)[3], 3429);
    EXPECT_EQ(Tempos({156800000, 44100}, {4, 4}, 4)[0], 1688);
    EXPECT_FALSE(LoopRows({8000, 1}, {4, 3}, 4) || LoopRows({0, 1}, {4, 4}, 4) ||
                 LoopRows({86400001, 1}, {4, 4}, 4));
    EXPECT_TRUE(LoopRows({86400000, 1}, {4, 4}, 4) && LoopRows({1, 1000}, {32, 1}, 16));
}

// The length of N bars or beats at a tempo gives that very tempo back.
TEST(Loops, ALengthComputedFromATempoGivesItBack) {
    for (ExactTempo tempo = 1000; tempo <= 25000; tempo += 37) {
        for (const int unit : {2, 4, 8, 16}) {
            const auto beat = static_cast<BeatUnit>(unit);
            const ExactMs whole = *WholeNoteMs(tempo, beat);
            for (const TimeSignature sig : {TimeSignature{4, 4}, {7, 8}, {12, 8}, {5, 16}}) {
                EXPECT_EQ(Tempos(*BarMs(sig, whole), sig, beat)[3], tempo);
                EXPECT_EQ(Tempos(Scaled(*BarMs(sig, whole), 8, 1), sig, beat)[6], tempo);
            }
            EXPECT_EQ(Tempos(Scaled(whole, 2, unit), {4, 4}, beat)[1], tempo);
        }
    }
}

}  // namespace
}  // namespace rytmalo
