#include "app/PageSet.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"

namespace rytmalo {

PageSet::PageSet(tk::TForm& form, tk::TPageControl& tabs, const tk::NumberStyle& numbers,
                 ChangeSetting change)
    : form_(form), tabs_(tabs), numbers_(numbers), change_(std::move(change)) {}

PageSet::~PageSet() = default;

PageId PageSet::Shown() const {
    const int tab = tabs_.TabIndex();
    return tab >= 0 && static_cast<std::size_t>(tab) < kPageCount ? DetailPages()[tab].id
                                                                  : PageId::Values;
}

void PageSet::Choose(PageId page, const FigureContext& context) {
    const std::size_t index = IndexOf(page);
    auto& made = made_[index];
    if (!made) {
        made = std::make_unique<DetailPage>(form_, PageRowOf(page), numbers_, change_);
        made->FitColumns(Widths());
        if (width_ > 0) Place(width_, height_);
        stale_[index] = true;
    }
    if (stale_[index]) {
        made->Update(context);
        stale_[index] = false;
    }
}

void PageSet::Refresh(const FigureContext& context) {
    const PageId shown = Shown();
    for (const PageRow& row : DetailPages()) {
        const auto& made = made_[IndexOf(row.id)];
        if (!made) continue;
        if (row.id == shown) {
            made->Update(context);
        } else {
            stale_[IndexOf(row.id)] = true;
        }
    }
}

void PageSet::Place(int width, int height) {
    width_ = width;
    height_ = height;
    for (const auto& page : made_) {
        if (!page) continue;
        page->FitColumns(Widths());
        page->Place(width, height);
    }
}

// Each column as wide as its widest figure and heading, measured in the
// view's font (which its lists use), once for the window's resolution.
const ColumnWidths& PageSet::Widths() const {
    const int dpi = form_.Dpi();
    if (dpi == widthsDpi_) return widths_;
    const HFONT font = tabs_.FontHandle();
    for (const PageRow& row : DetailPages()) {
        const PageSheet& sheet = row.content();
        for (const FigureList& list : sheet.lists) {
            FigureRows rows = list.widest(numbers_);
            std::vector<std::wstring>& headings = rows.emplace_back();
            for (const tk::ListColumn& c : FindDetailControl(list.name)->columns)
                headings.emplace_back(c.caption);
            widths_[list.name] = tk::TListView::ColumnWidths(font, dpi, rows);
        }
    }
    widthsDpi_ = dpi;
    return widths_;
}

int PageSet::WidestList() const {
    const int dpi = form_.Dpi();
    int widest = 0;
    for (const auto& [list, columns] : Widths()) {
        int sum = 0;
        for (const int w : columns) sum += w;
        widest = std::max(widest, sum + tk::SystemMetricForDpi(SM_CXVSCROLL, dpi) +
                                      4 * tk::SystemMetricForDpi(SM_CXEDGE, dpi));
    }
    return widest;
}

bool PageSet::ContextMenu(HWND window, POINT screen) {
    for (const auto& page : made_) {
        if (page && page->ContextMenu(window, screen)) return true;
    }
    return false;
}

}  // namespace rytmalo
