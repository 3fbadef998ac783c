// The page "Mixage": a reverb that breathes with the song (four sizes,
// their pre-delay and decay) and a compressor's attack and release on the
// beat.
#pragma once

#include "app/DetailPage.h"
#include "app/FigureTable.h"

namespace tk {
class TComboBox;
}

namespace rytmalo {

class MixingPage : public DetailPage {
public:
    MixingPage(tk::TForm& form, const tk::NumberStyle& numbers, ChangeSettings change);
    void Update(const FigureContext& context) override;
    void Place(int width, int height) override;
    void FitColumns(const ColumnWidths& widths) override;
    bool ContextMenu(HWND window, POINT screen) override;

    // The widest figures of the reverb's list, then of the compressor's.
    static FigureRows WidestReverb(const tk::NumberStyle& style);
    static FigureRows WidestCompressor(const tk::NumberStyle& style);

private:
    tk::TForm& form_;
    ChangeSettings change_;
    DetailSettings settings_;
    tk::TComboBox& preDelay_;
    FigureTable reverb_;
    FigureTable compressor_;
};

}  // namespace rytmalo
