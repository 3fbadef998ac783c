// The detailed table's figures against a computation of their own: each
// duration as an exact fraction of a minute, rounded only once.
#include "core/MusicTable.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

// A value's exact length in ms at a tempo, as p / q: the beat is a 1/unit
// note lasting 60000 / tempo ms, and the value is (quarters / per) / 4 of
// a whole note, that is unit x (quarters / per) / 4 beats.
struct Exact {
    long long p;
    long long q;
};
Exact ExactMs(const NoteValue& v, int tempo, int unit) {
    return {60000LL * unit * v.quarters, 4LL * v.per * tempo};
}

// a / b to the nearest integer, an exact half away from zero, by comparing
// twice the remainder with the divisor.
long long RoundAway(long long a, long long b) {
    if (b < 0) a = -a, b = -b;
    const long long q = a / b;
    const long long r = a % b;
    if (2 * std::llabs(r) >= b) return a < 0 ? q - 1 : q + 1;
    return q;
}

TEST(MusicTable, RowsInMusicalOrderEachPlainValueFollowedByItsDottedOne) {
    const auto& rows = NoteValues();
    EXPECT_EQ(rows[0].name, L"Ronde");
    EXPECT_EQ(rows[8].name, L"Croche pointée");
    EXPECT_EQ(rows[9].name, L"Triolet de croches");
    EXPECT_EQ(rows[16].name, L"Quadruple croche pointée");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name.ends_with(L" pointée")) {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(rows[i].name, std::wstring(rows[i - 1].name) + L" pointée");
            // Half as long again as the value before it.
            EXPECT_EQ(rows[i].quarters * rows[i - 1].per * 2,
                      rows[i - 1].quarters * rows[i].per * 3);
        }
    }
}

TEST(MusicTable, WorkedRowsAt120WithTheQuarterNoteAsBeat) {
    const auto figures = [](std::size_t row) { return *FiguresOf(NoteValues()[row], 120, 4); };
    // Dotted eighth: 375 ms, 2.67 Hz, 16537.5 samples at 44.1 kHz.
    EXPECT_EQ(figures(8).hundredthsOfMs, 37500);
    EXPECT_EQ(figures(8).hundredthsOfHz, 267);
    EXPECT_EQ(figures(8).samples44k, 16538);
    EXPECT_EQ(figures(8).samples48k, 18000);
    // Quarter triplet: 333.33 ms, 3 Hz; eighth triplet 166.67 ms.
    EXPECT_EQ(figures(6).hundredthsOfMs, 33333);
    EXPECT_EQ(figures(6).hundredthsOfHz, 300);
    EXPECT_EQ(figures(9).hundredthsOfMs, 16667);
    EXPECT_EQ(figures(9).samples44k, 7350);
    EXPECT_FALSE(FiguresOf(NoteValues()[0], 0, 4)) << "tempo 0 has no durations";
}

TEST(MusicTable, EveryRowAtASpreadOfTemposAndEveryUnitMatchesTheExactFraction) {
    for (int tempo : {-7, 1, 10, 37, 60, 73, 90, 100, 120, 133, 140, 173, 211, 250, 999}) {
        for (int unit : {2, 4, 8, 16}) {
            for (const NoteValue& v : NoteValues()) {
                SCOPED_TRACE(testing::Message()
                             << tempo << " " << unit << " " << v.quarters << "/" << v.per);
                const RowFigures f = *FiguresOf(v, tempo, static_cast<BeatUnit>(unit));
                const Exact ms = ExactMs(v, tempo, unit);
                EXPECT_EQ(f.hundredthsOfMs, RoundAway(100 * ms.p, ms.q));
                EXPECT_EQ(f.hundredthsOfHz, RoundAway(100000 * ms.q, ms.p));
                EXPECT_EQ(f.samples44k, RoundAway(441 * ms.p, 10 * ms.q));
                EXPECT_EQ(f.samples48k, RoundAway(48 * ms.p, ms.q));
            }
        }
    }
    // Any other unit counts as the quarter note.
    EXPECT_EQ(FiguresOf(NoteValues()[4], 90, 5)->hundredthsOfMs, 66667);
}

TEST(MusicTable, ADelayGivesTheTempoAtWhichEachValueLastsIt) {
    const auto tempo = [](std::size_t row, std::int64_t us, BeatUnit unit) {
        return TenthsOfTempoFor(NoteValues()[row], us, unit);
    };
    // 375 ms with the quarter note as beat: a dotted eighth at 120, a
    // quarter at 160, a whole note at 640.
    EXPECT_EQ(tempo(8, 375000, 4), 1200);
    EXPECT_EQ(tempo(4, 375000, 4), 1600);
    EXPECT_EQ(tempo(0, 375000, 4), 6400);
    // The eighth note as beat: the same quarter note lasts two beats.
    EXPECT_EQ(tempo(4, 375000, 8), 3200);
    EXPECT_EQ(tempo(6, 333333, 4), 1200);  // a quarter triplet at 120.0
    EXPECT_EQ(tempo(2, 1000, 4), 1200000);
    EXPECT_FALSE(tempo(4, 0, 4));
    EXPECT_FALSE(tempo(4, -5, 4));
    // Any delay at all, however long: no product overflows.
    EXPECT_EQ(tempo(1, INT64_MAX, 2), 0);
    EXPECT_EQ(tempo(16, INT64_MAX / 3, 2), 0);
    EXPECT_EQ(tempo(1, 180'000'000'000'000'000, 16), 0);
    // The tempos listed for a delay: 10.0 to 250.0, each chosen as the
    // nearest whole tempo.
    const auto listed = TemposOfDelay(400000, 4);
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed.front().name, L"Noire") << "the half note at 300 and longer left out";
    for (const TempoOfDelay& t : listed) {
        EXPECT_TRUE(t.tenths >= 100 && t.tenths <= 2500) << t.tenths;
        if (t.name == L"Croche pointée") {
            EXPECT_EQ(t.tenths, 1125);
            EXPECT_EQ(t.whole, 113) << "112.5 rounded, not cut";
        }
        if (t.name == L"Triolet de noires") {
            EXPECT_EQ(t.whole, 100);
        }
    }
    EXPECT_EQ(listed.back().name, L"Quadruple croche pointée")
        << "14.1; the plain one at 9.4 is out";
    // Back and forth: the tempo a row's own delay gives is the tempo.
    for (int t = 10; t <= 250; t += 17) {
        for (std::size_t row = 0; row < kTableRows; ++row) {
            const std::int64_t ms100 = FiguresOf(NoteValues()[row], t, 4)->hundredthsOfMs;
            const std::int64_t back = *tempo(row, ms100 * 10, 4);
            EXPECT_LE(std::abs(back - 10 * t), 1 + 10 * t / 2000) << t << " " << row;
        }
    }
}

}  // namespace
}  // namespace rytmalo
