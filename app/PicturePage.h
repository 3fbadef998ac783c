// The page "Image": frames of film or video per beat and per bar at the
// usual picture rates, and the film click for each.
#pragma once

#include "app/DetailPage.h"
#include "app/FigureTable.h"

namespace rytmalo {

class PicturePage : public DetailPage {
public:
    PicturePage(tk::TForm& form, const tk::NumberStyle& numbers);
    void Update(const FigureContext& context) override;
    void Place(int width, int height) override;
    void FitColumns(const ColumnWidths& widths) override;
    bool ContextMenu(HWND window, POINT screen) override;

    static FigureRows Widest(const tk::NumberStyle& style);

private:
    tk::TForm& form_;
    FigureTable table_;
};

}  // namespace rytmalo
