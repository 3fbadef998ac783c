#include "core/DelayTable.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

struct WorkedRow {
    int tempo;
    BeatUnit unit;
    DelayTable expected;
};

// Values a musician can check by hand, including the traps: 73 (the whole
// note is not four truncated quarters), 100 (exact values stay whole), -7
// (truncation toward zero). Every row of the table the calculator's users
// were given.
const WorkedRow kWorkedRows[] = {
    {120, 2, {1000, 500, 250, 166, 125, 83, 62, 41, 31, 15}},
    {120, 4, {2000, 1000, 500, 333, 250, 166, 125, 83, 62, 31}},
    {120, 8, {4000, 2000, 1000, 666, 500, 333, 250, 166, 125, 62}},
    {120, 16, {8000, 4000, 2000, 1333, 1000, 666, 500, 333, 250, 125}},
    {10, 4, {24000, 12000, 6000, 4000, 3000, 2000, 1500, 1000, 750, 375}},
    {60, 4, {4000, 2000, 1000, 666, 500, 333, 250, 166, 125, 62}},
    {73, 4, {3287, 1643, 821, 547, 410, 273, 205, 136, 102, 51}},
    {90, 4, {2666, 1333, 666, 444, 333, 222, 166, 111, 83, 41}},
    {100, 4, {2400, 1200, 600, 400, 300, 200, 150, 100, 75, 37}},
    {133, 4, {1804, 902, 451, 300, 225, 150, 112, 75, 56, 28}},
    {140, 4, {1714, 857, 428, 285, 214, 142, 107, 71, 53, 26}},
    {250, 4, {960, 480, 240, 160, 120, 80, 60, 40, 30, 15}},
    {133, 8, {3609, 1804, 902, 601, 451, 300, 225, 150, 112, 56}},
    {73, 16, {13150, 6575, 3287, 2191, 1643, 1095, 821, 547, 410, 205}},
    {999, 4, {240, 120, 60, 40, 30, 20, 15, 10, 7, 3}},
    {1, 16, {960000, 480000, 240000, 160000, 120000, 80000, 60000, 40000, 30000, 15000}},
    {-7, 4, {-34285, -17142, -8571, -5714, -4285, -2857, -2142, -1428, -1071, -535}},
};

TEST(DelayTable, WorkedValues) {
    for (const WorkedRow& row : kWorkedRows) {
        const auto delays = ComputeDelays(static_cast<float>(row.tempo), row.unit);
        ASSERT_TRUE(delays.has_value()) << row.tempo;
        EXPECT_EQ(*delays, row.expected) << "tempo " << row.tempo << " unit " << int(row.unit);
    }
}

// The exact duration 60000 / tempo × f × m, truncated toward zero, computed
// in integers: f is the quarter notes per beat, m the note's multiple of a
// quarter note.
std::int32_t ExactDelay(int tempo, BeatUnit unit, std::size_t note) {
    struct Fraction {
        std::int64_t num;
        std::int64_t den;
    };
    static const Fraction kMultiples[kDelayCount] = {{4, 1}, {2, 1}, {1, 1}, {2, 3}, {1, 2},
                                                     {1, 3}, {1, 4}, {1, 6}, {1, 8}, {1, 16}};
    Fraction perBeat{1, 1};
    switch (unit) {
        case 2: perBeat = {1, 2}; break;
        case 8: perBeat = {2, 1}; break;
        case 16: perBeat = {4, 1}; break;
        default: break;
    }
    const std::int64_t num = 60000 * perBeat.num * kMultiples[note].num;
    const std::int64_t den = tempo * perBeat.den * kMultiples[note].den;
    return static_cast<std::int32_t>(num / den);  // C++ division truncates toward zero
}

TEST(DelayTable, EveryReachableTempoAndUnitIsExact) {
    for (BeatUnit unit : {BeatUnit{2}, BeatUnit{4}, BeatUnit{8}, BeatUnit{16}}) {
        for (int tempo = -99; tempo <= 999; ++tempo) {
            if (tempo == 0) continue;
            const auto delays = ComputeDelays(static_cast<float>(tempo), unit);
            ASSERT_TRUE(delays.has_value());
            for (std::size_t note = 0; note < kDelayCount; ++note) {
                ASSERT_EQ((*delays)[note], ExactDelay(tempo, unit, note))
                    << "tempo " << tempo << " unit " << int(unit) << " note " << note;
            }
        }
    }
}

TEST(DelayTable, UnknownUnitCountsAsQuarterNote) {
    for (BeatUnit unit : {BeatUnit{0}, BeatUnit{1}, BeatUnit{3}, BeatUnit{32}, BeatUnit{255}}) {
        EXPECT_EQ(ComputeDelays(133.0f, unit), ComputeDelays(133.0f, 4)) << int(unit);
    }
}

TEST(DelayTable, TempoZeroIsTheDivisionByZeroNotInfinity) {
    for (BeatUnit unit : {BeatUnit{2}, BeatUnit{4}, BeatUnit{8}, BeatUnit{16}}) {
        EXPECT_FALSE(ComputeDelays(0.0f, unit).has_value());
        EXPECT_FALSE(ComputeDelays(-0.0f, unit).has_value());
    }
}

}  // namespace
}  // namespace rytmalo
