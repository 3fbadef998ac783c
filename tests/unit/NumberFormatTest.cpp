// Numbers written and read in the user's style: a French and an English one.
#include "toolkit/NumberFormat.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

NumberStyle French() {
    NumberStyle s;
    s.decimal = L",";
    s.thousands = L"\u202F";
    ParseGrouping(L"3;0", s);
    return s;
}

NumberStyle English() {
    NumberStyle s;
    ParseGrouping(L"3;0", s);
    return s;
}

TEST(NumberFormat, FixedFiguresInFrenchAndEnglish) {
    EXPECT_EQ(FormatFixed(33333, 2, French()), L"333,33");
    EXPECT_EQ(FormatFixed(33333, 2, English()), L"333.33");
    EXPECT_EQ(FormatFixed(180451, 2, French()), L"1\u202F804,51");
    EXPECT_EQ(FormatFixed(123456789, 0, English()), L"123,456,789");
    EXPECT_EQ(FormatFixed(5, 2, English()), L"0.05");
    EXPECT_EQ(FormatFixed(0, 1, French()), L"0,0");
    EXPECT_EQ(FormatFixed(-857142, 2, French()), L"-8\u202F571,42");
    EXPECT_EQ(FormatFixed(1000, 0, English()), L"1,000");
    EXPECT_EQ(FormatFixed(999, 0, English()), L"999");
}

TEST(NumberFormat, GroupingsOfTheSystem) {
    NumberStyle s;
    ParseGrouping(L"3;2;0", s);  // Indian
    EXPECT_EQ(FormatFixed(123456789, 0, s), L"12,34,56,789");
    ParseGrouping(L"3", s);  // one group, the rest together
    EXPECT_EQ(FormatFixed(123456789, 0, s), L"123456,789");
    ParseGrouping(L"0;0", s);  // none
    EXPECT_EQ(FormatFixed(123456789, 0, s), L"123456789");
}

TEST(NumberFormat, ReadsWhatTheUserTypesWithTheirMarkOrAFullStop) {
    constexpr std::int64_t kLimit = 1'000'000'000;
    EXPECT_EQ(ParseFixed(L"375", 3, French(), kLimit), 375000);
    EXPECT_EQ(ParseFixed(L" 333,333 ", 3, French(), kLimit), 333333);
    EXPECT_EQ(ParseFixed(L"333.5", 3, French(), kLimit), 333500);
    EXPECT_EQ(ParseFixed(L"333.5", 3, English(), kLimit), 333500);
    EXPECT_EQ(ParseFixed(L"0,00049", 3, French(), kLimit), 0);
    EXPECT_EQ(ParseFixed(L"0,0005", 3, French(), kLimit), 1) << "rounded to the nearest";
    EXPECT_EQ(ParseFixed(L".5", 3, English(), kLimit), 500);
    EXPECT_EQ(ParseFixed(L"1000000", 3, English(), kLimit), 1'000'000'000);
    for (const wchar_t* bad : {L"", L"  ", L"abc", L"-5", L"12a", L"1,5", L"1.2.3", L"1000001",
                               L"99999999999999999999", L"."}) {
        EXPECT_EQ(ParseFixed(bad, 3, English(), kLimit), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseFixed(L"1,2,3", 3, French(), kLimit), std::nullopt);
}

}  // namespace
}  // namespace tk
