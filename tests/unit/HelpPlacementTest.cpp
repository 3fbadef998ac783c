// Where the help pop-up and the help window go on the screen.
#include "core/HelpPlacement.h"

#include <limits>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

const tk::TRect kWork = tk::Bounds(0, 0, 1024, 738);

void ExpectBounds(const tk::TRect& b, int left, int top, int width, int height) {
    EXPECT_EQ(b.Left, left);
    EXPECT_EQ(b.Top, top);
    EXPECT_EQ(b.Width(), width);
    EXPECT_EQ(b.Height(), height);
}

TEST(HelpPlacement, PopupGoesBelowRightOfThePointerElseFlipsAndStaysInside) {
    ExpectBounds(PlaceNearPointer(100, 100, 300, 120, 12, kWork), 112, 112, 300, 120);
    // At the right edge: left of the pointer; at the bottom: above it.
    ExpectBounds(PlaceNearPointer(900, 100, 300, 120, 12, kWork), 588, 112, 300, 120);
    ExpectBounds(PlaceNearPointer(100, 700, 300, 120, 12, kWork), 112, 568, 300, 120);
    // No room on either side: kept inside the work area.
    ExpectBounds(PlaceNearPointer(200, 100, 900, 120, 12, kWork), 0, 112, 900, 120);
    ExpectBounds(PlaceNearPointer(10, 10, 300, 120, 12, tk::Bounds(100, 50, 800, 600)), 100, 50,
                 300, 120);
    // Larger than the work area: its top-left corner stays visible.
    ExpectBounds(PlaceNearPointer(500, 300, 2000, 1000, 12, kWork), 0, 0, 2000, 1000);
}

TEST(HelpPlacement, WindowGoesBesideItsAnchorWhereThereIsRoom) {
    // Right of the anchor, top aligned.
    ExpectBounds(PlaceBeside(tk::Bounds(100, 50, 300, 200), 400, 300, 8, kWork), 408, 50, 400, 300);
    // No room on the right: on the left.
    ExpectBounds(PlaceBeside(tk::Bounds(600, 50, 300, 200), 400, 300, 8, kWork), 192, 50, 400, 300);
    // Room on neither side: at the edge of the side with more room.
    ExpectBounds(PlaceBeside(tk::Bounds(222, 128, 387, 380), 436, 350, 8, kWork), 588, 128, 436,
                 350);
    ExpectBounds(PlaceBeside(tk::Bounds(420, 128, 387, 380), 436, 350, 8, kWork), 0, 128, 436, 350);
    // Kept inside the work area vertically.
    ExpectBounds(PlaceBeside(tk::Bounds(100, 600, 300, 200), 400, 300, 8, kWork), 408, 438, 400,
                 300);
}

// Coordinates at the ends of the 32-bit range: the box still lands inside
// the work area, where sums would have wrapped.
TEST(HelpPlacement, ExtremeCoordinatesStayInsideTheWorkArea) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const tk::TRect farRight{kMax - 1000, kMax - 1000, kMax, kMax};
    ExpectBounds(PlaceNearPointer(kMax, kMax, 300, 120, 12, farRight), kMax - 312, kMax - 132, 300,
                 120);
    ExpectBounds(PlaceBeside({kMax - 500, kMax - 500, kMax, kMax}, 400, 300, 8, farRight),
                 kMax - 908, kMax - 500, 400, 300);
    const tk::TRect farLeft{kMin, kMin, kMin + 1000, kMin + 1000};
    ExpectBounds(PlaceNearPointer(kMin, kMin, 300, 120, 12, farLeft), kMin + 12, kMin + 12, 300,
                 120);
}

}  // namespace
}  // namespace rytmalo
