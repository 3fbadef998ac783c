// Every division: the order of the rows and their figures against exact
// fractions computed here.
#include "core/Divisions.h"

#include <cwctype>
#include <string>

#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/Duration.h"

namespace rytmalo {
namespace {

TEST(Divisions, TheDetailedTableRowsKeepTheirOrderAndEachGroupIsInMusicalOrderAndNamedAsItsValue) {
    std::size_t next = 0;
    for (const NoteValue& v : AllDivisions()) {
        if (next < kTableRows && v.name == NoteValues()[next].name) {
            EXPECT_EQ(v.quarters * NoteValues()[next].per, NoteValues()[next].quarters * v.per);
            ++next;
        }
    }
    EXPECT_EQ(next, kTableRows) << "a row of the detailed table is missing or out of order";

    // After each plain value, in this order: the kinds named so, each a
    // fraction of the plain value, its name made of the plain value's
    // ("Double croche": "Double croche pointée", "Triolet de doubles
    // croches").
    const auto plural = [](std::wstring_view plainName) {
        std::wstring many;
        for (const wchar_t c : plainName) {
            if (c == L' ') many += L's';
            many += many.empty() ? static_cast<wchar_t>(std::towlower(c)) : c;
        }
        return many + L's';
    };
    const std::tuple<std::wstring_view, std::wstring_view, int, int> kinds[] = {
        {L"", L" pointée", 3, 2},
        {L"", L" doublement pointée", 7, 4},
        {L"Triolet de ", L"", 2, 3},
        {L"Quintolet de ", L"", 4, 5},
        {L"Septolet de ", L"", 4, 7}};
    const NoteValue* plain = nullptr;
    int lastKind = -1;
    for (const NoteValue& v : AllDivisions()) {
        SCOPED_TRACE(std::string(v.name.begin(), v.name.end()));
        int kind = -1;
        for (int k = 0; k < 5 && plain; ++k) {
            const auto& [before, after, num, den] = kinds[k];
            const std::wstring named = before.empty()
                                           ? std::wstring(plain->name) + std::wstring(after)
                                           : std::wstring(before) + plural(plain->name);
            if (v.name == named) kind = k;
        }
        if (kind < 0) {
            EXPECT_TRUE(v.name.find(L' ') == std::wstring_view::npos ||
                        v.name.ends_with(L" croche"))
                << "a plain value, or one not named after its group's";
            EXPECT_TRUE(!plain || v.quarters * plain->per < plain->quarters * v.per);
            plain = &v;
        } else {
            EXPECT_GT(kind, lastKind);
            EXPECT_EQ(v.quarters * plain->per * std::get<3>(kinds[kind]),
                      plain->quarters * v.per * std::get<2>(kinds[kind]));
        }
        lastKind = kind;
    }
    EXPECT_EQ(AllDivisions()[3].name, L"Triolet de rondes");
    EXPECT_EQ(AllDivisions()[7].name, L"Triolet de blanches");
    EXPECT_EQ(AllDivisions()[20].name, L"Quintolet de croches");
    EXPECT_EQ(AllDivisions()[25].name, L"Triolet de doubles croches");
    EXPECT_EQ(AllDivisions()[27].name, L"Septolet de doubles croches");
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
                    EXPECT_EQ(f->hundredthsOfMs, test::Nearest(100 * p, q));
                    // Hertz, 1000 q / p: to the hundredth, or under 1 Hz
                    // with the fewest decimals that give three significant
                    // digits; each the nearest at its decimals.
                    const Fixed hz = f->hertz;
                    __int128 scale = 1;
                    for (int i = 0; i < hz.decimals; ++i) scale *= 10;
                    EXPECT_EQ(hz.scaled, test::Nearest(scale * 1000 * q, p));
                    if (1000 * q >= p) {
                        EXPECT_EQ(hz.decimals, 2);
                    } else {
                        EXPECT_GE(hz.scaled, 100);
                        EXPECT_TRUE(hz.decimals == 2 ||
                                    test::Nearest(scale / 10 * 1000 * q, p) < 100);
                    }
                    EXPECT_EQ(f->samples[0], test::Nearest(p * rates.first, q * 1000));
                    EXPECT_EQ(f->samples[1], test::Nearest(p * rates.second, q * 1000));
                }
            }
        }
    }
    EXPECT_FALSE(FiguresOf(AllDivisions()[0], 999, 4, {}));
    EXPECT_FALSE(FiguresOf(AllDivisions()[0], 25001, 4, {}));
}

}  // namespace

void PrintTo(const Fixed& figure, std::ostream* out) {
    *out << static_cast<long long>(figure.scaled) << "e-" << figure.decimals;
}

namespace {

// An LFO at 10 BPM: a dotted whole note is 0.0278 Hz, not 0.03; with the
// sixteenth as beat 0.00694 Hz.
TEST(Divisions, FiguresUnderOneKeepThreeSignificantDigits) {
    const NoteValue& dottedWhole = AllDivisions()[1];
    ASSERT_EQ(dottedWhole.name, L"Ronde pointée");
    EXPECT_EQ(FiguresOf(dottedWhole, 1000, 4, {})->hertz, (Fixed{278, 4}));
    EXPECT_EQ(FiguresOf(dottedWhole, 1000, 16, {})->hertz, (Fixed{694, 5}));
    EXPECT_EQ(FiguresOf(dottedWhole, 25000, 4, {})->hertz, (Fixed{694, 3})) << "not 0.69";
    EXPECT_EQ(FiguresOf(AllDivisions()[0], 12000, 4, {})->hertz, (Fixed{500, 3}));
    EXPECT_EQ(FiguresOf(AllDivisions()[0], 3000, 4, {})->hertz, (Fixed{125, 3})) << "0.125 Hz";
    // Rounding may carry into another digit: the fewest decimals that
    // give three digits, however many that leaves.
    EXPECT_EQ(FixedFigure(9996, 100000, 2), (Fixed{100, 3})) << "0.09996: 0.100";
    EXPECT_EQ(FixedFigure(999, 1000, 2), (Fixed{100, 2})) << "0.999: 1.00";
    EXPECT_EQ(FixedFigure(36, 1000, 3), (Fixed{360, 4}));
    EXPECT_EQ(FixedFigure(5, 1000000, 2), (Fixed{500, 8}));
    EXPECT_EQ(FixedFigure(1, 1, 0), (Fixed{1, 0}));
    EXPECT_EQ(FixedFigure(7, 10, 0), (Fixed{700, 3}));
    EXPECT_EQ(FixedFigure(1000, 3, 0), (Fixed{333, 0})) << "1 and more keep their decimals";
    EXPECT_EQ(FixedFigure(0, 7, 2), (Fixed{0, 2}));
    EXPECT_EQ(Hertz({0, 1}), (Fixed{0, 2})) << "no division by zero";
}

}  // namespace
}  // namespace rytmalo
