#include "core/TempoText.h"

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

struct Case {
    const wchar_t* text;
    std::int32_t value;
};

TEST(TempoText, CleanNumbers) {
    const Case cases[] = {
        {L"120", 120},   {L"-5", -5},   {L"+7", 7},    {L" 99", 99},
        {L"  -12", -12}, {L"$FA", 250}, {L"$fa", 250}, {L"007", 7},
    };
    for (const Case& c : cases) EXPECT_EQ(TempoTextToInt(c.text), c.value) << c.text;
}

// A stray character keeps the digits before it and drops the sign.
TEST(TempoText, StrayCharacterKeepsDigitsReadBefore) {
    const Case cases[] = {
        {L"12a", 12}, {L"-5x", 5}, {L"1 2", 1}, {L"99 ", 99},
        {L"$FG", 15}, {L"-$F", 0}, {L"\t5", 0}, {L"2.5", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(TempoTextToInt(c.text), c.value) << c.text;
}

TEST(TempoText, NoDigitGivesZero) {
    for (const wchar_t* text : {L"", L"abc", L"-", L"+", L"$", L"   ", L"x12"}) {
        EXPECT_EQ(TempoTextToInt(text), 0) << text;
    }
}

TEST(TempoText, DigitThatWouldOverflowStopsTheNumber) {
    EXPECT_EQ(TempoTextToInt(L"2147483647"), 2147483647);
    EXPECT_EQ(TempoTextToInt(L"-2147483647"), -2147483647);
    EXPECT_EQ(TempoTextToInt(L"99999999999"), 999999999);
    EXPECT_EQ(TempoTextToInt(L"$FFFFFFFFF"), 0x0FFFFFFF);
}

}  // namespace
}  // namespace rytmalo
