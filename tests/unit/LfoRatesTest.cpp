// LFO rates synced to the bar, against exact fractions worked out here.
#include "core/LfoRates.h"

#include <gtest/gtest.h>

#include "ExactQuotient.h"

namespace rytmalo {
namespace {

using test::Nearest;

TEST(LfoRates, PeriodsInOrderWithTheirDottedAndTripletValues) {
    const auto& periods = LfoPeriods();
    // Plain periods of 1/16 bar to 16 bars, each followed by 3/2 and 2/3
    // of it.
    for (std::size_t i = 0; i < kLfoPeriodCount; i += 3) {
        const std::int64_t doubling = std::int64_t{1} << (i / 3);  // 1/16 × 2^k bars
        const LfoPeriod& plain = periods[i];
        EXPECT_EQ(plain.bars * 16, doubling * plain.per) << std::wstring(plain.name);
        EXPECT_EQ(periods[i + 1].bars * plain.per * 2, 3 * plain.bars * periods[i + 1].per);
        EXPECT_EQ(periods[i + 2].bars * plain.per * 3, 2 * plain.bars * periods[i + 2].per);
    }
    EXPECT_EQ(periods[0].name, L"1/16 de mesure");
    EXPECT_EQ(periods[4].name, L"1/8 de mesure pointé");
    EXPECT_EQ(periods[10].name, L"1/2 mesure pointée");
    EXPECT_EQ(periods[14].name, L"1 mesure en triolet");
    EXPECT_EQ(periods[26].name, L"16 mesures en triolet");
}

TEST(LfoRates, WorkedRates) {
    const auto& p = LfoPeriods();
    const auto at = [&](std::size_t i, TimeSignature sig = {}) {
        return *LfoAt(p[i], 12000, 4, sig);
    };
    // A bar of 4/4 at 120 lasts 2 s.
    EXPECT_EQ(at(0).hertz, (Fixed{800, 2}));  // 125 ms
    EXPECT_EQ(at(0).cyclesPerBar, (Fixed{16000, 3}));
    EXPECT_EQ(at(1).hertz, (Fixed{533, 2}));  // 187,5 ms
    EXPECT_EQ(at(1).cyclesPerBar, (Fixed{10667, 3}));
    EXPECT_EQ(at(12).hertz, (Fixed{500, 3}));
    EXPECT_EQ(at(14).cyclesPerBar, (Fixed{1500, 3}));
    EXPECT_EQ(at(24).hertz, (Fixed{313, 4}));  // 0,03125 Hz, a half up
    EXPECT_EQ(at(24).cyclesPerBar, (Fixed{625, 4}));
    EXPECT_EQ(at(25).cyclesPerBar, (Fixed{417, 4}));
    EXPECT_EQ(at(26).hertz, (Fixed{469, 4}));  // 0,046875 Hz
    EXPECT_EQ(at(12, {7, 8}).hertz, (Fixed{571, 3}));
    EXPECT_FALSE(LfoAt(p[0], 999, 4, {}));
    EXPECT_FALSE(LfoAt(p[0], 12000, 4, {4, 3}));
}

// Hz = 1000 × per × den × tempo / (bars × num × 6e6 × unit): to the
// hundredth from 1 Hz up, below it with three significant digits.
TEST(LfoRates, EveryPeriodTempoUnitAndSignatureMatchesTheExactFraction) {
    for (const ExactTempo tempo : {1000, 11755, 12000, 13333, 25000}) {
        for (const int unit : {2, 4, 8, 16}) {
            for (const TimeSignature sig : {TimeSignature{4, 4}, {7, 8}, {32, 1}, {1, 32}}) {
                for (const LfoPeriod& period : LfoPeriods()) {
                    const auto f = *LfoAt(period, tempo, static_cast<BeatUnit>(unit), sig);
                    const __int128 num = __int128{1000} * period.per * sig.denominator * tempo;
                    const __int128 den =
                        __int128{period.bars} * sig.numerator * 6'000'000 * test::Unit(unit);
                    __int128 scale = 1;
                    for (int d = 0; d < f.hertz.decimals; ++d) scale *= 10;
                    EXPECT_EQ(f.hertz.scaled, Nearest(num * scale, den))
                        << std::wstring(period.name);
                    EXPECT_EQ(f.hertz.decimals == 2, num >= den) << std::wstring(period.name);
                    EXPECT_GE(f.hertz.scaled, 100) << std::wstring(period.name);
                }
            }
        }
    }
}

}  // namespace
}  // namespace rytmalo
