// A page of the detailed view, made from its row of the page table when
// its tab is first chosen: its lists of figures, filled from the view's
// context and the page's own boxes, and the controls that set its
// settings, which it hands to the view to keep and save.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "app/DetailPages.h"
#include "app/FigureTable.h"
#include "app/PageControls.h"
#include "toolkit/Win.h"

namespace tk {
class TForm;
class TListView;
}  // namespace tk

namespace rytmalo {

// The width of each column of each list of the pages, by the list's name,
// at the window's resolution: what the widest figure of each needs. A
// dozen lists, looked through in turn.
class ColumnWidths {
public:
    const std::vector<int>& at(std::string_view list) const;
    std::vector<int>& operator[](std::string_view list);

private:
    std::vector<std::pair<std::string_view, std::vector<int>>> lists_;
};

// How wide a list must be for its columns, its scroll bar and its edges
// (screen pixels).
int ListWidth(const std::vector<int>& columns, int dpi);

// How the pages' lists draw (screen pixels): all alike, in one font.
struct ListMetrics {
    int row = 0;
    int header = 0;
    int edges = 0;
    // A list showing some rows whole: its headings, its rows, its edges.
    int Height(int rows) const { return header + rows * row + edges; }
};

class DetailPage {
public:
    // The page's controls are added to the form on its tab's sheet, each
    // window made with what it first shows: the settings' lines and
    // choices of the context, its lists' columns as wide as given.
    DetailPage(tk::TForm& form, const PageRow& row, const tk::NumberStyle& numbers,
               ChangeSetting change, FigureTable::EnterTempo enterTempo,
               const FigureContext& context, const ColumnWidths& widths);
    DetailPage(const DetailPage&) = delete;
    DetailPage& operator=(const DetailPage&) = delete;

    void Update(const FigureContext& context);
    // The page's settings in their row and its lists below them, in its
    // area (screen pixels): lists of a second column beside the first,
    // those of a column sharing its height by their rows.
    void Place(int width, int height, const ListMetrics& lists);
    void FitColumns(const ColumnWidths& widths);
    // A context menu asked for in a window of the page: true when it was.
    bool ContextMenu(HWND window, POINT screen);
    // How a list of the page draws: all draw their rows alike.
    ListMetrics Metrics() const;

private:
    void Show();
    void FlowSettings();
    void PlaceColumn(int column, int left, int width, int height, const ListMetrics& lists);

    tk::TForm& form_;
    const PageSheet& sheet_;
    std::vector<std::unique_ptr<FigureTable>> tables_;
    std::unique_ptr<PageControls> controls_;
    // What the page last showed, without its own boxes' texts.
    FigureContext context_;
    ColumnWidths widths_;
    bool placed_ = false;
};

}  // namespace rytmalo
