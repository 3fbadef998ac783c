#include "app/ValuesPage.h"

#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "core/Divisions.h"
#include "toolkit/CheckControls.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

namespace rytmalo {
namespace {

FigureRows RowsOf(std::span<const NoteValue> values, ExactTempo tempo, BeatUnit unit,
                  SampleRates rates, const tk::NumberStyle& style) {
    FigureRows rows;
    for (const NoteValue& value : values) {
        const auto f = FiguresOf(value, tempo, unit, rates);
        if (!f) return {};
        rows.push_back({std::wstring(value.name), tk::FormatFixed(f->hundredthsOfMs, 2, style),
                        tk::FormatFixed(f->hundredthsOfHz, 2, style),
                        tk::FormatFixed(f->samples[0], 0, style),
                        tk::FormatFixed(f->samples[1], 0, style)});
    }
    return rows;
}

}  // namespace

std::span<const NoteValue> ValuesPage::Values(bool allDivisions) {
    if (allDivisions) return AllDivisions();
    return NoteValues();
}

// The longest lengths come at the slowest tempo with the shortest beat and
// the highest rate, the highest frequencies at the fastest tempo with the
// longest beat.
FigureRows ValuesPage::Widest(const tk::NumberStyle& style) {
    FigureRows rows = RowsOf(AllDivisions(), kSlowestTempo, 16, {192000, 192000}, style);
    for (auto& row : RowsOf(AllDivisions(), kFastestTempo, 2, {44100, 44100}, style))
        rows.push_back(std::move(row));
    return rows;
}

ValuesPage::ValuesPage(tk::TForm& form, const tk::NumberStyle& numbers, ChangeSettings change)
    : form_(WithPageControls(form, 0)),
      numbers_(numbers),
      change_(std::move(change)),
      divisions_(form.Find<tk::TCheckBox>("chkToutesDivisions")),
      rates_(form, "cboEchantillons1", "cboEchantillons2", numbers, change_),
      table_(form, form.Find<tk::TListView>("lvwTableau"), numbers) {
    divisions_.OnClick = [this] {
        if (divisions_.Checked() == settings_.allDivisions) return;
        const bool all = divisions_.Checked();
        change_([all](DetailSettings& s) { s.allDivisions = all; });
    };
}

void ValuesPage::FitColumns(const ColumnWidths& widths) {
    table_.List().SetColumnWidths(widths.at("lvwTableau"));
}

void ValuesPage::Update(const FigureContext& context) {
    settings_ = context.settings;
    divisions_.SetChecked(settings_.allDivisions);
    rates_.Show(settings_.rates, table_, {L"Valeur", L"ms", L"Hz"});
    if (!context.tempo) {
        table_.Clear();
        return;
    }
    const auto values = Values(settings_.allDivisions);
    const ExactTempo tempo = *context.tempo;
    const BeatUnit unit = context.unit;
    const SampleRates rates = settings_.rates;
    table_.Show(context.title, [=](const tk::NumberStyle& style) {
        return RowsOf(values, tempo, unit, rates, style);
    });
}

void ValuesPage::Place(int width, int height) { table_.Place(kPageSettingsHeight, width, height); }

bool ValuesPage::ContextMenu(HWND window, POINT screen) {
    return table_.ContextMenu(window, screen);
}

}  // namespace rytmalo
