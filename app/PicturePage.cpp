#include "app/PicturePage.h"

#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "core/FilmClick.h"
#include "core/FrameRates.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

namespace rytmalo {
namespace {

FigureRows RowsOf(ExactTempo tempo, BeatUnit unit, TimeSignature signature,
                  const tk::NumberStyle& style) {
    FigureRows rows;
    for (const FrameRate& rate : kFrameRates) {
        const auto f = FiguresAt(rate, tempo, unit, signature);
        if (!f) return {};
        rows.push_back({FrameRateText(rate.shownThousandths, style),
                        tk::FormatFixed(f->thousandthsPerBeat, 3, style),
                        tk::FormatFixed(f->thousandthsPerBar, 3, style),
                        ClickText(f->clickEighths)});
    }
    return rows;
}

}  // namespace

FigureRows PicturePage::Widest(const tk::NumberStyle& style) {
    return RowsOf(kSlowestTempo, 16, {32, 1}, style);
}

PicturePage::PicturePage(tk::TForm& form, const tk::NumberStyle& numbers)
    : form_(WithPageControls(form, 3)),
      table_(form, form.Find<tk::TListView>("lvwImage"), numbers) {}

void PicturePage::FitColumns(const ColumnWidths& widths) {
    table_.List().SetColumnWidths(widths.at("lvwImage"));
}

void PicturePage::Update(const FigureContext& context) {
    if (!context.tempo) {
        table_.Clear();
        return;
    }
    const ExactTempo tempo = *context.tempo;
    const BeatUnit unit = context.unit;
    const TimeSignature signature = context.settings.signature;
    table_.Show(context.title, [=](const tk::NumberStyle& style) {
        return RowsOf(tempo, unit, signature, style);
    });
}

void PicturePage::Place(int width, int height) { table_.Place(4, width, height); }

bool PicturePage::ContextMenu(HWND window, POINT screen) {
    return table_.ContextMenu(window, screen);
}

}  // namespace rytmalo
