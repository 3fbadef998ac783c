#include "app/DelayLines.h"

#include "app/DetailText.h"
#include "core/DelayMatch.h"
#include "core/Divisions.h"
#include "core/FilmClick.h"
#include "core/FrameRates.h"
#include "core/TempoRange.h"

namespace rytmalo {
namespace {

std::wstring NoteLine(std::wstring_view name, std::int64_t tenths, const tk::NumberStyle& style) {
    return std::wstring(name) + L" : " + tk::FormatFixed(tenths, 1, style);
}

std::wstring ClickLine(std::int64_t eighths, const FrameRate& rate, ExactTempo tempo,
                       const tk::NumberStyle& style) {
    return ClickText(eighths) + L" à " + FrameRateText(rate.shownThousandths, style) +
           L" images/s : " + TempoText(tempo, style);
}

std::wstring NoTempoLine() { return L"Aucun tempo " + TempoRangeText() + L" pour ce délai"; }

std::vector<DelayLine> OrNoTempo(std::vector<DelayLine> lines) {
    if (lines.empty()) lines.push_back({NoTempoLine(), std::nullopt});
    return lines;
}

}  // namespace

std::vector<DelayLine> NoteLines(ExactMs delay, BeatUnit unit, bool allDivisions,
                                 const tk::NumberStyle& style) {
    std::vector<DelayLine> lines;
    for (const NoteValue& value : ListedValues(allDivisions)) {
        const auto tenths = TenthsOfTempoFor(value, delay, unit);
        if (!tenths) continue;
        const auto tempo = TempoFromTenths(*tenths);
        if (!tempo) continue;
        lines.push_back({NoteLine(value.name, *tenths, style), *tempo});
    }
    return OrNoTempo(std::move(lines));
}

std::vector<DelayLine> ClickLines(std::int64_t eighths, const tk::NumberStyle& style) {
    std::vector<DelayLine> lines;
    for (const FrameRate& rate : kFrameRates) {
        const auto tempo = TempoOfClick(eighths, rate);
        if (!tempo) continue;
        lines.push_back({ClickLine(eighths, rate, *tempo, style), *tempo});
    }
    return OrNoTempo(std::move(lines));
}

// Every name with the widest tempo; the longest click at each rate with a
// tempo of two decimals; the line that finds none.
std::vector<std::wstring> WidestDelayLines(const tk::NumberStyle& style) {
    std::vector<std::wstring> lines{NoTempoLine()};
    for (const NoteValue& value : ListedValues(true))
        lines.push_back(NoteLine(value.name, 2500, style));
    // At 10 beats a minute, a beat lasts 6 s: 360 frames at 60 a second.
    for (const FrameRate& rate : kFrameRates)
        lines.push_back(ClickLine(360 * 8 + 7, rate, 24888, style));
    return lines;
}

}  // namespace rytmalo
