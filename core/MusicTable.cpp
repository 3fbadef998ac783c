#include "core/MusicTable.h"

#include "core/TempoRange.h"

namespace rytmalo {
namespace {

// Quarter notes per beat, as a fraction: a half note is two quarters, an
// eighth half of one.
struct Fraction {
    std::int64_t num;
    std::int64_t den;
};

Fraction QuartersPerBeat(BeatUnit unit) {
    switch (unit) {
        case 2: return {2, 1};
        case 8: return {1, 2};
        case 16: return {1, 4};
        default: return {1, 1};
    }
}

// num / den rounded to the nearest integer, halves away from zero; in 128
// bits, so that no delay a caller can give makes the products overflow.
std::int64_t Rounded(__int128 num, __int128 den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return static_cast<std::int64_t>(num >= 0 ? (2 * num + den) / (2 * den)
                                              : -((-2 * num + den) / (2 * den)));
}

}  // namespace

const std::array<NoteValue, kTableRows>& NoteValues() {
    static constexpr std::array<NoteValue, kTableRows> values{{
        {L"Ronde", 4, 1},
        {L"Ronde pointée", 6, 1},
        {L"Triolet de rondes", 8, 3},
        {L"Blanche", 2, 1},
        {L"Blanche pointée", 3, 1},
        {L"Triolet de blanches", 4, 3},
        {L"Noire", 1, 1},
        {L"Noire pointée", 3, 2},
        {L"Triolet de noires", 2, 3},
        {L"Croche", 1, 2},
        {L"Croche pointée", 3, 4},
        {L"Triolet de croches", 1, 3},
        {L"Double croche", 1, 4},
        {L"Double croche pointée", 3, 8},
        {L"Triolet de doubles croches", 1, 6},
        {L"Triple croche", 1, 8},
        {L"Triple croche pointée", 3, 16},
        {L"Quadruple croche", 1, 16},
        {L"Quadruple croche pointée", 3, 32},
    }};
    return values;
}

// A beat lasts 60000 / tempo ms; the value lasts (quarters / per) quarter
// notes of (beat / quarters per beat) each.
std::optional<RowFigures> FiguresOf(const NoteValue& value, std::int32_t tempo, BeatUnit unit) {
    if (tempo == 0) return std::nullopt;
    const Fraction beat = QuartersPerBeat(unit);
    // The duration in ms is num / den.
    const std::int64_t num = 60000 * value.quarters * beat.den;
    const std::int64_t den = std::int64_t{tempo} * value.per * beat.num;
    return RowFigures{Rounded(100 * num, den), Rounded(100 * 1000 * den, num),
                      Rounded(num * kSampleRates[0], 1000 * den),
                      Rounded(num * kSampleRates[1], 1000 * den)};
}

// tempo = 60000 x (quarters / per) / (quarters per beat) / delay.
std::optional<std::int64_t> TenthsOfTempoFor(const NoteValue& value, std::int64_t microseconds,
                                             BeatUnit unit) {
    if (microseconds <= 0) return std::nullopt;
    const Fraction beat = QuartersPerBeat(unit);
    return Rounded(__int128{10 * 60000 * 1000} * value.quarters * beat.den,
                   __int128{value.per} * beat.num * microseconds);
}

std::vector<TempoOfDelay> TemposOfDelay(std::int64_t microseconds, BeatUnit unit) {
    std::vector<TempoOfDelay> tempos;
    for (const NoteValue& value : NoteValues()) {
        const auto tenths = TenthsOfTempoFor(value, microseconds, unit);
        if (!tenths || !InTempoRange(*tenths / 10) || !InTempoRange((*tenths + 9) / 10)) continue;
        tempos.push_back({value.name, *tenths, static_cast<std::int32_t>((*tenths + 5) / 10)});
    }
    return tempos;
}

}  // namespace rytmalo
