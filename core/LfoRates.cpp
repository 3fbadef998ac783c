#include "core/LfoRates.h"

#include "core/Duration.h"

namespace rytmalo {

const std::array<LfoPeriod, kLfoPeriodCount>& LfoPeriods() {
    static constexpr std::array<LfoPeriod, kLfoPeriodCount> periods{{
        {L"1/16 de mesure", 1, 16},
        {L"1/16 de mesure pointé", 3, 32},
        {L"1/16 de mesure en triolet", 1, 24},
        {L"1/8 de mesure", 1, 8},
        {L"1/8 de mesure pointé", 3, 16},
        {L"1/8 de mesure en triolet", 1, 12},
        {L"1/4 de mesure", 1, 4},
        {L"1/4 de mesure pointé", 3, 8},
        {L"1/4 de mesure en triolet", 1, 6},
        {L"1/2 mesure", 1, 2},
        {L"1/2 mesure pointée", 3, 4},
        {L"1/2 mesure en triolet", 1, 3},
        {L"1 mesure", 1, 1},
        {L"1 mesure pointée", 3, 2},
        {L"1 mesure en triolet", 2, 3},
        {L"2 mesures", 2, 1},
        {L"2 mesures pointées", 3, 1},
        {L"2 mesures en triolet", 4, 3},
        {L"4 mesures", 4, 1},
        {L"4 mesures pointées", 6, 1},
        {L"4 mesures en triolet", 8, 3},
        {L"8 mesures", 8, 1},
        {L"8 mesures pointées", 12, 1},
        {L"8 mesures en triolet", 16, 3},
        {L"16 mesures", 16, 1},
        {L"16 mesures pointées", 24, 1},
        {L"16 mesures en triolet", 32, 3},
    }};
    return periods;
}

std::optional<LfoFigures> LfoAt(const LfoPeriod& period, ExactTempo tempo, BeatUnit unit,
                                TimeSignature signature) {
    const auto whole = WholeNoteMs(tempo, unit);
    if (!whole || period.bars <= 0 || period.per <= 0) return std::nullopt;
    const auto bar = BarMs(signature, *whole);
    if (!bar) return std::nullopt;
    return LfoFigures{Hertz(Scaled(*bar, period.bars, period.per)),
                      FixedFigure(period.per, period.bars, 3)};
}

}  // namespace rytmalo
