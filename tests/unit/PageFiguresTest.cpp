// Every list of every page at the ends of what it takes (tempo 10 and 250,
// every beat unit, time signatures from 1/32 to 32/1, every pre-delay, the
// lowest and highest sample rates, the shortest and longest loops, the
// farthest tempos to change to and shifts, the straight and hardest
// swings), in a French style: what a user can read, and what the columns
// are measured on.
#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "FrenchNumbers.h"
#include "app/DetailPages.h"
#include "app/DetailViewLayout.h"

namespace rytmalo {
namespace {

using test::French;

// Every context of the sweep, each given to the action.
template <typename Action>
void ForEachContext(Action action) {
    FigureContext context;
    context.settings.allDivisions = true;
    context.settings.rates = {44100, 192000};
    for (const ExactTempo tempo : {1000, 1001, 24999, 25000}) {
        context.tempo = tempo;
        // The page "Boucles" at one end or the other, with the tempo.
        const bool slow = tempo < 2000;
        context.entered = {{"txtLongueur", slow ? L"0,001" : L"86400000"}};
        context.settings.targetTempo = slow ? 25000 : 1000;
        context.settings.shift = slow ? kLargestShift : -kLargestShift + 1;
        context.settings.swing = slow ? kHardestSwing : kStraightSwing;
        for (const BeatUnit unit : {2, 4, 8, 16}) {
            context.unit = unit;
            for (const std::int32_t numerator : {1, 2, 3, 6, 7, 32}) {
                for (const std::int32_t denominator : kDenominators) {
                    context.settings.signature = {numerator, denominator};
                    for (std::uint8_t pre = 0; pre < kPreDelayCount; ++pre) {
                        context.settings.preDelay = static_cast<PreDelay>(pre);
                        action(context);
                    }
                }
            }
        }
    }
}

// A figure's digits after its decimal mark from the first that is not 0,
// for a figure under 1 ("0,0278": 3); -1 for any other text.
int SignificantDecimals(const std::wstring& text) {
    if (!text.starts_with(L"0,")) return -1;
    const std::wstring decimals = text.substr(2);
    if (decimals.empty() || !std::all_of(decimals.begin(), decimals.end(),
                                         [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return -1;
    const std::size_t first = decimals.find_first_not_of(L'0');
    return first == std::wstring::npos ? -1 : static_cast<int>(decimals.size() - first);
}

TEST(PageFigures, EveryFigureUnderOneHasThreeSignificantDigits) {
    const tk::NumberStyle style = French();
    int underOne = 0;
    ForEachContext([&](const FigureContext& context) {
        for (const PageRow& page : DetailPages()) {
            for (const FigureList& list : page.content().lists) {
                for (const auto& row : list.figures(context, style)) {
                    for (const std::wstring& cell : row) {
                        const int digits = SignificantDecimals(cell);
                        if (digits < 0) continue;
                        ++underOne;
                        EXPECT_GE(digits, 3) << list.name << ": " << testing::PrintToString(cell);
                    }
                }
            }
        }
    });
    EXPECT_GT(underOne, 0) << "slow rates are under 1 Hz";
}

// The columns are measured on a list's widest rows and its layout's
// headings: every name it can show is among the rows, and no figure or
// heading is longer than the longest of its column there.
TEST(PageFigures, TheWidestRowsHoldEveryNameAndTheLongestFigures) {
    const tk::NumberStyle style = French();
    for (const PageRow& page : DetailPages()) {
        for (const FigureList& list : page.content().lists) {
            SCOPED_TRACE(list.name);
            const FigureRows widest = list.widest(style);
            ASSERT_FALSE(widest.empty());
            std::vector<std::size_t> longest(widest.front().size(), 0);
            for (const auto& row : widest) {
                for (std::size_t c = 0; c < row.size() && c < longest.size(); ++c)
                    longest[c] = std::max(longest[c], row[c].size());
            }
            const auto& columns = FindDetailControl(list.name)->columns;
            ASSERT_EQ(columns.size(), longest.size());
            for (std::size_t c = 0; c < columns.size(); ++c)
                longest[c] = std::max(longest[c], columns[c].caption.size());
            bool shown = false;
            ForEachContext([&](const FigureContext& context) {
                if (list.headings) {
                    const Headings headings = list.headings(context, style);
                    for (std::size_t c = 0; c < headings.shown.size(); ++c)
                        EXPECT_LE(headings.shown[c].size(), longest[c])
                            << testing::PrintToString(headings.shown[c]);
                }
                for (const auto& row : list.figures(context, style)) {
                    shown = true;
                    ASSERT_EQ(row.size(), longest.size());
                    EXPECT_TRUE(std::any_of(widest.begin(), widest.end(), [&](const auto& w) {
                        return w[0] == row[0];
                    })) << testing::PrintToString(row[0]);
                    for (std::size_t c = 1; c < row.size(); ++c)
                        EXPECT_LE(row[c].size(), longest[c]) << testing::PrintToString(row[c]);
                }
            });
            EXPECT_TRUE(shown);
        }
    }
}

const FigureList& ListNamed(std::string_view name) {
    for (const PageRow& page : DetailPages()) {
        for (const FigureList& list : page.content().lists) {
            if (list.name == name) return list;
        }
    }
    throw std::invalid_argument("no such list");
}

// "Temps" is the main window's beat on every page, and each says which
// note it is: in 12/8 at 133,33 to the quarter, 450,01 ms everywhere.
TEST(PageFigures, EveryPageCountsTheSameBeatAndNamesIt) {
    const tk::NumberStyle style = French();
    FigureContext context;
    context.tempo = 13333;
    context.settings.signature = {12, 8};
    const std::pair<BeatUnit, std::wstring> beats[] = {
        {2, L"blanche"}, {4, L"noire"}, {8, L"croche"}, {16, L"double croche"}};
    for (const auto& [unit, note] : beats) {
        SCOPED_TRACE(unit);
        context.unit = unit;
        std::wstring beatMs;
        for (const auto& row : ListNamed("lvwTableau").figures(context, style)) {
            if (row[0] == static_cast<wchar_t>(std::towupper(note[0])) + note.substr(1))
                beatMs = row[1];
        }
        ASSERT_FALSE(beatMs.empty());
        const FigureRows bars = ListNamed("lvwMesures").figures(context, style);
        EXPECT_EQ(bars[0][0], L"Temps (" + note + L")");
        EXPECT_EQ(bars[0][1], beatMs);
        EXPECT_EQ(bars[1][0],
                  unit == 8 ? L"Pulsation (noire pointée)" : L"Unité de la mesure (croche)");
        const FigureRows compressor = ListNamed("lvwCompresseur").figures(context, style);
        EXPECT_EQ(compressor.back()[0], L"Relâchement jusqu'au temps suivant (" + note + L")");
        const FigureList& picture = ListNamed("lvwImage");
        ASSERT_NE(picture.headings, nullptr);
        EXPECT_EQ(picture.headings(context, style).shown[1], L"Par temps (" + note + L")");
        EXPECT_EQ(picture.headings(context, style).copied[1], L"Par temps (" + note + L")");
    }
    context.unit = 4;
    EXPECT_EQ(ListNamed("lvwMesures").figures(context, style)[0][1], L"450,01");
    EXPECT_EQ(ListNamed("lvwCompresseur").figures(context, style).back()[1], L"421,89");
    EXPECT_EQ(ListNamed("lvwImage").figures(context, style)[1][1], L"10,800");
}

// A copy names the time signature where it changes the figures, and only
// there.
TEST(PageFigures, ACopyNamesTheSignatureOfTheListsItChanges) {
    const tk::NumberStyle style = French();
    FigureContext context;
    context.tempo = 12000;
    context.entered = {{"txtLongueur", L"8000"}};
    for (const PageRow& page : DetailPages()) {
        for (const FigureList& list : page.content().lists) {
            context.settings.signature = {4, 4};
            const FigureRows common = list.figures(context, style);
            context.settings.signature = {7, 8};
            EXPECT_EQ(list.bySignature, list.figures(context, style) != common) << list.name;
        }
    }
}

}  // namespace
}  // namespace rytmalo
