#include "core/Loops.h"

#include "core/Duration.h"
#include "core/ExactTempo.h"
#include "core/LoopLength.h"

namespace rytmalo {
namespace {

constexpr std::int32_t kBeatCounts[] = {1, 2, 4};
constexpr std::int32_t kBarCounts[] = {1, 2, 4, 8, 16, 32};

// Hundredths of BPM at which `length` lasts beatsNum / beatsDen beats.
LoopRow RowOf(std::int32_t count, LoopCount kind, ExactMs length, Wide beatsNum, Wide beatsDen) {
    const std::int64_t hundredths =
        RoundedQuotient(Wide{6'000'000} * beatsNum * length.den, beatsDen * length.num);
    return {count, kind, hundredths, IsTempoInRange(hundredths)};
}

}  // namespace

// Bounds: a length of at least a microsecond and 32 bars of 32/1 to the
// sixteenth, 16384 beats, give at most 6e6 × 16384 × 1000 hundredths,
// about 9.8e13.
std::optional<std::array<LoopRow, kLoopRowCount>> LoopRows(ExactMs length, TimeSignature signature,
                                                           BeatUnit unit) {
    if (length.den <= 0 || Compare(length, {1, 1000}) < 0 ||
        Compare(length, {kLongestLengthMs, 1}) > 0 || !IsValidSignature(signature))
        return std::nullopt;
    std::array<LoopRow, kLoopRowCount> rows{};
    std::size_t i = 0;
    for (const std::int32_t beats : kBeatCounts)
        rows[i++] = RowOf(beats, LoopCount::Beats, length, beats, 1);
    // Beats in a bar: num × unit / den.
    for (const std::int32_t bars : kBarCounts)
        rows[i++] =
            RowOf(bars, LoopCount::Bars, length,
                  Wide{bars} * signature.numerator * BeatsPerWhole(unit), signature.denominator);
    return rows;
}

}  // namespace rytmalo
