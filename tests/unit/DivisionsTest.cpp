// Every division: the order of the rows and their figures against exact
// fractions computed here.
#include "core/Divisions.h"

#include <string>

#include <gtest/gtest.h>

#include "ExactQuotient.h"

namespace rytmalo {
namespace {

using test::Nearest;

TEST(Divisions, TheDetailedTableRowsKeepTheirOrderAndEachGroupIsInMusicalOrder) {
    const auto& all = AllDivisions();
    std::size_t next = 0;
    for (const NoteValue& v : all) {
        if (next < kTableRows && v.name == NoteValues()[next].name) {
            EXPECT_EQ(v.quarters * NoteValues()[next].per, NoteValues()[next].quarters * v.per);
            ++next;
        }
    }
    EXPECT_EQ(next, kTableRows) << "a row of the detailed table is missing or out of order";

    // Each row after a plain value: (suffix or prefix, its length as a
    // fraction of the plain value's), in this order.
    struct Kind {
        std::wstring_view prefix, suffix;
        int num, den;
    };
    const Kind kinds[] = {{L"", L" pointée", 3, 2},
                          {L"", L" doublement pointée", 7, 4},
                          {L"Triolet de ", L"", 2, 3},
                          {L"Quintolet de ", L"", 4, 5},
                          {L"Septolet de ", L"", 4, 7}};
    const NoteValue* plain = nullptr;
    int lastKind = -1;
    for (const NoteValue& v : all) {
        int kind = -1;
        for (int k = 0; k < 5; ++k) {
            if (v.name.starts_with(kinds[k].prefix) && !kinds[k].prefix.empty()) kind = k;
            if (!kinds[k].suffix.empty() && v.name.ends_with(kinds[k].suffix)) kind = k;
        }
        if (kind < 0) {
            EXPECT_TRUE(!plain || v.quarters * plain->per < plain->quarters * v.per) << "shorter";
            plain = &v;
            lastKind = -1;
            continue;
        }
        SCOPED_TRACE(std::string(v.name.begin(), v.name.end()));
        ASSERT_NE(plain, nullptr);
        EXPECT_GT(kind, lastKind);
        lastKind = kind;
        EXPECT_EQ(v.quarters * plain->per * kinds[kind].den,
                  plain->quarters * v.per * kinds[kind].num);
    }
    EXPECT_EQ(all[0].name, L"Ronde");
    EXPECT_EQ(all[10].name, L"Noire doublement pointée");
    EXPECT_EQ(all[18].name, L"Quintolet de croches");
    EXPECT_EQ(all[25].name, L"Septolet de doubles croches");
    EXPECT_EQ(all[29].name, L"Septolet de triples croches");
}

TEST(Divisions, EveryRowAtEveryUnitAndRatePairMatchesTheExactFraction) {
    const SampleRates pairs[] = {{44100, 48000}, {88200, 192000}, {176400, 96000}};
    for (const ExactTempo tempo : {1000, 1001, 4999, 11755, 12000, 13333, 24999, 25000}) {
        for (const int unit : {2, 4, 8, 16, 3}) {
            for (const NoteValue& v : AllDivisions()) {
                for (const SampleRates& rates : pairs) {
                    SCOPED_TRACE(testing::Message() << tempo << " " << unit << " " << v.quarters
                                                    << "/" << v.per << " " << rates.second);
                    // ms = 60000 × 100 / tempo × unit × (quarters / 4 per).
                    const __int128 p = __int128{6'000'000} * test::Unit(unit) * v.quarters;
                    const __int128 q = __int128{tempo} * 4 * v.per;
                    const auto f = FiguresOf(v, tempo, static_cast<BeatUnit>(unit), rates);
                    ASSERT_TRUE(f);
                    EXPECT_EQ(f->hundredthsOfMs, Nearest(100 * p, q));
                    EXPECT_EQ(f->hundredthsOfHz, Nearest(100 * 1000 * q, p));
                    EXPECT_EQ(f->samples[0], Nearest(p * rates.first, q * 1000));
                    EXPECT_EQ(f->samples[1], Nearest(p * rates.second, q * 1000));
                }
            }
        }
    }
    EXPECT_FALSE(FiguresOf(AllDivisions()[0], 999, 4, {}));
    EXPECT_FALSE(FiguresOf(AllDivisions()[0], 25001, 4, {}));
    // The dotted eighth at 120: 375 ms, 2.67 Hz, 16537.5 samples.
    const auto dotted = FiguresOf(AllDivisions()[15], 12000, 4, {});
    EXPECT_EQ(dotted->hundredthsOfMs, 37500);
    EXPECT_EQ(dotted->samples[0], 16538);
}

}  // namespace
}  // namespace rytmalo
