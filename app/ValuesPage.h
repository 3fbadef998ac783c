// The page "Valeurs": every note value and its dotted value (with "Toutes
// les divisions", the double-dotted values, quintuplets and septuplets
// too), in milliseconds, hertz and samples at the two chosen rates.
#pragma once

#include <span>

#include "app/DetailPage.h"
#include "app/FigureTable.h"
#include "app/SampleRateBoxes.h"
#include "core/MusicTable.h"

namespace tk {
class TCheckBox;
}

namespace rytmalo {

class ValuesPage : public DetailPage {
public:
    ValuesPage(tk::TForm& form, const tk::NumberStyle& numbers, ChangeSettings change);
    void Update(const FigureContext& context) override;
    void Place(int width, int height) override;
    void FitColumns(const ColumnWidths& widths) override;
    bool ContextMenu(HWND window, POINT screen) override;

    // The rows of the page: the detailed table's, or every division.
    static std::span<const NoteValue> Values(bool allDivisions);
    // The widest figures each column can show, in a style.
    static FigureRows Widest(const tk::NumberStyle& style);

private:
    tk::TForm& form_;
    const tk::NumberStyle& numbers_;
    ChangeSettings change_;
    DetailSettings settings_;
    tk::TCheckBox& divisions_;
    SampleRateBoxes rates_;
    FigureTable table_;
};

}  // namespace rytmalo
