// A loop's length typed in each unit, and the tempo at which it lasts
// whole bars or beats, against exact fractions worked out here.
#include "core/Loops.h"

#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/Duration.h"
#include "core/LoopLength.h"

namespace rytmalo {
namespace {

TEST(LoopLength, EachUnitGivesTheExactLengthWithinADay) {
    tk::NumberStyle french;
    french.decimal = L",";
    french.thousands = L"\u202F";
    using enum LengthUnit;
    struct Case {
        const wchar_t* text;
        LengthUnit unit;
        SampleRates rates;
        __int128 num, den;  // den 0: refused
    };
    const Case cases[] = {
        {L"8000", Milliseconds, {}, 8000, 1},
        {L"2000,5", Milliseconds, {}, 4001, 2},
        {L"0,0005", Milliseconds, {}, 1, 1000},
        {L"0,0004", Milliseconds, {}, 0, 0},
        {L"86\u202F400\u202F000", Milliseconds, {}, 86400000, 1},
        {L"86400000,001", Milliseconds, {}, 0, 0},
        {L"-5", Milliseconds, {}, 0, 0},
        {L"8,0005", Seconds, {}, 8001, 1},
        {L"86400", Seconds, {}, 86400000, 1},
        {L"86400,001", Seconds, {}, 0, 0},
        {L"1:23,5", MinutesSeconds, {}, 83500, 1},
        {L"83,5", MinutesSeconds, {}, 83500, 1},
        {L"0:08.000", MinutesSeconds, {}, 8000, 1},
        {L"1:02:03,5", MinutesSeconds, {}, 3723500, 1},
        {L"1440:00", MinutesSeconds, {}, 86400000, 1},
        {L"24:00:00,001", MinutesSeconds, {}, 0, 0},
        {L"1:60", MinutesSeconds, {}, 0, 0},
        {L"1:59,9996", MinutesSeconds, {}, 0, 0},
        {L"1:60:00", MinutesSeconds, {}, 0, 0},
        {L":30", MinutesSeconds, {}, 0, 0},
        {L"1,5:30", MinutesSeconds, {}, 0, 0},
        {L"0:00", MinutesSeconds, {}, 0, 0},
        {L"352800", SamplesFirst, {}, 8000, 1},
        {L"384000", SamplesSecond, {}, 8000, 1},
        {L"1536000", SamplesSecond, {96000, 192000}, 8000, 1},
        {L"1", SamplesFirst, {192000, 44100}, 1, 192},
        {L"3810240000", SamplesFirst, {}, 86400000, 1},
        {L"3810240001", SamplesFirst, {}, 0, 0},
        {L"1000", SamplesFirst, {0, 44100}, 0, 0},
        {L"0", SamplesSecond, {}, 0, 0},
        {L"abc", Seconds, {}, 0, 0},
    };
    for (const Case& c : cases) {
        const auto length = ParseLength(c.text, c.unit, c.rates, french);
        ASSERT_EQ(length.has_value(), c.den != 0) << c.text;
        if (length) EXPECT_TRUE(length->num * c.den == c.num * length->den) << c.text;
    }
    const std::int64_t longest[] = {86400000, 86400, 1440, 44100 * 86400LL, 48000 * 86400LL};
    for (std::uint8_t u = 0; u < kLengthUnitCount; ++u)
        EXPECT_EQ(LongestLength(static_cast<LengthUnit>(u), {}), longest[u]);
    EXPECT_TRUE(IsLengthUnit(kLengthUnitCount - 1) && !IsLengthUnit(kLengthUnitCount) &&
                !IsLengthUnit(-1));
}

// Hundredths of BPM, in the rows' order: 1, 2, 4 beats, 1 to 32 bars.
std::vector<std::int64_t> Tempos(ExactMs length, TimeSignature signature, BeatUnit unit) {
    std::vector<std::int64_t> tempos;
    const auto rows = LoopRows(length, signature, unit);
    for (const LoopRow& row : rows.value()) tempos.push_back(row.hundredths);
    return tempos;
}

TEST(Loops, WorkedLengthsSignaturesAndUnits) {
    // 8 s in 4/4 to the quarter: 120 for 4 bars; 7,5 for a beat is shown
    // but marked, as are 480 and 960.
    const auto rows = *LoopRows({8000, 1}, {4, 4}, 4);
    const std::int32_t counts[] = {1, 2, 4, 1, 2, 4, 8, 16, 32};
    const bool inRange[] = {false, true, true, true, true, true, true, false, false};
    for (std::size_t i = 0; i < kLoopRowCount; ++i) {
        EXPECT_EQ(rows[i].count, counts[i]);
        EXPECT_EQ(rows[i].kind, i < 3 ? LoopCount::Beats : LoopCount::Bars);
        EXPECT_EQ(rows[i].inRange, inRange[i]) << i;
    }
    using V = std::vector<std::int64_t>;
    EXPECT_EQ(Tempos({8000, 1}, {4, 4}, 4),
              (V{750, 1500, 3000, 3000, 6000, 12000, 24000, 48000, 96000}));
    // 352800 samples at 44,1 kHz are the same 8 s.
    const auto samples = *ParseLength(L"352800", LengthUnit::SamplesFirst, {}, {});
    EXPECT_EQ(Tempos(samples, {4, 4}, 4), Tempos({8000, 1}, {4, 4}, 4));
    // A bar of 7/8 is 7 eighths, of 12/8 six quarters; 4/4 at the half
    // is 2 beats, 3/4 at the sixteenth 12: one bar in 8 s.
    EXPECT_EQ(Tempos({8000, 1}, {7, 8}, 8)[3], 5250);
    EXPECT_EQ(Tempos({8000, 1}, {7, 8}, 4)[3], 2625);
    EXPECT_EQ(Tempos({8000, 1}, {12, 8}, 4)[3], 4500);
    EXPECT_EQ(Tempos({8000, 1}, {12, 8}, 8)[3], 9000);
    EXPECT_EQ(Tempos({8000, 1}, {4, 4}, 2)[3], 1500);
    EXPECT_EQ(Tempos({8000, 1}, {3, 4}, 16)[3], 9000);
    // Rounded once: 4 quarters in 7 s are 34,2857...; a beat in 156800
    // samples at 44,1 kHz is 16,875 exactly, a half rounded up.
    EXPECT_EQ(Tempos({7000, 1}, {4, 4}, 4)[3], 3429);
    EXPECT_EQ(Tempos({156800000, 44100}, {4, 4}, 4)[0], 1688);
    EXPECT_FALSE(LoopRows({8000, 1}, {4, 3}, 4));
    EXPECT_FALSE(LoopRows({0, 1}, {4, 4}, 4));
    EXPECT_FALSE(LoopRows({86400001, 1}, {4, 4}, 4));
    EXPECT_TRUE(LoopRows({86400000, 1}, {4, 4}, 4) && LoopRows({1, 1000}, {32, 1}, 16));
}

// The length of N bars or beats at a tempo gives that very tempo back.
TEST(Loops, ALengthComputedFromATempoGivesItBack) {
    for (ExactTempo tempo = 1000; tempo <= 25000; tempo += 37) {
        for (const int unit : {2, 4, 8, 16}) {
            const auto beat = static_cast<BeatUnit>(unit);
            const ExactMs whole = *WholeNoteMs(tempo, beat);
            for (const TimeSignature sig : {TimeSignature{4, 4}, {7, 8}, {12, 8}, {5, 16}}) {
                const auto rows = *LoopRows(*BarMs(sig, whole), sig, beat);
                EXPECT_EQ(rows[3].hundredths, tempo) << tempo << " " << unit;
                EXPECT_EQ(rows[3].inRange, true);
                const auto eight = *LoopRows(Scaled(*BarMs(sig, whole), 8, 1), sig, beat);
                EXPECT_EQ(eight[6].hundredths, tempo);
            }
            EXPECT_EQ((*LoopRows(Scaled(whole, 2, unit), {4, 4}, beat))[1].hundredths, tempo);
        }
    }
}

}  // namespace
}  // namespace rytmalo
