#include "core/WindowPlacement.h"

#include <climits>
#include <vector>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

// One 1024 x 768 monitor with a 30-pixel task bar at the bottom.
const std::vector<MonitorArea> kOne{{tk::Bounds(0, 0, 1024, 768), tk::Bounds(0, 0, 1024, 738)}};

// A 1920 x 1080 monitor, and a 1280 x 1024 one to its left whose task bar
// is on the left.
const std::vector<MonitorArea> kTwo{
    {tk::Bounds(0, 0, 1920, 1080), tk::Bounds(0, 0, 1920, 1040)},
    {tk::Bounds(-1280, -200, 1280, 1024), tk::Bounds(-1220, -200, 1220, 1024)},
};

constexpr int kWidth = 387;
constexpr int kHeight = 372;

std::optional<tk::TPoint> Place(int left, int top,
                                const std::vector<MonitorArea>& monitors = kOne) {
    return PlaceOnScreen(tk::Bounds(left, top, kWidth, kHeight), monitors);
}

TEST(WindowPlacement, APlaceThatShowsAnyPartOfTheWindowIsKeptExactly) {
    EXPECT_EQ(Place(222, 128), std::nullopt);
    // One pixel column or row on the screen is enough.
    EXPECT_EQ(Place(1023, 767), std::nullopt);
    EXPECT_EQ(Place(-kWidth + 1, -kHeight + 1), std::nullopt);
    // Under the task bar is still on the monitor.
    EXPECT_EQ(Place(300, 760), std::nullopt);
    // On the second monitor, at negative coordinates.
    EXPECT_EQ(Place(-1000, 700, kTwo), std::nullopt);
}

TEST(WindowPlacement, AWhollyHiddenWindowComesToTheNearestEdgeOfTheWorkArea) {
    // Just past each edge: it moves the least that shows it all.
    EXPECT_EQ(Place(1024, 100), (tk::TPoint{1024 - kWidth, 100}));
    EXPECT_EQ(Place(100, 768), (tk::TPoint{100, 738 - kHeight}));
    EXPECT_EQ(Place(-kWidth, 100), (tk::TPoint{0, 100}));
    EXPECT_EQ(Place(100, -kHeight), (tk::TPoint{100, 0}));
    // Far away in a corner.
    EXPECT_EQ(Place(5000, 5000), (tk::TPoint{1024 - kWidth, 738 - kHeight}));
    EXPECT_EQ(Place(-5000, -5000), (tk::TPoint{0, 0}));
}

TEST(WindowPlacement, TheNearestMonitorTakesIt) {
    // Right of the big monitor.
    EXPECT_EQ(Place(2500, 300, kTwo), (tk::TPoint{1920 - kWidth, 300}));
    // Left of the left monitor: onto its work area, right of its task bar.
    EXPECT_EQ(Place(-3000, 300, kTwo), (tk::TPoint{-1220, 300}));
    // Below both, nearer the left one's bottom edge (it goes down to 824).
    EXPECT_EQ(Place(-600, 900, kTwo), (tk::TPoint{-600, 824 - kHeight}));
    // Below both, under the big one.
    EXPECT_EQ(Place(800, 1200, kTwo), (tk::TPoint{800, 1040 - kHeight}));
}

TEST(WindowPlacement, AWindowLargerThanTheWorkAreaKeepsItsCaptionOnIt) {
    const std::vector<MonitorArea> small{{tk::Bounds(0, 0, 320, 240), tk::Bounds(0, 0, 320, 220)}};
    EXPECT_EQ(Place(1000, 1000, small), (tk::TPoint{0, 0}));
}

