// Controls of a row widened to their texts: the row keeps its places where
// it can and moves along where a control now reaches the next.
#include "core/RowFlow.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(RowFlow, WiderControlsPushTheirRowAlongKeepingTheGapsLaidOut) {
    // "Délai :" 34, a box at 38 (gap 4), "en" at 98, a list at 115.
    std::vector<RowItem> row{{Bounds(0, 4, 34, 13), 34},
                             {Bounds(38, 0, 56, 21), 56},
                             {Bounds(98, 4, 13, 13), 13},
                             {Bounds(115, 0, 116, 21), 116}};
    EXPECT_EQ(FlowedLefts(row), (std::vector<int>{0, 38, 98, 115})) << "nothing grew";
    EXPECT_EQ(FlowedRight(row), 231);
    row[0].width = 44;  // the label's text is wider in this font
    row[2].width = 20;
    EXPECT_EQ(FlowedLefts(row), (std::vector<int>{0, 48, 108, 132}));
    EXPECT_EQ(FlowedRight(row), 248);
    row[0].width = 36;
    row[2].width = 15;
    EXPECT_EQ(FlowedLefts(row), (std::vector<int>{0, 40, 100, 119}));
}

TEST(RowFlow, RowsAreApartAndTheListedOrderDoesNotMatter) {
    const std::vector<RowItem> items{{Bounds(84, 58, 56, 21), 56},   // the exact tempo's box
                                     {Bounds(10, 8, 70, 25), 90},    // "Taper", wider
                                     {Bounds(10, 62, 70, 13), 80},   // its label, wider
                                     {Bounds(84, 8, 30, 25), 30},    // ×2
                                     {Bounds(118, 8, 30, 25), 30}};  // ÷2
    EXPECT_EQ(FlowedLefts(items), (std::vector<int>{94, 10, 10, 104, 138}));
    EXPECT_EQ(FlowedRight(items), 168);
    // Laid out overlapping (a radio button wider than its text): it keeps
    // the next where it was until its width reaches it.
    const std::vector<RowItem> overlapping{{Bounds(24, 24, 105, 17), 105},
                                           {Bounds(120, 24, 81, 17), 81}};
    EXPECT_EQ(FlowedLefts(overlapping), (std::vector<int>{24, 120}));
}

}  // namespace
}  // namespace tk
