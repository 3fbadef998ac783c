#include "core/GradientTable.h"

#include <gtest/gtest.h>

#include "core/Exception.h"

namespace rytmalo {
namespace {

using tk::Rgb;

std::uint8_t Red(tk::Color c) { return c & 0xFF; }
std::uint8_t Green(tk::Color c) { return (c >> 8) & 0xFF; }
std::uint8_t Blue(tk::Color c) { return (c >> 16) & 0xFF; }

GradientColorTable Filled(tk::Color base, int count) {
    GradientColorTable table;
    table.fill(0xDEADBEEF);
    FillGradientTable(table, base, count);
    return table;
}

TEST(GradientTable, NavyInSixtyFourSteps) {
    const auto table = Filled(Rgb(0, 0, 128), 64);
    EXPECT_EQ(table[0], Rgb(0, 0, 0));
    EXPECT_EQ(table[1], Rgb(0, 0, 2));
    EXPECT_EQ(table[32], Rgb(0, 0, 65));
    EXPECT_EQ(table[63], Rgb(0, 0, 128));
    EXPECT_EQ(table[64], 0xDEADBEEFu) << "entries past the count are left alone";
    EXPECT_EQ(table[255], 0xDEADBEEFu);
}

TEST(GradientTable, EightStepsOfAFullComponent) {
    const std::uint8_t expected[] = {0, 36, 73, 109, 146, 182, 219, 255};
    const auto reds = Filled(Rgb(255, 0, 0), 8);
    const auto greens = Filled(Rgb(0, 255, 0), 8);
    const auto blues = Filled(Rgb(0, 0, 255), 8);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(reds[k], Rgb(expected[k], 0, 0)) << k;
        EXPECT_EQ(greens[k], Rgb(0, expected[k], 0)) << k;
        EXPECT_EQ(blues[k], Rgb(0, 0, expected[k])) << k;
    }
    EXPECT_EQ(reds[8], 0xDEADBEEFu);
}

TEST(GradientTable, TwoHundredFiftySixStepsFillEveryEntry) {
    const auto grey = Filled(Rgb(255, 255, 255), 256);
    for (int k = 0; k < 256; ++k) EXPECT_EQ(grey[k], Rgb(k, k, k)) << k;
    const auto caption = Filled(Rgb(10, 36, 106), 256);
    EXPECT_EQ(caption[0], 0u);
    EXPECT_EQ(caption[255], Rgb(10, 36, 106));
}

TEST(GradientTable, ExactHalvesGoToTheEvenNeighbour) {
    // Nine steps of 4: an increment of exactly 0.5.
    const auto table = Filled(Rgb(4, 0, 8), 9);
    const std::uint8_t reds[] = {0, 0, 1, 2, 2, 2, 3, 4, 4};
    const std::uint8_t blues[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(Red(table[k]), reds[k]) << k;
        EXPECT_EQ(Blue(table[k]), blues[k]) << k;
    }
}

TEST(GradientTable, EveryCountRisesFromBlackToTheBaseColour) {
    const tk::Color base = Rgb(58, 110, 165);
    for (int count = kMinGradientColors; count <= kMaxGradientColors; ++count) {
        const auto table = Filled(base, count);
        ASSERT_EQ(table[0], 0u) << count;
        ASSERT_EQ(table[count - 1], base) << count;
        for (int k = 1; k < count; ++k) {
            ASSERT_LE(Red(table[k - 1]), Red(table[k])) << count << " " << k;
            ASSERT_LE(Green(table[k - 1]), Green(table[k])) << count << " " << k;
            ASSERT_LE(Blue(table[k - 1]), Blue(table[k])) << count << " " << k;
            ASSERT_EQ(table[k] >> 24, 0u);
        }
    }
}

TEST(GradientTable, TheTopByteOfTheBaseIsIgnored) {
    EXPECT_EQ(Filled(0x80000000u | Rgb(0, 0, 128), 64), Filled(Rgb(0, 0, 128), 64));
}

TEST(GradientTable, CountsOutsideTheTableAreRangeErrors) {
    GradientColorTable table{};
    EXPECT_THROW(FillGradientTable(table, Rgb(1, 2, 3), 7), tk::ERangeError);
    EXPECT_THROW(FillGradientTable(table, Rgb(1, 2, 3), 257), tk::ERangeError);
    EXPECT_THROW(FillGradientTable(table, Rgb(1, 2, 3), 0), tk::ERangeError);
}

TEST(GradientBands, BandsTileTheCaptionWithoutGapsOrOverlaps) {
    for (int width : {0, 5, 63, 64, 65, 100, 381, 1000}) {
        for (int count : {8, 9, 64, 255, 256}) {
            int next = 0;
            for (int i = 0; i < count; ++i) {
                const ColumnSpan band = GradientBand(width, count, i);
                ASSERT_EQ(band.begin, next) << width << "/" << count << " band " << i;
                ASSERT_GE(band.end, band.begin);
                next = band.end;
            }
            EXPECT_EQ(next, width) << width << "/" << count;
        }
    }
}

TEST(GradientBands, BoundariesRoundToNearestAndHalvesToEven) {
    // 381 columns in 64 bands: 5.953125 columns each.
    EXPECT_EQ(GradientBand(381, 64, 0), (ColumnSpan{0, 6}));
    EXPECT_EQ(GradientBand(381, 64, 1), (ColumnSpan{6, 12}));
    EXPECT_EQ(GradientBand(381, 64, 63), (ColumnSpan{375, 381}));
    // Half a column each: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4.
    EXPECT_EQ(GradientBand(8, 16, 0), (ColumnSpan{0, 0}));
    EXPECT_EQ(GradientBand(8, 16, 1), (ColumnSpan{0, 1}));
    EXPECT_EQ(GradientBand(8, 16, 2), (ColumnSpan{1, 2}));
    EXPECT_EQ(GradientBand(8, 16, 4), (ColumnSpan{2, 2}));
    EXPECT_EQ(GradientBand(8, 16, 6), (ColumnSpan{3, 4}));
    EXPECT_THROW(GradientBand(100, 64, 64), tk::ERangeError);
    EXPECT_THROW(GradientBand(100, 64, -1), tk::ERangeError);
}

}  // namespace
}  // namespace rytmalo
