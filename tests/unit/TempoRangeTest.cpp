// The one range of tempos: whole and exact, and the words that give it.
#include "core/TempoRange.h"

#include <gtest/gtest.h>

#include "core/ExactTempo.h"

namespace rytmalo {
namespace {

TEST(TempoRange, TenToTwoHundredFiftyWholeOrExact) {
    const struct {
        std::int64_t tempo;
        bool taken;
    } cases[] = {{-50, false}, {0, false}, {9, false},    {10, true},
                 {120, true},  {250, true}, {251, false}, {INT64_MAX, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(InTempoRange(c.tempo), c.taken) << c.tempo;
        // The exact tempo in hundredths: the same ends, a hundredth beyond refused.
        EXPECT_EQ(IsTempoInRange(c.tempo == INT64_MAX ? c.tempo : c.tempo * 100), c.taken) << c.tempo;
    }
    EXPECT_FALSE(IsTempoInRange(999));
    EXPECT_FALSE(IsTempoInRange(25001));
    EXPECT_EQ(TempoRangeWarning(), L"La plage de valeurs de Tempo doit être comprise entre 10 et 250 ...");
    EXPECT_EQ(TempoRangeText(), L"de 10 à 250");
}

}  // namespace
}  // namespace rytmalo
