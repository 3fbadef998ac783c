// The pages of the detailed view behind its tabs: each made from its row
// when first chosen, the page shown told each change of its figures at
// once, the others when next shown; their lists' columns measured once
// for the window's resolution on the widest figures of every page, made
// or not, which also gives the width the view needs.
#pragma once

#include <array>
#include <memory>

#include "app/DetailPage.h"

namespace tk {
class TForm;
class TPageControl;
}  // namespace tk

namespace rytmalo {

class PageSet {
public:
    PageSet(tk::TForm& form, tk::TPageControl& tabs, const tk::NumberStyle& numbers,
            ChangeSetting change, FigureTable::EnterTempo enterTempo);
    ~PageSet();

    PageId Shown() const;
    // The page chosen is made, and told the context if it changed since.
    void Choose(PageId page, const FigureContext& context);
    // What every page shows changed: the page shown now, the others when
    // chosen.
    void Refresh(const FigureContext& context);
    // The pages' area (screen pixels).
    void Place(int width, int height);
    // The width the widest page needs, its settings' texts and every figure
    // of its lists whole, and the height of the page that needs most to
    // show all the rows of its lists (screen pixels, the tabs included).
    int Width() const;
    int Height() const;
    bool ContextMenu(HWND window, POINT screen);

private:
    const ColumnWidths& Widths() const;
    // Measured once for the window's resolution, on the first page made.
    const ListMetrics& Metrics() const;
    // A page's settings in their row, as wide as their texts.
    int SettingsWidth(const PageSheet& sheet) const;
    // What the tabs take around a page's area.
    SIZE TabsFrame() const;

    tk::TForm& form_;
    tk::TPageControl& tabs_;
    const tk::NumberStyle& numbers_;
    ChangeSetting change_;
    FigureTable::EnterTempo enterTempo_;
    std::array<std::unique_ptr<DetailPage>, kPageCount> made_;
    // A page made but not shown since its figures changed.
    std::array<bool, kPageCount> stale_{};
    int width_ = 0;
    int height_ = 0;
    mutable ColumnWidths widths_;
    mutable int widthsDpi_ = 0;
    mutable ListMetrics metrics_;
    mutable int metricsDpi_ = 0;
};

}  // namespace rytmalo
