// From one tempo to another and back from a pitch shift. Pitches are
// checked against the cents of just intervals as tables give them, and by
// exponentials rather than logarithms.
#include "core/TempoChange.h"

#include <cmath>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

TEST(TempoChange, RatioSpeedAndPitch) {
    const auto up = *ChangeBetween(12000, 12600);
    EXPECT_TRUE(up.lengthRatio == 9524 && up.speedPercent == 500 && up.pitch == 845);
    const auto down = *ChangeBetween(12000, 6000);
    EXPECT_TRUE(down.lengthRatio == 20000 && down.speedPercent == -5000 && down.pitch == -12000);
    // Halves away from zero: 120 to 121,11 is 0,925 % faster.
    EXPECT_EQ(ChangeBetween(12000, 12111)->speedPercent, 93);
    EXPECT_EQ(ChangeBetween(12000, 11889)->speedPercent, -93);
    // Tenths of a cent: 3/2 is 701,955, 5/4 386,314, 6/5 315,641, 9/8
    // 203,910, 16/15 111,731; 250 to 10, 12 × log2(1/25) semitones.
    const std::tuple<ExactTempo, ExactTempo, std::int64_t> just[] = {
        {10000, 15000, 7020}, {15000, 10000, -7020}, {10000, 12500, 3863}, {10000, 12000, 3156},
        {8000, 9000, 2039},   {15000, 16000, 1117},  {25000, 1000, -55726}};
    for (const auto& [from, to, pitch] : just) EXPECT_EQ(ChangeBetween(from, to)->pitch, pitch);
    EXPECT_FALSE(ChangeBetween(999, 12000) || ChangeBetween(12000, 25001));
    // Each pitch p has 2^((p ± 1/2) / 12000) on either side of new / old.
    for (ExactTempo from = 1000; from <= 25000; from += 997) {
        for (ExactTempo to = 1000; to <= 25000; to += 103) {
            const long double p = static_cast<long double>(ChangeBetween(from, to)->pitch);
            const long double ratio = static_cast<long double>(to) / from;
            EXPECT_LE(std::pow(2.0L, (p - 0.5L) / 12000), ratio) << from << " " << to;
            EXPECT_GE(std::pow(2.0L, (p + 0.5L) / 12000), ratio) << from << " " << to;
        }
    }
}

TEST(TempoChange, TheTempoOfAShiftAndBack) {
    const std::tuple<ExactTempo, std::int32_t, std::optional<ExactTempo>> cases[] = {
        {12000, 100, 12714}, {12000, -1200, 6000}, {10000, 700, 14983}, {6200, 2400, 24800},
        {6250, -2400, 1563}, {25000, -2400, 6250}, {25000, 2400, {}},   {1000, -1, {}},
        {12000, 2401, {}},   {12000, -2401, {}},   {999, 0, {}}};
    for (const auto& [from, shift, to] : cases) EXPECT_EQ(TempoShiftedBy(from, shift), to);
    // Rounding the tempo to the hundredth moves the pitch back by at most
    // 12000 × log2(1 + 1/2 / tempo) thousandths, rounding the pitch by 1/2.
    for (const ExactTempo from : {1000, 6250, 11755, 25000}) {
        for (std::int32_t shift = -2400; shift <= 2400; shift += 7) {
            const auto to = TempoShiftedBy(from, shift);
            if (!to) continue;
            const double off = 12000 * std::log2(1 + 0.5 / *to) + 0.5;
            EXPECT_NEAR(ChangeBetween(from, *to)->pitch, 10.0 * shift, off) << from << " " << shift;
        }
    }
    tk::NumberStyle french;
    french.decimal = L",";
    const std::pair<const wchar_t*, std::optional<std::int32_t>> typed[] = {
        {L"+1", 100},    {L"-12", -1200}, {L"\u22120,5", -50}, {L" - 24 ", -2400},
        {L"1,005", 101}, {L"24,01", {}},  {L"-", {}},          {L"+-1", {}}};
    for (const auto& [text, shift] : typed) EXPECT_EQ(ParseShift(text, french), shift) << text;
}

}  // namespace
}  // namespace rytmalo