TEST(WindowPlacement, ExtremeSavedNumbersNeitherOverflowNorStayHidden) {
    const tk::TRect lowerRight{INT_MAX - kWidth, INT_MAX - kHeight, INT_MAX, INT_MAX};
    EXPECT_EQ(PlaceOnScreen(lowerRight, kOne), (tk::TPoint{1024 - kWidth, 738 - kHeight}));
    const tk::TRect upperLeft{INT_MIN, INT_MIN, INT_MIN + kWidth, INT_MIN + kHeight};
    EXPECT_EQ(PlaceOnScreen(upperLeft, kOne), (tk::TPoint{0, 0}));
    EXPECT_EQ(Place(INT_MIN, 100, kTwo), (tk::TPoint{-1220, 100}));
}

// The window grown by the detailed view: moved up to end on the work area,
// never above its top, and only when it reaches below.
TEST(WindowPlacement, AWindowReachingBelowTheWorkAreaMovesUp) {
    const tk::TRect work = tk::Bounds(0, 0, 1024, 738);
    EXPECT_EQ(TopAboveBottom(tk::Bounds(222, 128, 387, 672), work), 738 - 672);
    EXPECT_EQ(TopAboveBottom(tk::Bounds(222, 66, 387, 672), work), std::nullopt);
    EXPECT_EQ(TopAboveBottom(tk::Bounds(222, 300, 387, 900), work), 0) << "taller than the area";
    EXPECT_EQ(TopAboveBottom(tk::Bounds(222, -50, 387, 900), work), std::nullopt)
        << "moved down never";
    EXPECT_EQ(TopAboveBottom(tk::Bounds(222, 100, 387, 372), tk::Bounds(0, -200, 1280, 1024)),
              std::nullopt);
}

// The detailed view on a small screen: the window grows only as far as the
// work area lets it, scaled back to the screen it is never taller.
TEST(WindowPlacement, APartBelowTheContentTakesTheRoomTheWorkAreaLeaves) {
    EXPECT_EQ(FittedExtraHeight(301, 161, 400, 738, 96), 301) << "room enough";
    EXPECT_EQ(FittedExtraHeight(301, 100, 560, 768, 144), 138);  // 208 pixels
    EXPECT_EQ(FittedExtraHeight(301, 161, 700, 768, 144), 161) << "never less than least";
    EXPECT_EQ(FittedExtraHeight(301, 161, 900, 768, 96), 161) << "nor when the window is taller";
    // Layout pixels to the screen's, rounded as the system's MulDiv does.
    const auto scaled = [](int value, int dpi) { return (value * dpi + 48) / 96; };
    for (const int dpi : {96, 120, 144, 192}) {
        for (int room = 0; room < 500; ++room) {
            const int extra = FittedExtraHeight(1000, 0, 300, 300 + room, dpi);
            EXPECT_LE(scaled(extra, dpi), room) << dpi << " " << room;
            EXPECT_GT(scaled(extra + 1, dpi), room) << "as tall as it can be";
        }
    }
}

// A maximised window is saved where it goes back to: the system gives that
// place relative to the work area, which a task bar at the top or left of
// a monitor moves away from the monitor's corner.
TEST(WindowPlacement, TheCornerSavedIsTheOneTheWindowGoesBackTo) {
    const MonitorArea left{tk::Bounds(-1280, 0, 1280, 1024), tk::Bounds(-1280, 30, 1280, 994)};
    const tk::TRect maximised = tk::Bounds(-1284, 26, 1288, 1002);
    EXPECT_EQ(PlaceToSave(tk::Bounds(222, 128, 387, 372), std::nullopt, left),
              (tk::TPoint{222, 128}));
    EXPECT_EQ(PlaceToSave(maximised, tk::Bounds(100, 50, 387, 372), left),
              (tk::TPoint{100, 80}));
    EXPECT_EQ(PlaceToSave(maximised, tk::Bounds(100, 50, 387, 372), kOne.front()),
              (tk::TPoint{100, 50}));
}

TEST(WindowPlacement, WithoutAnyMonitorKnownNothingMoves) {
    EXPECT_EQ(Place(5000, 5000, {}), std::nullopt);
}

}  // namespace
}  // namespace rytmalo
