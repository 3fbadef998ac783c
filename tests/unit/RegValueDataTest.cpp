// Registry data as the store hands it out, whatever another program wrote.
#include "components/RegValueData.h"

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

TEST(IntegerFromData, LittleEndianAndShortDataZeroExtended) {
    const unsigned char minusTwo[] = {0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(IntegerFromData(minusTwo, 4), -2);
    const unsigned char bytes[] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(IntegerFromData(bytes, 4), 0x12345678);
    EXPECT_EQ(IntegerFromData(bytes, 2), 0x5678);
    EXPECT_EQ(IntegerFromData(minusTwo, 3), 0x00FFFFFE) << "three bytes never make a negative";
    EXPECT_EQ(IntegerFromData(minusTwo, 1), 0xFE);
    EXPECT_EQ(IntegerFromData(minusTwo, 0), 0);
}

TEST(TextFromData, StopsAtTheFirstZeroOrTheEndOfTheData) {
    // "Ré" + zero + "x", UTF-16 little-endian.
    const unsigned char terminated[] = {'R', 0, 0xE9, 0, 0, 0, 'x', 0};
    EXPECT_EQ(TextFromData(terminated, sizeof terminated), L"Ré");
    EXPECT_EQ(TextFromData(terminated, 4), L"Ré") << "no terminating zero: all of the data";
    EXPECT_EQ(TextFromData(terminated, 3), L"R") << "an odd byte is no character";
    EXPECT_EQ(TextFromData(terminated, 0), L"");
    const unsigned char note[] = {0x69, 0x26};  // U+2669, a quarter note
    EXPECT_EQ(TextFromData(note, 2), std::wstring(1, static_cast<wchar_t>(0x2669)));
}

}  // namespace
}  // namespace rytmalo
