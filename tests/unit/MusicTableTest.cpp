// The detailed table's figures against a computation of their own: each
// duration as an exact fraction of a minute, rounded only once.
#include "core/MusicTable.h"

#include <cstdlib>
#include <string>

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

// The row of the table with this name.
std::size_t RowNamed(std::wstring_view name) {
    for (std::size_t i = 0; i < kTableRows; ++i) {
        if (NoteValues()[i].name == name) return i;
    }
    ADD_FAILURE() << "no row " << std::string(name.begin(), name.end());
    return 0;
}

TEST(MusicTable, RowsInMusicalOrderEachPlainValueFollowedByItsDottedOneAndItsTriplet) {
    const auto& rows = NoteValues();
    EXPECT_EQ(rows[0].name, L"Ronde");
    EXPECT_EQ(rows[2].name, L"Triolet de rondes");
    EXPECT_EQ(rows[5].name, L"Triolet de blanches");
    EXPECT_EQ(rows[10].name, L"Croche pointée");
    EXPECT_EQ(rows[11].name, L"Triolet de croches");
    EXPECT_EQ(rows[18].name, L"Quadruple croche pointée");
    int triplets = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name.ends_with(L" pointée")) {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(rows[i].name, std::wstring(rows[i - 1].name) + L" pointée");
            // Half as long again as the value before it.
            EXPECT_EQ(rows[i].quarters * rows[i - 1].per * 2,
                      rows[i - 1].quarters * rows[i].per * 3);
        }
        if (rows[i].name.starts_with(L"Triolet ")) ++triplets;
    }
    EXPECT_EQ(triplets, 5) << "whole note to sixteenth";
}

TEST(MusicTable, WorkedRowsAt120WithTheQuarterNoteAsBeat) {
    const auto figures = [](std::wstring_view name) {
        return *FiguresOf(NoteValues()[RowNamed(name)], 120, 4);
    };
    // Dotted eighth: 375 ms, 2.67 Hz, 16537.5 samples at 44.1 kHz.
    EXPECT_EQ(figures(L"Croche pointée").hundredthsOfMs, 37500);
    EXPECT_EQ(figures(L"Croche pointée").hundredthsOfHz, 267);
    EXPECT_EQ(figures(L"Croche pointée").samples44k, 16538);
    EXPECT_EQ(figures(L"Croche pointée").samples48k, 18000);
    // Quarter triplet: 333.33 ms, 3 Hz; eighth triplet 166.67 ms.
    EXPECT_EQ(figures(L"Triolet de noires").hundredthsOfMs, 33333);
    EXPECT_EQ(figures(L"Triolet de noires").hundredthsOfHz, 300);
    EXPECT_EQ(figures(L"Triolet de croches").hundredthsOfMs, 16667);
    EXPECT_EQ(figures(L"Triolet de croches").samples44k, 7350);
    // Half- and whole-note triplets: three in the time of two.
    EXPECT_EQ(figures(L"Triolet de blanches").hundredthsOfMs, 66667);
    EXPECT_EQ(figures(L"Triolet de rondes").hundredthsOfMs, 133333);
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
    EXPECT_EQ(FiguresOf(NoteValues()[RowNamed(L"Noire")], 90, 5)->hundredthsOfMs, 66667);
}

TEST(MusicTable, ADelayGivesTheTempoAtWhichEachValueLastsIt) {
    const auto tempo = [](std::wstring_view name, std::int64_t us, BeatUnit unit) {
        return TenthsOfTempoFor(NoteValues()[RowNamed(name)], us, unit);
    };
    // 375 ms with the quarter note as beat: a dotted eighth at 120, a
    // quarter at 160, a whole note at 640.
    EXPECT_EQ(tempo(L"Croche pointée", 375000, 4), 1200);
    EXPECT_EQ(tempo(L"Noire", 375000, 4), 1600);
    EXPECT_EQ(tempo(L"Ronde", 375000, 4), 6400);
    // The eighth note as beat: the same quarter note lasts two beats.
    EXPECT_EQ(tempo(L"Noire", 375000, 8), 3200);
    EXPECT_EQ(tempo(L"Triolet de noires", 333333, 4), 1200);  // a quarter triplet at 120.0
    EXPECT_EQ(tempo(L"Blanche", 1000, 4), 1200000);
    EXPECT_FALSE(tempo(L"Noire", 0, 4));
    EXPECT_FALSE(tempo(L"Noire", -5, 4));
    // Any delay at all, however long: no product overflows.
    EXPECT_EQ(tempo(L"Ronde pointée", INT64_MAX, 2), 0);
    EXPECT_EQ(tempo(L"Quadruple croche pointée", INT64_MAX / 3, 2), 0);
    EXPECT_EQ(tempo(L"Ronde pointée", 180'000'000'000'000'000, 16), 0);
    // The tempos listed for a delay: 10.0 to 250.0, each chosen as the
    // nearest whole tempo.
    const auto listed = TemposOfDelay(400000, 4);
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed.front().name, L"Triolet de blanches")
        << "the half note at 300 and longer left out, its triplet at 200 in";
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
            const std::int64_t back = *TenthsOfTempoFor(NoteValues()[row], ms100 * 10, 4);
            EXPECT_LE(std::abs(back - 10 * t), 1 + 10 * t / 2000) << t << " " << row;
        }
    }
}

}  // namespace
}  // namespace rytmalo
