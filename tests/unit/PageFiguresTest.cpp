// Every list of every page at the ends of what it takes (tempo 10 and 250,
// every beat unit, time signatures from 1/32 to 32/1, every pre-delay, the
// lowest and highest sample rates), in a French style: what a user can
// read, and what the columns are measured on.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "app/DetailPages.h"

namespace rytmalo {
namespace {

tk::NumberStyle French() {
    tk::NumberStyle style;
    style.decimal = L",";
    style.thousands = L"\u202F";
    return style;
}

// Every context of the sweep, each given to the action.
template <typename Action>
void ForEachContext(Action action) {
    FigureContext context;
    context.settings.allDivisions = true;
    context.settings.rates = {44100, 192000};
    for (const ExactTempo tempo : {1000, 1001, 24999, 25000}) {
        context.tempo = tempo;
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
                for (const auto& row : list.rows(context, style)) {
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

// The columns are measured on a list's widest rows: every name it can
// show is among them, and no figure is longer than the longest of its
// column there.
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
            bool shown = false;
            ForEachContext([&](const FigureContext& context) {
                for (const auto& row : list.rows(context, style)) {
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

}  // namespace
}  // namespace rytmalo
