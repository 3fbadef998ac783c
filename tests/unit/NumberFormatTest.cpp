// Numbers written and read in the user's style: a French and an English one.
#include "core/NumberFormat.h"

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

// Whatever the registry holds: sizes beyond 9 count as 3, and no size makes
// the writer overflow or write out of bounds.
TEST(NumberFormat, GroupSizesFromTheRegistryAreReadDefensively) {
    NumberStyle s;
    for (const wchar_t* grouping :
         {L"1;2147483647", L"99999999999", L"12;0", L"3;99999999999999999999;0"}) {
        ParseGrouping(grouping, s);
        for (const int size : s.groups) EXPECT_TRUE(size >= 0 && size <= 9) << grouping;
        EXPECT_FALSE(FormatFixed(12345678901234, 2, s).empty()) << grouping;
    }
    ParseGrouping(L"1;2147483647", s);
    EXPECT_EQ(FormatFixed(123456789, 0, s), L"12345,678,9");
    ParseGrouping(L"99999999999", s);
    EXPECT_EQ(FormatFixed(1234567, 0, s), L"1234,567");
    // A style made by hand with any size at all.
    s.groups = {2147483647};
    s.repeatLast = true;
    EXPECT_EQ(FormatFixed(1234567, 0, s), L"1234567");
    s.groups = {1, 2147483647};
    EXPECT_EQ(FormatFixed(1234567, 0, s), L"123456,7");
}

// The program's own figures read back, however the digits are grouped.
TEST(NumberFormat, ReadsGroupedFigures) {
    constexpr std::int64_t kLimit = 1'000'000'000;
    for (const wchar_t* grouped : {L"1 212,12", L"1\u00A0212,12", L"1\u202F212,12", L"1212,12"}) {
        EXPECT_EQ(ParseFixed(grouped, 3, French(), kLimit), 1212120) << grouped;
    }
    NumberStyle german = French();
    german.thousands = L".";
    EXPECT_EQ(ParseFixed(L"1.212,12", 3, german, kLimit), 1212120);
    EXPECT_EQ(ParseFixed(L"1.212", 3, german, kLimit), 1212000) << "full stops group there";
    EXPECT_EQ(ParseFixed(L".212", 3, german, kLimit), std::nullopt);
    EXPECT_EQ(ParseFixed(L"1,212.12", 3, English(), kLimit), 1212120);
    EXPECT_EQ(ParseFixed(L"1 212.12", 3, English(), kLimit), 1212120);
    EXPECT_EQ(ParseFixed(L"12 345 678", 0, French(), kLimit), 12345678);
    NumberStyle indian = English();
    ParseGrouping(L"3;2;0", indian);
    EXPECT_EQ(ParseFixed(L"1,00,000", 0, indian, kLimit), 100000);
    // Groups that are not the style's are no figure of it.
    for (const wchar_t* bad : {L"1 21,12", L"12 1212,12", L"1  212", L"1 212 ,5", L"1 2122"}) {
        EXPECT_EQ(ParseFixed(bad, 3, French(), kLimit), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseFixed(L"375,5", 3, English(), kLimit), std::nullopt) << "not 3755";
    EXPECT_EQ(ParseFixed(L"1,00,000", 0, English(), kLimit), std::nullopt);
}

// The leftmost group may be shorter, never longer; past the last size of
// a grouping that does not repeat ("3"), the digits stay together.
TEST(NumberFormat, GroupsLongerThanTheStyleGivesAreRefused) {
    constexpr std::int64_t kLimit = 1'000'000'000;
    for (const wchar_t* bad : {L"1234 567", L"1234\u202F567", L"1234 567,5", L"12345 678"})
        EXPECT_EQ(ParseFixed(bad, 0, French(), kLimit), std::nullopt) << bad;
    EXPECT_EQ(ParseFixed(L"234 567", 0, French(), kLimit), 234567);
    NumberStyle once = English();
    ParseGrouping(L"3", once);
    EXPECT_EQ(FormatFixed(12345678, 0, once), L"12345,678");
    EXPECT_EQ(ParseFixed(L"12345,678", 0, once, kLimit), 12345678);
    EXPECT_EQ(ParseFixed(L"12345,678.5", 1, once, kLimit), 123456785);
    for (const wchar_t* bad : {L"12,345,678", L"1,345,678", L"12345,67", L"12345,6789"})
        EXPECT_EQ(ParseFixed(bad, 0, once, kLimit), std::nullopt) << bad;
}

// The limit is honoured to the last unit, whatever it is.
TEST(NumberFormat, NoLimitMakesTheReaderOverflow) {
    constexpr std::int64_t kLargest = INT64_MAX;
    EXPECT_EQ(ParseFixed(L"9223372036854775807", 0, English(), kLargest), kLargest);
    EXPECT_EQ(ParseFixed(L"9223372036854775808", 0, English(), kLargest), std::nullopt);
    EXPECT_EQ(ParseFixed(L"922337203685477580.75", 1, English(), kLargest), std::nullopt)
        << "rounding up past the limit";
    EXPECT_EQ(ParseFixed(L"922337203685477580.74", 1, English(), kLargest), kLargest);
    EXPECT_EQ(ParseFixed(L"3", 0, English(), 3), 3);
    EXPECT_EQ(ParseFixed(L"4", 0, English(), 3), std::nullopt);
    EXPECT_EQ(ParseFixed(L"2,5", 0, French(), 3), 3);
    EXPECT_EQ(ParseFixed(L"3,5", 0, French(), 3), std::nullopt);
    EXPECT_EQ(ParseFixed(L"0", 0, English(), 0), 0);
}

}  // namespace
}  // namespace tk
