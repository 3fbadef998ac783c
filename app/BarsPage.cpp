#include "app/BarsPage.h"

#include <algorithm>

#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "app/ValuesPage.h"
#include "core/Bars.h"
#include "core/DecimalText.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

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

}  // namespace

// The longest bars, and the names of every count and pulse.
FigureRows BarsPage::Widest(const tk::NumberStyle& style) {
    FigureRows rows;
    for (const std::int32_t denominator : kDenominators) {
        for (const std::int32_t numerator : {6, 32}) {
            for (auto& row :
                 RowsOf({numerator, denominator}, kSlowestTempo, 16, {192000, 192000}, style))
                rows.push_back(std::move(row));
        }
    }
    return rows;
}

BarsPage::BarsPage(tk::TForm& form, const tk::NumberStyle& numbers, ChangeSettings change)
    : form_(WithPageControls(form, 1)),
      numbers_(numbers),
      change_(std::move(change)),
      numerator_(form.Find<tk::TComboBox>("cboMesureHaut")),
      denominator_(form.Find<tk::TComboBox>("cboMesureBas")),
      rates_(form, "cboEchantillonsMesures1", "cboEchantillonsMesures2", numbers, change_),
      table_(form, form.Find<tk::TListView>("lvwMesures"), numbers) {
    std::vector<std::wstring> counts;
    for (int n = 1; n <= 32; ++n) counts.push_back(tk::DecimalText(n));
    numerator_.SetItems(counts);
    std::vector<std::wstring> units;
    for (const std::int32_t d : kDenominators) units.push_back(tk::DecimalText(d));
    denominator_.SetItems(units);
    numerator_.OnChange = [this] { SignatureChosen(); };
    denominator_.OnChange = [this] { SignatureChosen(); };
}

void BarsPage::FitColumns(const ColumnWidths& widths) {
    table_.List().SetColumnWidths(widths.at("lvwMesures"));
}

void BarsPage::SignatureChosen() {
    const int n = numerator_.ItemIndex();
    const int d = denominator_.ItemIndex();
    if (n < 0 || d < 0) return;
    const TimeSignature chosen{n + 1, kDenominators[d]};
    change_([chosen](DetailSettings& s) { s.signature = chosen; });
}

void BarsPage::Update(const FigureContext& context) {
    settings_ = context.settings;
    const TimeSignature signature = settings_.signature;
    numerator_.SetItemIndex(signature.numerator - 1);
    const auto* d =
        std::find(std::begin(kDenominators), std::end(kDenominators), signature.denominator);
    denominator_.SetItemIndex(static_cast<int>(d - std::begin(kDenominators)));
    rates_.Show(settings_.rates, table_, {L"Durée", L"ms", L"min:s.ms"});
    if (!context.tempo) {
        table_.Clear();
        return;
    }
    const ExactTempo tempo = *context.tempo;
    const BeatUnit unit = context.unit;
    const SampleRates rates = settings_.rates;
    table_.Show(
        context.title + L", mesure " + tk::DecimalText(signature.numerator) + L"/" +
            tk::DecimalText(signature.denominator),
        [=](const tk::NumberStyle& style) { return RowsOf(signature, tempo, unit, rates, style); });
}

void BarsPage::Place(int width, int height) { table_.Place(kPageSettingsHeight, width, height); }

bool BarsPage::ContextMenu(HWND window, POINT screen) { return table_.ContextMenu(window, screen); }

}  // namespace rytmalo
