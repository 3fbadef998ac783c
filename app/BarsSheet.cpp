#include "app/PageSheets.h"
#include "app/SheetParts.h"
#include "core/Bars.h"
#include "core/DecimalText.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

FigureRows RowsOf(TimeSignature signature, ExactTempo tempo, BeatUnit unit, SampleRates rates,
                  const tk::NumberStyle& style) {
    FigureRows rows;
    for (const BarRow& bar : BarRows(signature, tempo, unit, rates)) {
        rows.push_back({bar.name, tk::FormatFixed(bar.hundredthsOfMs, 2, style), bar.clock,
                        tk::FormatFixed(bar.samples[0], 0, style),
                        tk::FormatFixed(bar.samples[1], 0, style)});
    }
    return rows;
}

FigureRows Rows(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    return RowsOf(context.settings.signature, *context.tempo, context.unit, context.settings.rates,
                  style);
}

// The longest bars (with the sixteenth as beat), and the names of every
// beat, count and pulse.
FigureRows Widest(const tk::NumberStyle& style) {
    FigureRows rows;
    for (const BeatUnit unit : {16, 8, 4, 2}) {
        for (const std::int32_t denominator : kDenominators) {
            for (const std::int32_t numerator : {6, 32}) {
                for (auto& row :
                     RowsOf({numerator, denominator}, kSlowestTempo, unit, {192000, 192000}, style))
                    rows.push_back(std::move(row));
            }
        }
    }
    return rows;
}

Headings HeadingsOf(const FigureContext& context, const tk::NumberStyle& style) {
    return WithRates({L"Durée", L"ms", L"min:s.ms"}, context.settings.rates, style);
}

std::vector<Choice> Numerators(const DetailSettings&, const tk::NumberStyle&) {
    std::vector<Choice> choices;
    for (std::int32_t n = 1; n <= 32; ++n) choices.push_back({tk::DecimalText(n), n});
    return choices;
}

std::vector<Choice> Denominators(const DetailSettings&, const tk::NumberStyle&) {
    std::vector<Choice> choices;
    for (const std::int32_t d : kDenominators) choices.push_back({tk::DecimalText(d), d});
    return choices;
}

constexpr tk::ListColumn kMesuresColumns[] = {{L"Durée", 110},
                                              {L"ms", 60, tk::Alignment::Right},
                                              {L"min:s.ms", 60, tk::Alignment::Right},
                                              {L"44,1 kHz", 60, tk::Alignment::Right},
                                              {L"48 kHz", 60, tk::Alignment::Right}};

PageSheet Make() {
    using namespace tk;
    PageSheet sheet{
        .controls =
            {
                DetailLabel("lblMesure", 1130, "tabMesures", Bounds(4, 7, 44, 13), L"Mes&ure :"),
                DetailCombo("cboMesureHaut", 1131, "tabMesures", Bounds(50, 3, 42, 21), kBarsHelp,
                            0, L"Le nombre d'unités de la mesure, de 1 à 32"),
                DetailLabel("lblSur", 1132, "tabMesures", Bounds(96, 7, 6, 13), L"/"),
                DetailCombo("cboMesureBas", 1133, "tabMesures", Bounds(104, 3, 42, 21), kBarsHelp,
                            1, L"L'unité de la mesure, de la ronde (1) à la triple croche (32)"),
            },
        .listsTop = kPageSettingsHeight,
        .lists = {{"lvwMesures", Rows, Widest, HeadingsOf, true, 9}},
        .settings = {{"cboMesureHaut", L"MesureHaut", Numerators},
                     {"cboMesureBas", L"MesureBas", Denominators}},
    };
    AddSampleRates(sheet.controls, "tabMesures", 154, 1134, 2,
                   {"lblEchantillonsMesures", "cboEchantillonsMesures1", "lblEtMesures",
                    "cboEchantillonsMesures2"});
    sheet.controls.push_back(DetailFigures(
        "lvwMesures", 1138, "tabMesures", Bounds(4, kPageSettingsHeight, 357, 160), kBarsHelp, 4,
        L"Durées des mesures à ce tempo ; Ctrl+C copie", kMesuresColumns));
    AddSampleRateSettings(sheet.settings, "cboEchantillonsMesures1", "cboEchantillonsMesures2");
    return sheet;
}

}  // namespace

const PageSheet& BarsSheet() {
    static const PageSheet sheet = Make();
    return sheet;
}

}  // namespace rytmalo
