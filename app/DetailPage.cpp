#include "app/DetailPage.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "core/Exception.h"
#include "core/SharedHeights.h"
#include "toolkit/ControlFlow.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

namespace rytmalo {
namespace {

std::vector<tk::ControlLayout> PageControlsOf(const PageRow& row) {
    std::vector<tk::ControlLayout> controls{SheetLayout(row)};
    const auto& own = row.content().controls;
    controls.insert(controls.end(), own.begin(), own.end());
    return controls;
}

}  // namespace

const std::vector<int>& ColumnWidths::at(std::string_view list) const {
    for (const auto& [name, widths] : lists_) {
        if (name == list) return widths;
    }
    throw tk::ProgrammingError({"no widths for a list"});
}

std::vector<int>& ColumnWidths::operator[](std::string_view list) {
    for (auto& [name, widths] : lists_) {
        if (name == list) return widths;
    }
    return lists_.emplace_back(list, std::vector<int>{}).second;
}

int ListWidth(const std::vector<int>& columns, int dpi) {
    int sum = 0;
    for (const int w : columns) sum += w;
    return sum + tk::SystemMetricForDpi(SM_CXVSCROLL, dpi) +
           4 * tk::SystemMetricForDpi(SM_CXEDGE, dpi);
}

DetailPage::DetailPage(tk::TForm& form, const PageRow& row, const tk::NumberStyle& numbers,
                       ChangeSetting change, FigureTable::EnterTempo enterTempo,
                       const FigureContext& context, const ColumnWidths& widths)
    : form_(form), sheet_(row.content()), context_(context) {
    // A drop-down list moved or widened once made moves the list it drops
    // too, and a column widened makes its list lay out again: each is
    // given its lines and widths before its window is made.
    form.AddControls(PageControlsOf(row), [&] {
        controls_ = std::make_unique<PageControls>(form, sheet_, numbers, std::move(change),
                                                   [this] { Show(); });
        controls_->Show(context);
        for (const FigureList& list : sheet_.lists)
            tables_.push_back(std::make_unique<FigureTable>(form, list, numbers, enterTempo));
        FitColumns(widths);
    });
    Show();
}

void DetailPage::Update(const FigureContext& context) {
    // The page shows these figures already.
    if (context == context_) return;
    context_ = context;
    if (controls_->Show(context) && placed_) FlowSettings();
    Show();
}

// The lists, of the context and of what the page's own boxes hold.
void DetailPage::Show() {
    FigureContext context = context_;
    context.entered = controls_->Entered();
    for (const auto& table : tables_) table->Show(context);
}

void DetailPage::FitColumns(const ColumnWidths& widths) {
    widths_ = widths;
    for (const auto& table : tables_)
        table->List().SetColumnWidths(widths.at(table->Figures().name));
}

// The settings' controls in their row, moved along where their texts
// made them wider; the lists below them.
void DetailPage::Place(int width, int height, const ListMetrics& lists) {
    placed_ = true;
    FlowSettings();
    const int margin = form_.Scale(4);
    const bool two = std::any_of(tables_.begin(), tables_.end(),
                                 [](const auto& t) { return t->Figures().column == 1; });
    if (!two) {
        PlaceColumn(0, margin, width - 2 * margin, height, lists);
        return;
    }
    // The first column as wide as its widest list, the second the rest.
    int first = 0;
    for (const auto& table : tables_) {
        if (table->Figures().column == 0)
            first = std::max(first, ListWidth(widths_.at(table->Figures().name), form_.Dpi()));
    }
    first = std::min(first, (width - 3 * margin) / 2);
    PlaceColumn(0, margin, first, height, lists);
    PlaceColumn(1, 2 * margin + first, width - 3 * margin - first, height, lists);
}

// One under the other, with margins around and between them, each its rows
// whole when there is room (what room is left goes to them by their rows),
// each never shorter than its headings and a row.
void DetailPage::PlaceColumn(int column, int left, int width, int height,
                             const ListMetrics& lists) {
    const int top = form_.Scale(sheet_.listsTop);
    const int margin = form_.Scale(4);
    std::vector<FigureTable*> inColumn;
    std::vector<int> needs;
    std::vector<int> weights;
    for (const auto& table : tables_) {
        if (table->Figures().column != column) continue;
        inColumn.push_back(table.get());
        needs.push_back(lists.Height(table->Figures().rows));
        weights.push_back(std::max(table->Figures().rows, 1));
    }
    const int count = static_cast<int>(inColumn.size());
    const std::vector<int> heights = SharedHeights(
        needs, weights, height - top - (count + 1) * margin, form_.Scale(kLeastTableHeight));
    int at = top;
    for (int i = 0; i < count; ++i) {
        const int h = heights[static_cast<std::size_t>(i)];
        inColumn[static_cast<std::size_t>(i)]->List().SetBounds(left, at, width, h);
        at += h + margin;
    }
}

ListMetrics DetailPage::Metrics() const {
    const tk::TListView& list = tables_.front()->List();
    return {list.RowHeight(), list.HeaderHeight(),
            2 * tk::SystemMetricForDpi(SM_CYEDGE, form_.Dpi())};
}

void DetailPage::FlowSettings() {
    std::vector<const tk::ControlLayout*> settings;
    for (const tk::ControlLayout& c : sheet_.controls)
        if (c.kind != tk::ControlKind::ListView) settings.push_back(&c);
    tk::FlowInRows(form_, settings);
}

bool DetailPage::ContextMenu(HWND window, POINT screen) {
    for (const auto& table : tables_) {
        if (table->ContextMenu(window, screen)) return true;
    }
    return false;
}

}  // namespace rytmalo
