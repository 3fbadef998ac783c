// A page of the detailed view, made from its row of the page table when
// its tab is first chosen: its lists of figures, filled from the view's
// context, and the controls that choose its settings, which it hands to
// the view to keep and save.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "app/DetailPages.h"
#include "app/FigureTable.h"
#include "toolkit/Win.h"

namespace tk {
class TControl;
class TForm;
class TListView;
}  // namespace tk

namespace rytmalo {

// The width of each column of each list of the pages, by the list's name,
// at the window's resolution: what the widest figure of each needs.
using ColumnWidths = std::map<std::string_view, std::vector<int>>;

// A setting a page's control chose, made by the view to the settings it
// holds.
using ChangeSetting = std::function<void(const SettingRow& row, std::int32_t value)>;

class DetailPage {
public:
    // The page's controls are added to the form on its tab's sheet.
    DetailPage(tk::TForm& form, const PageRow& row, const tk::NumberStyle& numbers,
               ChangeSetting change);
    DetailPage(const DetailPage&) = delete;
    DetailPage& operator=(const DetailPage&) = delete;

    void Update(const FigureContext& context);
    // The page's settings in their row and its lists below them, in its
    // area (screen pixels), the lists sharing the height by their rows.
    void Place(int width, int height);
    void FitColumns(const ColumnWidths& widths);
    // A context menu asked for in a window of the page: true when it was.
    bool ContextMenu(HWND window, POINT screen);
    // A list of the page: all draw their rows alike.
    tk::TListView& AnyList() const;
    // How tall a list of the page is to show its rows whole (screen pixels).
    int ListHeight(const tk::TListView& list, int rows) const;

private:
    // A control of the page bound to its setting.
    struct Bound {
        const SettingRow& row;
        tk::TControl& control;
        std::vector<Choice> choices;  // none for a check box
    };
    void Bind(const SettingControl& setting);
    void Chosen(const Bound& bound);
    void ShowSettings(const DetailSettings& settings);
    void FlowSettings();

    tk::TForm& form_;
    const PageSheet& sheet_;
    ChangeSetting change_;
    std::vector<std::unique_ptr<FigureTable>> tables_;
    std::vector<Bound> bound_;
    // The settings last shown: a control's choice is compared with them.
    DetailSettings settings_;
};

}  // namespace rytmalo
