#include "core/Divisions.h"

#include "core/Duration.h"

namespace rytmalo {

const std::array<NoteValue, kDivisionCount>& AllDivisions() {
    // Lengths in quarter notes: dotted × 3/2, double-dotted × 7/4, triplet
    // × 2/3, quintuplet × 4/5, septuplet × 4/7 of the plain value.
    static constexpr std::array<NoteValue, kDivisionCount> values{{
        {L"Ronde", 4, 1},
        {L"Ronde pointée", 6, 1},
        {L"Ronde doublement pointée", 7, 1},
        {L"Triolet de rondes", 8, 3},
        {L"Blanche", 2, 1},
        {L"Blanche pointée", 3, 1},
        {L"Blanche doublement pointée", 7, 2},
        {L"Triolet de blanches", 4, 3},
        {L"Quintolet de blanches", 8, 5},
        {L"Septolet de blanches", 8, 7},
        {L"Noire", 1, 1},
        {L"Noire pointée", 3, 2},
        {L"Noire doublement pointée", 7, 4},
        {L"Triolet de noires", 2, 3},
        {L"Quintolet de noires", 4, 5},
        {L"Septolet de noires", 4, 7},
        {L"Croche", 1, 2},
        {L"Croche pointée", 3, 4},
        {L"Croche doublement pointée", 7, 8},
        {L"Triolet de croches", 1, 3},
        {L"Quintolet de croches", 2, 5},
        {L"Septolet de croches", 2, 7},
        {L"Double croche", 1, 4},
        {L"Double croche pointée", 3, 8},
        {L"Double croche doublement pointée", 7, 16},
        {L"Triolet de doubles croches", 1, 6},
        {L"Quintolet de doubles croches", 1, 5},
        {L"Septolet de doubles croches", 1, 7},
        {L"Triple croche", 1, 8},
        {L"Triple croche pointée", 3, 16},
        {L"Quintolet de triples croches", 1, 10},
        {L"Septolet de triples croches", 1, 14},
        {L"Quadruple croche", 1, 16},
        {L"Quadruple croche pointée", 3, 32},
    }};
    return values;
}

std::span<const NoteValue> ListedValues(bool allDivisions) {
    if (allDivisions) return AllDivisions();
    return NoteValues();
}

std::optional<ExactMs> LengthOf(const NoteValue& value, ExactTempo tempo, BeatUnit unit) {
    const auto whole = WholeNoteMs(tempo, unit);
    if (!whole) return std::nullopt;
    return Scaled(*whole, value.quarters, 4 * value.per);
}

std::optional<DivisionFigures> FiguresOf(const NoteValue& value, ExactTempo tempo, BeatUnit unit,
                                         SampleRates rates) {
    const auto length = LengthOf(value, tempo, unit);
    if (!length) return std::nullopt;
    return DivisionFigures{HundredthsOfMs(*length), Hertz(*length), Samples(*length, rates)};
}

}  // namespace rytmalo
