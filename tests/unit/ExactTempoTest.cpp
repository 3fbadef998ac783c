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
    const std::pair<std::int64_t, std::optional<ExactTempo>> tenths[] = {
        {1175, 11750}, {100, 1000}, {2500, 25000}, {99, {}}, {2501, {}}, {INT64_MAX / 5, {}}};
    for (const auto& [t, tempo] : tenths) EXPECT_EQ(TempoFromTenths(t), tempo) << t;
    const std::pair<double, std::optional<ExactTempo>> taps[] = {
        {117.54, 11750}, {117.56, 11760}, {9.96, 1000},      {9.94, {}},
        {250.06, {}},    {1e300, {}},     {std::nan(""), {}}};
    for (const auto& [bpm, tempo] : taps) EXPECT_EQ(TempoFromTap(bpm), tempo) << bpm;
}

TEST(ExactTempo, DoubledAndHalvedWithTheButtonsAllowedOnlyWithinTheRange) {
    // Tempo; doubled and whether allowed; halved and whether allowed.
    const std::tuple<ExactTempo, ExactTempo, bool, ExactTempo, bool> cases[] = {
        {11755, 23510, true, 5878, true},
        {12501, 25002, false, 6251, true},
        {12500, 25000, true, 6250, true},
        {1999, 3998, true, 1000, true},
        {1998, 3996, true, 999, false}};
    for (const auto& [tempo, doubled, up, halved, down] : cases) {
        EXPECT_EQ(std::pair(Doubled(tempo).tempo, Doubled(tempo).inRange), std::pair(doubled, up));
        EXPECT_EQ(std::pair(Halved(tempo).tempo, Halved(tempo).inRange), std::pair(halved, down));
    }
}

}  // namespace
}  // namespace rytmalo
