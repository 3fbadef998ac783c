#include "core/DecimalText.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tk {
namespace {

// The library's conversion is the reference: the windows showed its text
// before.
TEST(DecimalText, WritesWhatTheLibraryWrites) {
    constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t value :
         {0,          1,           -1,     7,          9,      10,        -10,       11,
          99,         100,         101,    999,        1000,   1200,      2400,      6000,
          24000,      -6000,       65535,  65536,      99999,  100000,    999999999, 1000000000,
          -999999999, -1000000000, kMax32, kMax32 - 1, kMin32, kMin32 + 1}) {
        EXPECT_EQ(DecimalText(value), std::to_wstring(value)) << value;
    }
    for (std::int32_t value = -2000; value <= 2000; ++value) {
        ASSERT_EQ(DecimalText(value), std::to_wstring(value)) << value;
    }
    for (std::int64_t power = 1; power <= 1000000000000000000; power *= 10) {
        EXPECT_EQ(DecimalText(power - 1), std::to_wstring(power - 1));
        EXPECT_EQ(DecimalText(-power), std::to_wstring(-power));
    }
}

TEST(DecimalText, TheWidestValuesKeepEveryDigit) {
    EXPECT_EQ(DecimalText(std::numeric_limits<std::int64_t>::min()), L"-9223372036854775808");
    EXPECT_EQ(DecimalText(std::numeric_limits<std::int64_t>::max()), L"9223372036854775807");
}

}  // namespace
}  // namespace tk
