#include "core/HintGeometry.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "core/Exception.h"
#include "core/Geometry.h"

namespace rytmalo {
namespace {

TEST(HintGeometry, OneLineHintGrowsFrom206By15To290By19) {
    const tk::TRect text{100, 200, 306, 215};
    const tk::TRect bubble = EnlargeForEllipse(text);
    // dx = 202 x 0.2071 = 41.84 -> 42; dy = 11 x 0.2071 = 2.28 -> 2.
    EXPECT_EQ(bubble, (tk::TRect{58, 198, 348, 217}));
    EXPECT_EQ(bubble.Width(), 290);
    EXPECT_EQ(bubble.Height(), 19);
}

TEST(HintGeometry, FourByFourKeepsItsRectangle) {
    const tk::TRect text{-3, 7, 1, 11};
    EXPECT_EQ(EnlargeForEllipse(text), text);
}

TEST(HintGeometry, MarginRoundsToTheNearestPixel) {
    // (extent - 4) x 0.2071067812, rounded.
    EXPECT_EQ(EllipseMargin(5), 0);       // 0.21
    EXPECT_EQ(EllipseMargin(6), 0);       // 0.41
    EXPECT_EQ(EllipseMargin(7), 1);       // 0.62
    EXPECT_EQ(EllipseMargin(11), 1);      // 1.45
    EXPECT_EQ(EllipseMargin(12), 2);      // 1.66
    EXPECT_EQ(EllipseMargin(15), 2);      // 2.28
    EXPECT_EQ(EllipseMargin(17), 3);      // 2.69
    EXPECT_EQ(EllipseMargin(29), 5);      // 5.18
    EXPECT_EQ(EllipseMargin(31), 6);      // 5.59
    EXPECT_EQ(EllipseMargin(1004), 207);  // 207.107
    // Below the margins the rectangle shrinks, symmetrically.
    EXPECT_EQ(EllipseMargin(3), 0);   // -0.21
    EXPECT_EQ(EllipseMargin(1), -1);  // -0.62
}

TEST(HintGeometry, OddSizesGrowEvenlyOnBothSides) {
    const tk::TRect text{0, 0, 33, 27};  // margins 6 (6.01) and 5 (4.76)
    const tk::TRect bubble = EnlargeForEllipse(text);
    EXPECT_EQ(bubble, (tk::TRect{-6, -5, 39, 32}));
    EXPECT_EQ(bubble.Width(), 33 + 12);
    EXPECT_EQ(bubble.Height(), 27 + 10);
}

TEST(HintGeometry, EdgesOutsideThe32BitRangeRaiseInsteadOfWrapping) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_THROW(EnlargeForEllipse({kMax - 100, 0, kMax, 15}), tk::EIntOverflow);
    EXPECT_THROW(EnlargeForEllipse({kMin, 0, 0, 15}), tk::EIntOverflow);
    EXPECT_THROW(CentredOffset(kMin, 1), tk::EIntOverflow);
    EXPECT_THROW((tk::TRect{kMin, 0, kMax, 0}.Width()), tk::EIntOverflow);
    EXPECT_THROW((tk::TRect{0, kMax, 0, -2}.Height()), tk::EIntOverflow);
    EXPECT_THROW(tk::Bounds(kMax - 5, 0, 10, 0), tk::EIntOverflow);
    EXPECT_THROW(tk::Bounds(0, kMin, 0, -1), tk::EIntOverflow);
}

TEST(HintGeometry, TextCentringTruncatesTowardZero) {
    EXPECT_EQ(CentredOffset(290, 200), 45);
    EXPECT_EQ(CentredOffset(19, 13), 3);
    EXPECT_EQ(CentredOffset(20, 13), 3);  // 3.5
    EXPECT_EQ(CentredOffset(21, 13), 4);
    // Text wider than the bubble: -5.5 gives -5, not -6.
    EXPECT_EQ(CentredOffset(290, 301), -5);
    EXPECT_EQ(CentredOffset(290, 302), -6);
    EXPECT_EQ(CentredOffset(0, 0), 0);
}

}  // namespace
}  // namespace rytmalo
