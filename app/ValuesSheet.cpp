#include "app/PageSheets.h"
#include "app/SheetParts.h"
#include "core/Divisions.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

FigureRows RowsOf(std::span<const NoteValue> values, ExactTempo tempo, BeatUnit unit,
                  SampleRates rates, const tk::NumberStyle& style) {
    FigureRows rows;
    for (const NoteValue& value : values) {
        const auto f = FiguresOf(value, tempo, unit, rates);
        if (!f) return {};
        rows.push_back({std::wstring(value.name), tk::FormatFixed(f->hundredthsOfMs, 2, style),
                        tk::FormatFixed(f->hertz.scaled, f->hertz.decimals, style),
                        tk::FormatFixed(f->samples[0], 0, style),
                        tk::FormatFixed(f->samples[1], 0, style)});
    }
    return rows;
}

FigureRows Rows(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    return RowsOf(ListedValues(context.settings.allDivisions), *context.tempo, context.unit,
                  context.settings.rates, style);
}

// The longest lengths come at the slowest tempo with the shortest beat and
// the highest rate, the highest frequencies at the fastest tempo with the
// longest beat.
FigureRows Widest(const tk::NumberStyle& style) {
    FigureRows rows = RowsOf(AllDivisions(), kSlowestTempo, 16, {192000, 192000}, style);
    for (auto& row : RowsOf(AllDivisions(), kFastestTempo, 2, {44100, 44100}, style))
        rows.push_back(std::move(row));
    return rows;
}

Headings HeadingsOf(const FigureContext& context, const tk::NumberStyle& style) {
    return WithRates({L"Valeur", L"ms", L"Hz"}, context.settings.rates, style);
}

constexpr tk::ListColumn kTableauColumns[] = {{L"Valeur", 126},
                                              {L"ms", 56, tk::Alignment::Right},
                                              {L"Hz", 46, tk::Alignment::Right},
                                              {L"44,1 kHz", 58, tk::Alignment::Right},
                                              {L"48 kHz", 56, tk::Alignment::Right}};

PageSheet Make() {
    using namespace tk;
    PageSheet sheet{
        .controls = {{.kind = ControlKind::CheckBox,
                      .name = "chkToutesDivisions",
                      .id = 1120,
                      .parent = "tabValeurs",
                      .bounds = Bounds(4, 5, 130, 17),
                      .caption = L"Toute&s les divisions",
                      .helpContext = kDivisionsHelp,
                      .tabOrder = 0,
                      .hint = L"Ajoute les valeurs doublement pointées, les quintolets et les "
                              L"septolets",
                      .showHint = true}},
        .listsTop = kPageSettingsHeight,
        .lists = {{"lvwTableau", Rows, Widest, HeadingsOf, false, 0}},
        .settings = {{"chkToutesDivisions", L"ToutesDivisions", nullptr}},
    };
    AddSampleRates(sheet.controls, "tabValeurs", 138, 1121, 1,
                   {"lblEchantillons", "cboEchantillons1", "lblEt", "cboEchantillons2"});
    sheet.controls.push_back(DetailFigures(
        "lvwTableau", 1106, "tabValeurs", Bounds(4, kPageSettingsHeight, 357, 160), kTableHelp, 3,
        L"Durées en ms, fréquences en Hz, échantillons aux deux fréquences ; Ctrl+C copie",
        kTableauColumns));
    AddSampleRateSettings(sheet.settings, "cboEchantillons1", "cboEchantillons2");
    return sheet;
}

}  // namespace

const PageSheet& ValuesSheet() {
    static const PageSheet sheet = Make();
    return sheet;
}

}  // namespace rytmalo
