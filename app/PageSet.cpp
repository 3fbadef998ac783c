#include "app/PageSet.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "core/RowFlow.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/TextMeasure.h"

namespace rytmalo {

PageSet::PageSet(tk::TForm& form, tk::TPageControl& tabs, const tk::NumberStyle& numbers,
                 ChangeSetting change, FigureTable::EnterTempo enterTempo)
    : form_(form),
      tabs_(tabs),
      numbers_(numbers),
      change_(std::move(change)),
      enterTempo_(std::move(enterTempo)) {}

PageSet::~PageSet() = default;

PageId PageSet::Shown() const {
    const int tab = tabs_.TabIndex();
    return tab >= 0 && static_cast<std::size_t>(tab) < kPageCount ? DetailPages()[tab].id
                                                                  : PageId::Values;
}

void PageSet::Choose(PageId page, const FigureContext& context) {
    const std::size_t index = IndexOf(page);
    auto& made = made_[index];
    // A new page is made hidden, placed and filled, then shown whole.
    if (!made) {
        made = std::make_unique<DetailPage>(form_, PageRowOf(page), numbers_, change_, enterTempo_,
                                            context, Widths());
        if (width_ > 0) made->Place(width_, height_, Metrics());
        stale_[index] = false;
        tabs_.PageReady(form_.Find<tk::TTabSheet>(PageRowOf(page).sheet));
        return;
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
        page->Place(width, height, Metrics());
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

SIZE PageSet::TabsFrame() const {
    RECT window;
    GetClientRect(tabs_.Handle(), &window);
    const RECT area = tabs_.DisplayRect();
    return {(window.right - window.left) - (area.right - area.left),
            (window.bottom - window.top) - (area.bottom - area.top)};
}

int PageSet::SettingsWidth(const PageSheet& sheet) const {
    const HFONT font = tabs_.FontHandle();
    const int dpi = form_.Dpi();
    std::vector<tk::RowItem> items;
    for (const tk::ControlLayout& c : sheet.controls) {
        if (c.kind == tk::ControlKind::ListView) continue;
        std::vector<std::wstring> lines;
        for (const SettingControl& setting : sheet.settings) {
            if (setting.control != c.name || !setting.choices) continue;
            // Lines that name a sample rate are widest at 176,4 kHz.
            DetailSettings widest;
            widest.rates = {176400, 176400};
            for (const Choice& choice : setting.choices(widest, numbers_))
                lines.push_back(choice.text);
        }
        const tk::TRect laidOut = form_.Scale(c.bounds);
        const int needed = tk::NeededWidth(c.kind, font, dpi, c.caption, lines, c.noPrefix);
        items.push_back({laidOut, std::max(laidOut.Width(), needed)});
    }
    return tk::FlowedRight(items);
}

// Within a page, 4 pixels on each side of its lists and settings, and
// between its two columns of lists.
int PageSet::Width() const {
    const int dpi = form_.Dpi();
    const int margin = form_.Scale(4);
    int widest = 0;
    for (const PageRow& row : DetailPages()) {
        const PageSheet& sheet = row.content();
        int columns[2] = {0, 0};
        for (const FigureList& list : sheet.lists) {
            int& column = columns[list.column == 1 ? 1 : 0];
            column = std::max(column, ListWidth(Widths().at(list.name), dpi));
        }
        const int lists = columns[0] + columns[1] + (columns[1] > 0 ? 3 : 2) * margin;
        widest = std::max({widest, lists, SettingsWidth(sheet) + margin});
    }
    return widest + TabsFrame().cx;
}

// Each list its headings, its rows and its edges; a list that scrolls, the
// least a list keeps.
int PageSet::Height() const {
    const ListMetrics& lists = Metrics();
    if (lists.row == 0) return form_.Scale(kDetailViewHeight - kPagesTop - 8);
    const int margin = form_.Scale(4);
    int tallest = 0;
    for (const PageRow& row : DetailPages()) {
        const PageSheet& sheet = row.content();
        for (const int column : {0, 1}) {
            int height = form_.Scale(sheet.listsTop) + margin;
            for (const FigureList& list : sheet.lists) {
                if (list.column != column) continue;
                height +=
                    std::max(lists.Height(list.rows), form_.Scale(kLeastTableHeight)) + margin;
            }
            tallest = std::max(tallest, height);
        }
    }
    return tallest + TabsFrame().cy;
}

const ListMetrics& PageSet::Metrics() const {
    if (metricsDpi_ == form_.Dpi()) return metrics_;
    for (const auto& page : made_) {
        if (!page) continue;
        metrics_ = page->Metrics();
        metricsDpi_ = form_.Dpi();
        break;
    }
    return metrics_;
}

bool PageSet::ContextMenu(HWND window, POINT screen) {
    for (const auto& page : made_) {
        if (page && page->ContextMenu(window, screen)) return true;
    }
    return false;
}

}  // namespace rytmalo
