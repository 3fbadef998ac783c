#include "app/DetailText.h"
#include "app/PageSheets.h"
#include "app/SheetParts.h"
#include "core/FilmClick.h"
#include "core/FrameRates.h"
#include "help/HelpContexts.h"

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

FigureRows Rows(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    return RowsOf(*context.tempo, context.unit, context.settings.signature, style);
}

FigureRows Widest(const tk::NumberStyle& style) {
    return RowsOf(kSlowestTempo, 16, {32, 1}, style);
}

PageSheet Make() {
    using namespace tk;
    return {
        .controls = {DetailFigures(
            "lvwImage", 1150, "tabImage", Bounds(4, 4, 357, 160), kPictureHelp, 0,
            L"Images par temps et par mesure, et le clic en images et huitièmes ; Ctrl+C copie",
            {{L"Images/s", 60},
             {L"Par temps", 70, Alignment::Right},
             {L"Par mesure", 70, Alignment::Right},
             {L"Clic", 50, Alignment::Right}})},
        .listsTop = 4,
        .lists = {{"lvwImage", Rows, Widest, nullptr, false, static_cast<int>(kFrameRateCount)}},
        .settings = {},
    };
}

}  // namespace

const PageSheet& PictureSheet() {
    static const PageSheet sheet = Make();
    return sheet;
}

}  // namespace rytmalo
