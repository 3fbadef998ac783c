// LFO rates synced to the bar, against rates worked out here.
#include "core/LfoRates.h"

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

TEST(LfoRates, PeriodsAndWorkedRates) {
    const auto& p = LfoPeriods();
    // 1/16 bar to 16 bars, each followed by 3/2 and 2/3 of it.
    for (std::size_t i = 0; i < kLfoPeriodCount; i += 3) {
        EXPECT_EQ(p[i].bars * 16, (std::int64_t{1} << (i / 3)) * p[i].per);
        EXPECT_EQ(p[i + 1].bars * p[i].per * 2, 3 * p[i].bars * p[i + 1].per);
        EXPECT_EQ(p[i + 2].bars * p[i].per * 3, 2 * p[i].bars * p[i + 2].per);
    }
    EXPECT_TRUE(p[4].name == L"1/8 de mesure pointé" && p[10].name == L"1/2 mesure pointée" &&
                p[14].name == L"1 mesure en triolet" && p[26].name == L"16 mesures en triolet");
    // A bar of 4/4 at 120 lasts 2 s; a dotted 1/16 of it 187,5 ms.
    const auto at = [&](std::size_t i) { return *LfoAt(p[i], 12000, 4, {}); };
    const std::tuple<std::size_t, Fixed, Fixed> rates[] = {
        {0, {800, 2}, {16000, 3}}, {1, {533, 2}, {10667, 3}}, {12, {500, 3}, {1000, 3}},
        {14, {750, 3}, {1500, 3}}, {24, {313, 4}, {625, 4}},  {25, {208, 4}, {417, 4}},
        {26, {469, 4}, {938, 4}}};
    for (const auto& [i, hertz, cycles] : rates) {
        EXPECT_EQ(at(i).hertz, hertz) << i;
        EXPECT_EQ(at(i).cyclesPerBar, cycles) << i;
    }
    // 7/8 to the eighth: 3,5 s.
    EXPECT_EQ(LfoAt(p[12], 12000, 8, {7, 8})->hertz, (Fixed{286, 3}));
    EXPECT_FALSE(LfoAt(p[0], 999, 4, {}) || LfoAt(p[0], 12000, 4, {4, 3}));
}

}  // namespace
}  // namespace rytmalo
