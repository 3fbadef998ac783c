#include "core/CaptionGeometry.h"

#include <algorithm>

#include <utility>

#include <gtest/gtest.h>

#include "core/Exception.h"

namespace rytmalo {
namespace {

using tk::biHelp;
using tk::biMaximize;
using tk::biMinimize;
using tk::biSystemMenu;
using tk::BorderStyle;

// Wine's default metrics.
constexpr CaptionMetrics kWine{.cxDlgFrame = 3,
                               .cyDlgFrame = 3,
                               .cxFrame = 4,
                               .cyFrame = 4,
                               .cyCaption = 19,
                               .cySmCaption = 16,
                               .cxSmIcon = 16,
                               .cxSmSize = 15};
// Larger, all different, so that a metric used in the wrong place shows.
constexpr CaptionMetrics kLarge{.cxDlgFrame = 5,
                                .cyDlgFrame = 6,
                                .cxFrame = 7,
                                .cyFrame = 8,
                                .cyCaption = 31,
                                .cySmCaption = 23,
                                .cxSmIcon = 20,
                                .cxSmSize = 21};

constexpr BorderStyle kStyles[] = {BorderStyle::None,       BorderStyle::Single,
                                   BorderStyle::Sizeable,   BorderStyle::Dialog,
                                   BorderStyle::ToolWindow, BorderStyle::SizeToolWin};

TEST(CaptionRect, InsetByTheFrameOfEachBorderStyle) {
    EXPECT_TRUE(CaptionRect(BorderStyle::None, 400, 300, kLarge).IsEmpty());
    EXPECT_EQ(CaptionRect(BorderStyle::None, 400, 300, kLarge), TRect{});
    EXPECT_EQ(CaptionRect(BorderStyle::Single, 400, 300, kLarge), (TRect{5, 6, 395, 36}));
    EXPECT_EQ(CaptionRect(BorderStyle::Dialog, 400, 300, kLarge), (TRect{5, 6, 395, 36}));
    EXPECT_EQ(CaptionRect(BorderStyle::Sizeable, 400, 300, kLarge), (TRect{7, 8, 393, 38}));
    EXPECT_EQ(CaptionRect(BorderStyle::ToolWindow, 400, 300, kLarge), (TRect{5, 6, 395, 28}));
    EXPECT_EQ(CaptionRect(BorderStyle::SizeToolWin, 400, 300, kLarge), (TRect{7, 8, 393, 30}));
    // The main window under Wine: 381 pixels of client area inside a fixed frame.
    const TRect main = CaptionRect(BorderStyle::Single, 387, 370, kWine);
    EXPECT_EQ(main, (TRect{3, 3, 384, 21}));
    EXPECT_EQ(main.Height(), kWine.cyCaption - 1) << "the bottom line is left to the system";
}

TEST(CaptionLayout, MainWindowHasNoIconNoCloseAndEnabledMinMax) {
    const CaptionLayout l =
        LayOutCaption(BorderStyle::Single, biMinimize | biMaximize | biHelp, false, 381, 18, kWine);
    EXPECT_FALSE(l.iconCell);
    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_EQ(l.buttons[0], (CaptionButton{{363, 2, 379, 16}, CaptionGlyph::Maximize, true}));
    EXPECT_EQ(l.buttons[1], (CaptionButton{{347, 2, 363, 16}, CaptionGlyph::Minimize, true}));
    EXPECT_EQ(l.textArea, (TRect{1, 0, 346, 18}));
    const TRect title = TitleRect(l.textArea);
    EXPECT_EQ(title.Left, 3) << "the title starts at column 3";
    EXPECT_EQ(title.Right, l.buttons[1].rect.Left - 1)
        << "and ends one pixel before the minimise button";

    // The pointer finds the drawn buttons, edges exclusive at the right and
    // bottom; the title and a greyed button are caption.
    EXPECT_EQ(CaptionButtonAt(l, 363, 2), &l.buttons[0]);
    EXPECT_EQ(CaptionButtonAt(l, 362, 15), &l.buttons[1]);
    EXPECT_EQ(CaptionButtonAt(l, 347, 9), &l.buttons[1]);
    for (const auto& [x, y] : {std::pair{346, 9}, {379, 9}, {370, 1}, {370, 16}, {100, 9}})
        EXPECT_EQ(CaptionButtonAt(l, x, y), nullptr) << x << "," << y;
    const CaptionLayout greyed =
        LayOutCaption(BorderStyle::Single, biMinimize | biHelp, false, 381, 18, kWine);
    EXPECT_EQ(CaptionButtonAt(greyed, 370, 9), nullptr);
    EXPECT_EQ(CaptionButtonAt(greyed, 350, 9), &greyed.buttons[1]);
}

TEST(CaptionLayout, SystemMenuBringsIconCellAndCloseButtonWithAGap) {
    const CaptionLayout l =
        LayOutCaption(BorderStyle::Sizeable, biSystemMenu | biMaximize, true, 500, 30, kLarge);
    ASSERT_TRUE(l.iconCell);
    EXPECT_EQ(*l.iconCell, (TRect{1, 0, 22, 30}));
    EXPECT_EQ(l.iconLeft, 2);
    EXPECT_EQ(l.iconTop, 1);
    ASSERT_EQ(l.buttons.size(), 3u);
    EXPECT_EQ(l.buttons[0], (CaptionButton{{478, 2, 498, 28}, CaptionGlyph::Close, true}));
    EXPECT_EQ(l.buttons[1], (CaptionButton{{456, 2, 476, 28}, CaptionGlyph::Restore, true}));
    EXPECT_EQ(l.buttons[2], (CaptionButton{{436, 2, 456, 28}, CaptionGlyph::Minimize, false}));
    EXPECT_EQ(l.textArea, (TRect{22, 0, 435, 30}));
    EXPECT_EQ(TitleRect(l.textArea), (TRect{24, 0, 435, 30}));
}

TEST(CaptionLayout, DialogWithHelpShowsCloseAndHelpOnly) {
    const CaptionLayout l =
        LayOutCaption(BorderStyle::Dialog, biSystemMenu | biHelp, false, 300, 18, kWine);
    EXPECT_FALSE(l.iconCell);
    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_EQ(l.buttons[0], (CaptionButton{{282, 2, 298, 16}, CaptionGlyph::Close, true}));
    EXPECT_EQ(l.buttons[1], (CaptionButton{{264, 2, 280, 16}, CaptionGlyph::Help, true}));
    EXPECT_EQ(l.textArea, (TRect{1, 0, 263, 18}));
}

// Whatever its icons (see below), a tool window has its small close button.
TEST(CaptionLayout, ToolWindowHasItsSmallCloseButtonOnly) {
    const CaptionLayout l =
        LayOutCaption(BorderStyle::SizeToolWin, biMaximize, false, 200, 15, kWine);
    EXPECT_FALSE(l.iconCell);
    ASSERT_EQ(l.buttons.size(), 1u);
    EXPECT_EQ(l.buttons[0], (CaptionButton{{185, 2, 198, 13}, CaptionGlyph::Close, true}));
    EXPECT_EQ(l.textArea, (TRect{1, 0, 180, 15}));
}

TEST(CaptionLayout, EveryStyleIconsAndStateKeepButtonsInOrderAndClearOfTheTitle) {
    for (BorderStyle style : kStyles) {
        for (unsigned icons = 0; icons < 16; ++icons) {
            for (bool maximized : {false, true}) {
                const int w = 400;
                const int h = 30;
                const CaptionLayout l = LayOutCaption(style, icons, maximized, w, h, kLarge);
                SCOPED_TRACE(::testing::Message()
                             << "style " << static_cast<int>(style) << " icons " << icons
                             << (maximized ? " maximized" : ""));
                const bool tool = IsToolStyle(style);
                const bool icon = (icons & biSystemMenu) &&
                                  (style == BorderStyle::Single || style == BorderStyle::Sizeable);
                EXPECT_EQ(l.iconCell.has_value(), icon);

                std::vector<CaptionGlyph> glyphs;
                for (const CaptionButton& b : l.buttons) glyphs.push_back(b.glyph);
                std::vector<CaptionGlyph> expected;
                if (tool) {
                    expected = {CaptionGlyph::Close};
                } else {
                    if (icons & biSystemMenu) expected.push_back(CaptionGlyph::Close);
                    if (style != BorderStyle::Dialog) {
                        expected.push_back(maximized ? CaptionGlyph::Restore
                                                     : CaptionGlyph::Maximize);
                        expected.push_back(CaptionGlyph::Minimize);
                    } else if (icons & biHelp) {
                        expected.push_back(CaptionGlyph::Help);
                    }
                }
                EXPECT_EQ(glyphs, expected);

                int right = w - 2;
                for (const CaptionButton& b : l.buttons) {
                    EXPECT_LE(b.rect.Right, right);
                    EXPECT_EQ(b.rect.Top, 2);
                    EXPECT_EQ(b.rect.Bottom, h - 2);
                    EXPECT_EQ(b.rect.Width(), tool ? kLarge.cxSmSize - 2 : kLarge.cxSmIcon);
                    if (b.glyph == CaptionGlyph::Maximize || b.glyph == CaptionGlyph::Restore) {
                        EXPECT_EQ(b.enabled, (icons & biMaximize) != 0);
                    } else if (b.glyph == CaptionGlyph::Minimize) {
                        EXPECT_EQ(b.enabled, (icons & biMinimize) != 0);
                    } else {
                        EXPECT_TRUE(b.enabled);
                    }
                    right = b.rect.Left;
                }
                EXPECT_LT(l.textArea.Right, right) << "the title never runs under a button";
                EXPECT_EQ(l.textArea.Left, icon ? kLarge.cxSmIcon + 2 : 1);
                EXPECT_EQ(l.textArea.Top, 0);
                EXPECT_EQ(l.textArea.Bottom, h);
            }
        }
    }
}

TEST(CaptionLayout, ArithmeticThatWouldWrapIsAnOverflowError) {
    EXPECT_THROW(LayOutCaption(BorderStyle::Single, biSystemMenu, false, INT32_MIN + 1, 18, kWine),
                 tk::EIntOverflow);
    EXPECT_THROW(CaptionRect(BorderStyle::Single, INT32_MIN, 18, kWine), tk::EIntOverflow);
}

}  // namespace
}  // namespace rytmalo
