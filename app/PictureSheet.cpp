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

// "Par temps" names the beat it counts, the main window's unit, as every
// page does; the list sets it whenever it shows its figures, as the other
// pages set their sample rates' headings.
Headings HeadingsOf(const FigureContext& context, const tk::NumberStyle&) {
    std::vector<std::wstring> headings{L"Images/s", L"Par temps (" + BeatName(context.unit) + L")",
                                       L"Par mesure", L"Clic"};
    return {headings, headings};
}

// The most frames, at the slowest tempo with the sixteenth as beat in
// 32/1, and the longest heading, which names that beat.
FigureRows Widest(const tk::NumberStyle& style) {
    FigureRows rows = RowsOf(kSlowestTempo, 16, {32, 1}, style);
    rows.push_back(HeadingsOf({.unit = 16}, style).shown);
    return rows;
}

constexpr tk::ListColumn kImageColumns[] = {{L"Images/s", 60},
                                            {L"Par temps", 70, tk::Alignment::Right},
                                            {L"Par mesure", 70, tk::Alignment::Right},
                                            {L"Clic", 50, tk::Alignment::Right}};

PageSheet Make() {
    using namespace tk;
    return {
        .controls = {DetailFigures(
            "lvwImage", 1150, "tabImage", Bounds(4, 4, 357, 160), kPictureHelp, 0,
            L"Images par temps et par mesure, et le clic en images et huitièmes ; Ctrl+C copie",
            kImageColumns)},
        .listsTop = 4,
        .lists = {{"lvwImage", Rows, Widest, HeadingsOf, true, static_cast<int>(kFrameRateCount)}},
        .settings = {},
    };
}

}  // namespace

const PageSheet& PictureSheet() {
    static const PageSheet sheet = Make();
    return sheet;
}

}  // namespace rytmalo
