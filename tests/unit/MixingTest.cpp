// Reverb and compressor times, against exact fractions computed here.
#include <gtest/gtest.h>

#include "ExactQuotient.h"
#include "core/Compressor.h"
#include "core/Reverb.h"

namespace rytmalo {
namespace {

// ms × 100 of (a / b) of a whole note.
std::int64_t OfWhole(__int128 a, __int128 b, ExactTempo tempo, int unit) {
    return test::Nearest(100 * __int128{6'000'000} * test::Unit(unit) * a, b * tempo);
}

TEST(Reverb, EverySizeAndPreDelayMatchesTheExactFraction) {
    const std::pair<PreDelay, int> choices[] = {
        {PreDelay::None, 0},  {PreDelay::Of256, 256}, {PreDelay::Of128, 128}, {PreDelay::Of64, 64},
        {PreDelay::Of32, 32}, {PreDelay::Of16, 16},   {PreDelay::BySize, -1}};
    for (const auto& [choice, per] : choices) {
        for (const TimeSignature sig : {TimeSignature{4, 4}, {1, 32}, {7, 8}, {32, 1}, {2, 16}}) {
            for (const ExactTempo tempo : {1000, 11755, 25000}) {
                for (const int unit : {2, 4, 16}) {
                    SCOPED_TRACE(testing::Message()
                                 << per << " " << sig.numerator << "/" << sig.denominator << " "
                                 << tempo << " " << unit);
                    const auto rows = ReverbRows(tempo, static_cast<BeatUnit>(unit), sig, choice);
                    ASSERT_TRUE(rows);
                    // Each size as a / b of a whole note.
                    const std::pair<__int128, __int128> sizes[] = {
                        {1, 4},
                        {1, 2},
                        {sig.numerator, sig.denominator},
                        {2 * sig.numerator, sig.denominator}};
                    for (int i = 0; i < 4; ++i) {
                        const auto [a, b] = sizes[i];
                        const __int128 pre = per >= 0 ? per : 256 >> i;  // 1/pre, 0 none
                        const auto& row = (*rows)[i];
                        EXPECT_EQ(row.wholeHundredthsOfMs, OfWhole(a, b, tempo, unit));
                        EXPECT_EQ(row.preDelayHundredthsOfMs,
                                  pre == 0 ? 0 : OfWhole(1, pre, tempo, unit));
                        // Decay: a / b − 1 / pre when positive, else none
                        // (the page shows a dash).
                        const __int128 left = pre == 0 ? a : a * pre - b;
                        const __int128 right = pre == 0 ? b : b * pre;
                        EXPECT_EQ(row.decayHundredthsOfMs,
                                  left > 0 ? std::optional(OfWhole(left, right, tempo, unit))
                                           : std::nullopt);
                    }
                }
            }
        }
    }
    EXPECT_FALSE(ReverbRows(12000, 4, {4, 4}, static_cast<PreDelay>(kPreDelayCount)));
    EXPECT_FALSE(ReverbRows(12000, 4, {4, 5}, PreDelay::None));
    EXPECT_FALSE(ReverbRows(25001, 4, {4, 4}, PreDelay::None));
    EXPECT_TRUE(IsPreDelay(6) && !IsPreDelay(7) && !IsPreDelay(-1));
}

TEST(Compressor, AttacksReleasesAndTheReleaseToTheNextBeat) {
    for (const ExactTempo tempo : {1000, 11755, 12000, 25000}) {
        for (const int unit : {2, 4, 8, 16, 7}) {
            const auto rows = CompressorRows(tempo, static_cast<BeatUnit>(unit));
            ASSERT_TRUE(rows);
            const int u = test::Unit(unit);
            const std::pair<__int128, __int128> parts[] = {
                {1, 64}, {1, 32}, {1, 8}, {1, 4}, {64 - u, 64 * u}};
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ((*rows)[i].hundredthsOfMs,
                          OfWhole(parts[i].first, parts[i].second, tempo, unit))
                    << tempo << " " << unit << " " << i;
        }
    }
    // 120 with a quarter beat: 500 ms less a 1/64 note of 31.25 ms.
    EXPECT_EQ((*CompressorRows(12000, 4))[4].hundredthsOfMs, 46875);
    EXPECT_FALSE(CompressorRows(999, 4));
}

}  // namespace
}  // namespace rytmalo
