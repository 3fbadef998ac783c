// The page "Mesures": how long the count, the dotted pulse of a compound
// metre and 1 to 32 bars of the chosen time signature last.
#pragma once

#include "app/DetailPage.h"
#include "app/FigureTable.h"
#include "app/SampleRateBoxes.h"

namespace tk {
class TComboBox;
}

namespace rytmalo {

class BarsPage : public DetailPage {
public:
    BarsPage(tk::TForm& form, const tk::NumberStyle& numbers, ChangeSettings change);
    void Update(const FigureContext& context) override;
    void Place(int width, int height) override;
    void FitColumns(const ColumnWidths& widths) override;
    bool ContextMenu(HWND window, POINT screen) override;

    static FigureRows Widest(const tk::NumberStyle& style);

private:
    void SignatureChosen();

    tk::TForm& form_;
    const tk::NumberStyle& numbers_;
    ChangeSettings change_;
    DetailSettings settings_;
    tk::TComboBox& numerator_;
    tk::TComboBox& denominator_;
    SampleRateBoxes rates_;
    FigureTable table_;
};

}  // namespace rytmalo
