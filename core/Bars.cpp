#include "core/Bars.h"

#include "core/Duration.h"
#include "core/DecimalText.h"

namespace rytmalo {
namespace {

// The note that is 1/denominator of a whole, and its dotted value.
const wchar_t* CountName(std::int32_t denominator) {
    switch (denominator) {
        case 1: return L"ronde";
        case 2: return L"blanche";
        case 4: return L"noire";
        case 8: return L"croche";
        case 16: return L"double croche";
        default: return L"triple croche";
    }
}

// Three counts: the value twice as long as the count, dotted.
const wchar_t* PulseName(std::int32_t denominator) {
    switch (denominator) {
        case 1: return L"carrée pointée";
        case 2: return L"ronde pointée";
        case 4: return L"blanche pointée";
        case 8: return L"noire pointée";
        case 16: return L"croche pointée";
        default: return L"double croche pointée";
    }
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
    rows.push_back(RowOf(std::wstring(L"Temps (") + CountName(signature.denominator) + L")",
                         Scaled(*whole, 1, signature.denominator), rates));
    if (IsCompound(signature)) {
        rows.push_back(RowOf(std::wstring(L"Pulsation (") + PulseName(signature.denominator) + L")",
                             Scaled(*whole, 3, signature.denominator), rates));
    }
    for (std::int32_t bars = 1; bars <= 32; bars *= 2) {
        rows.push_back(RowOf(tk::DecimalText(bars) + (bars == 1 ? L" mesure" : L" mesures"),
                             Scaled(bar, bars, 1), rates));
    }
    return rows;
}

}  // namespace rytmalo
