#include "app/DetailText.h"

#include <cmath>

#include "core/DecimalText.h"
#include "core/Duration.h"
#include "core/NoteNames.h"

namespace rytmalo {
namespace {

// scaled / 10^decimals without the zeros that end its decimals.
std::wstring Trimmed(std::int64_t scaled, int decimals, const tk::NumberStyle& style) {
    while (decimals > 0 && scaled % 10 == 0) {
        scaled /= 10;
        --decimals;
    }
    return tk::FormatFixed(scaled, decimals, style);
}

}  // namespace

std::wstring TrimmedText(std::int64_t scaled, int decimals, const tk::NumberStyle& style) {
    return Trimmed(scaled, decimals, style);
}

std::wstring TempoText(ExactTempo tempo, const tk::NumberStyle& style) {
    return Trimmed(tempo, 2, style);
}

std::wstring BeatName(BeatUnit unit) { return std::wstring(NoteName(BeatsPerWhole(unit))); }

std::wstring FigureTitle(ExactTempo tempo, BeatUnit unit, const tk::NumberStyle& style) {
    return L"Tempo " + TempoText(tempo, style) + L" à la " + BeatName(unit);
}

std::wstring TempoLine(ExactTempo tempo, BeatUnit unit, const tk::NumberStyle& style) {
    std::wstring line = FigureTitle(tempo, unit, style);
    if (tempo % 100 != 0) {
        line +=
            L" — les dix délais du haut sont ceux du tempo " + tk::DecimalText(WholeTempo(tempo));
    }
    return line;
}

std::wstring RateName(std::int32_t rate, const tk::NumberStyle& style) {
    return Trimmed(rate / 100, 1, style) + L" kHz";
}

std::wstring FrameRateText(std::int32_t thousandths, const tk::NumberStyle& style) {
    return Trimmed(thousandths, 3, style);
}

std::wstring TapText(const TapReading& reading, const tk::NumberStyle& style) {
    const auto tenths = static_cast<std::int64_t>(std::llround(reading.bpm * 10));
    std::wstring said = L"Tempo tapé : " + tk::FormatFixed(tenths, 1, style);
    said += L" (" + tk::DecimalText(static_cast<std::int64_t>(reading.taps)) + L" temps";
    if (reading.uncertainty) {
        said += L", ± " + tk::FormatFixed(std::llround(*reading.uncertainty * 10), 1, style);
    }
    return said + L")";
}

}  // namespace rytmalo
