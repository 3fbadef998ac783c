#include "app/MixingPage.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "core/Compressor.h"
#include "core/Reverb.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

namespace rytmalo {
namespace {

FigureRows ReverbOf(ExactTempo tempo, BeatUnit unit, TimeSignature signature, PreDelay preDelay,
                    const tk::NumberStyle& style) {
    FigureRows rows;
    if (const auto reverb = ReverbRows(tempo, unit, signature, preDelay)) {
        for (const ReverbRow& r : *reverb) {
            rows.push_back({std::wstring(r.name), tk::FormatFixed(r.preDelayHundredthsOfMs, 2, style),
                            r.decayHundredthsOfMs ? tk::FormatFixed(*r.decayHundredthsOfMs, 2, style)
                                                  : L"—",
                            tk::FormatFixed(r.wholeHundredthsOfMs, 2, style)});
        }
    }
    return rows;
}

FigureRows CompressorOf(ExactTempo tempo, BeatUnit unit, const tk::NumberStyle& style) {
    FigureRows rows;
    if (const auto compressor = CompressorRows(tempo, unit)) {
        for (const CompressorRow& r : *compressor)
            rows.push_back({std::wstring(r.name), tk::FormatFixed(r.hundredthsOfMs, 2, style)});
    }
    return rows;
}

}  // namespace

FigureRows MixingPage::WidestReverb(const tk::NumberStyle& style) {
    return ReverbOf(kSlowestTempo, 16, {32, 1}, PreDelay::Of16, style);
}

FigureRows MixingPage::WidestCompressor(const tk::NumberStyle& style) {
    return CompressorOf(kSlowestTempo, 16, style);
}

MixingPage::MixingPage(tk::TForm& form, const tk::NumberStyle& numbers, ChangeSettings change)
    : form_(WithPageControls(form, 2)),
      change_(std::move(change)),
      preDelay_(form.Find<tk::TComboBox>("cboPreDelai")),
      reverb_(form, form.Find<tk::TListView>("lvwReverb"), numbers),
      compressor_(form, form.Find<tk::TListView>("lvwCompresseur"), numbers) {
    std::vector<std::wstring> choices;
    for (std::uint8_t i = 0; i < kPreDelayCount; ++i)
        choices.emplace_back(PreDelayName(static_cast<PreDelay>(i)));
    preDelay_.SetItems(choices);
    preDelay_.OnChange = [this] {
        if (preDelay_.ItemIndex() < 0) return;
        const auto chosen = static_cast<PreDelay>(preDelay_.ItemIndex());
        change_([chosen](DetailSettings& s) { s.preDelay = chosen; });
    };
}

void MixingPage::FitColumns(const ColumnWidths& widths) {
    reverb_.List().SetColumnWidths(widths.at("lvwReverb"));
    compressor_.List().SetColumnWidths(widths.at("lvwCompresseur"));
}

void MixingPage::Update(const FigureContext& context) {
    settings_ = context.settings;
    preDelay_.SetItemIndex(static_cast<int>(settings_.preDelay));
    if (!context.tempo) {
        reverb_.Clear();
        compressor_.Clear();
        return;
    }
    const ExactTempo tempo = *context.tempo;
    const BeatUnit unit = context.unit;
    const TimeSignature signature = settings_.signature;
    const PreDelay preDelay = settings_.preDelay;
    reverb_.Show(context.title, [=](const tk::NumberStyle& style) {
        return ReverbOf(tempo, unit, signature, preDelay, style);
    });
    compressor_.Show(context.title, [=](const tk::NumberStyle& style) {
        return CompressorOf(tempo, unit, style);
    });
}

// The reverb's four rows over the compressor's five, the height shared in
// that proportion.
void MixingPage::Place(int width, int height) {
    const int top = form_.Scale(kPageSettingsHeight);
    const int margin = form_.Scale(4);
    const int least = form_.Scale(kLeastTableHeight);
    const int room = std::max(height - top - 2 * margin, 2 * least);
    const int reverb = std::max(room * 4 / 9, least);
    SetWindowPos(reverb_.List().Handle(), nullptr, margin, top, width - 2 * margin, reverb,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(compressor_.List().Handle(), nullptr, margin, top + reverb + margin,
                 width - 2 * margin, std::max(room - reverb, least), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MixingPage::ContextMenu(HWND window, POINT screen) {
    return reverb_.ContextMenu(window, screen) || compressor_.ContextMenu(window, screen);
}

}  // namespace rytmalo
