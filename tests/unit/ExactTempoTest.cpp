// The exact tempo: typed, tapped, from a list, doubled and halved.
#include "core/ExactTempo.h"

#include <cmath>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

tk::NumberStyle French() {
    tk::NumberStyle s;
    s.decimal = L",";
    s.thousands = L"\u202F";
    return s;
}

TEST(ExactTempo, WholeTempoIsTheNearestHalvesUp) {
    const std::pair<ExactTempo, std::int32_t> cases[] = {
        {11755, 118}, {11750, 118}, {11749, 117}, {1000, 10}, {1049, 10}, {1050, 11}, {25000, 250}};
    for (const auto& [tempo, whole] : cases) EXPECT_EQ(WholeTempo(tempo), whole) << tempo;
}

TEST(ExactTempo, TypedTextWithEitherMarkRoundedToTwoDecimals) {
    const std::pair<const wchar_t*, std::optional<ExactTempo>> cases[] = {
        {L"117,55", 11755},  {L"117.55", 11755}, {L" 120 ", 12000}, {L"117,555", 11756},
        {L"117,554", 11755}, {L"10", 1000},      {L"250", 25000},   {L"9,995", 1000},
        {L"9,99", {}},       {L"250,01", {}},    {L"250,005", {}},  {L"", {}},
        {L"12a", {}},        {L"-120", {}},      {L"1,2,3", {}}};
    for (const auto& [text, tempo] : cases) EXPECT_EQ(ParseTempo(text, French()), tempo) << text;
}

TEST(ExactTempo, TappedAndListedTemposKeepOneDecimalWithinTheRange) {
    EXPECT_EQ(TempoFromTenths(1175), 11750);
    EXPECT_EQ(TempoFromTenths(100), 1000);
    EXPECT_EQ(TempoFromTenths(2500), 25000);
    EXPECT_EQ(TempoFromTenths(99), std::nullopt);
    EXPECT_EQ(TempoFromTenths(2501), std::nullopt);
    EXPECT_EQ(TempoFromTenths(INT64_MAX / 5), std::nullopt) << "no overflow on the way";
    EXPECT_EQ(TempoFromTap(117.54), 11750);
    EXPECT_EQ(TempoFromTap(117.56), 11760);
    EXPECT_EQ(TempoFromTap(9.96), 1000);
    EXPECT_EQ(TempoFromTap(9.94), std::nullopt);
    EXPECT_EQ(TempoFromTap(250.06), std::nullopt);
    EXPECT_EQ(TempoFromTap(1e300), std::nullopt);
    EXPECT_EQ(TempoFromTap(std::nan("")), std::nullopt);
}

TEST(ExactTempo, DoubledAndHalvedWithTheButtonsAllowedOnlyWithinTheRange) {
    struct Case {
        ExactTempo tempo;
        TempoStep doubled, halved;
    };
    const Case cases[] = {
        {11755, {23510, true}, {5878, true}}, {12501, {25002, false}, {6251, true}},
        {12500, {25000, true}, {6250, true}}, {2000, {4000, true}, {1000, true}},
        {1999, {3998, true}, {1000, true}},   {1998, {3996, true}, {999, false}}};
    for (const Case& c : cases) {
        EXPECT_EQ(Doubled(c.tempo).tempo, c.doubled.tempo) << c.tempo;
        EXPECT_EQ(Doubled(c.tempo).inRange, c.doubled.inRange) << c.tempo;
        EXPECT_EQ(Halved(c.tempo).tempo, c.halved.tempo) << c.tempo;
        EXPECT_EQ(Halved(c.tempo).inRange, c.halved.inRange) << c.tempo;
    }
}

}  // namespace
}  // namespace rytmalo
