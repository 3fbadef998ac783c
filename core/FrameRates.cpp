#include "core/FrameRates.h"

#include "core/Duration.h"
#include "core/Rational.h"

namespace rytmalo {

std::optional<FrameFigures> FiguresAt(const FrameRate& rate, ExactTempo tempo, BeatUnit unit,
                                      TimeSignature signature) {
    if (!IsTempoInRange(tempo) || !IsValidSignature(signature)) return std::nullopt;
    // Frames per beat = (num / den) × 60 × 100 / tempo in hundredths.
    const Wide perBeatNum = Wide{rate.num} * 6000;
    const Wide perBeatDen = Wide{rate.den} * tempo;
    const Wide beatsNum = Wide{signature.numerator} * BeatsPerWhole(unit);
    return FrameFigures{
        RoundedQuotient(1000 * perBeatNum, perBeatDen),
        RoundedQuotient(1000 * perBeatNum * beatsNum, perBeatDen * signature.denominator),
        RoundedQuotient(8 * perBeatNum, perBeatDen),
    };
}

}  // namespace rytmalo
