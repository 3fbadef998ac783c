#include "core/Bars.h"

#include "core/Duration.h"
#include "core/DecimalText.h"
#include "core/NoteNames.h"

namespace rytmalo {
namespace {

// The dotted value three counts long: twice the count, dotted.
std::wstring PulseName(std::int32_t denominator) {
    if (denominator == 1) return L"carrée pointée";
    return std::wstring(NoteName(denominator / 2)) + L" pointée";
}

std::wstring Named(std::wstring_view what, std::wstring_view note) {
    return std::wstring(what) + L" (" + std::wstring(note) + L")";
}

BarRow RowOf(std::wstring name, ExactMs length, SampleRates rates) {
    return {std::move(name), length, HundredthsOfMs(length), ClockText(WholeMs(length)),
            Samples(length, rates)};
}

}  // namespace

std::vector<BarRow> BarRows(TimeSignature signature, ExactTempo tempo, BeatUnit unit,
                            SampleRates rates) {
    const auto whole = WholeNoteMs(tempo, unit);
    if (!whole || !IsValidSignature(signature)) return {};
    const ExactMs bar = *BarMs(signature, *whole);
    std::vector<BarRow> rows;
    // "Temps" is the beat the main window counts, on every page; the
    // signature's count is another row when it is another note.
    const std::int32_t beat = BeatsPerWhole(unit);
    rows.push_back(RowOf(Named(L"Temps", NoteName(beat)), Scaled(*whole, 1, beat), rates));
    if (signature.denominator != beat) {
        rows.push_back(RowOf(Named(L"Unité de la mesure", NoteName(signature.denominator)),
                             Scaled(*whole, 1, signature.denominator), rates));
    }
    if (IsCompound(signature)) {
        rows.push_back(RowOf(Named(L"Pulsation", PulseName(signature.denominator)),
                             Scaled(*whole, 3, signature.denominator), rates));
    }
    for (std::int32_t bars = 1; bars <= 32; bars *= 2) {
        rows.push_back(RowOf(tk::DecimalText(bars) + (bars == 1 ? L" mesure" : L" mesures"),
                             Scaled(bar, bars, 1), rates));
    }
    return rows;
}

}  // namespace rytmalo
