// Registry text as the store hands it out, whatever another program wrote.
// (Integers, short ones included, are read back from the real registry in
// the store's tests.)
#include "core/RegValueData.h"

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

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
