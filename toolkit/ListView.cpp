#include "toolkit/ListView.h"

#include <algorithm>

#include "toolkit/Form.h"
#include "toolkit/Gdi.h"

namespace tk {
namespace {

int FormatOf(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right: return LVCFMT_RIGHT;
        case Alignment::Center: return LVCFMT_CENTER;
        default: return LVCFMT_LEFT;
    }
}

}  // namespace

// Registered when the first list view is made: a program that never shows
// one does not pay for it at start.
const wchar_t* TListView::WindowClass() const {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
    return WC_LISTVIEWW;
}

DWORD TListView::Style() const {
    return TControl::Style() | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
}

void TListView::HandleCreated() {
    ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    const auto& columns = Layout().columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::wstring caption(columns[i].caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = FormatOf(columns[i].alignment);
        column.cx = i < widths_.size() ? widths_[i] : Scale(columns[i].width);
        column.pszText = const_cast<wchar_t*>(caption.c_str());
        column.iSubItem = static_cast<int>(i);
        ListView_InsertColumn(Handle(), static_cast<int>(i), &column);
    }
}

void TListView::ApplyDpi() {
    TControl::ApplyDpi();
    SetColumnWidths();
}

void TListView::SetColumnCaption(int column, const std::wstring& caption) {
    if (column < 0) return;
    if (static_cast<std::size_t>(column) >= captions_.size()) captions_.resize(column + 1);
    captions_[static_cast<std::size_t>(column)] = caption;
    // The format goes with the text: a list may draw a heading given its
    // text alone on the left (Wine's does), a figure's over its column.
    const auto& columns = Layout().columns;
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT;
    c.pszText = const_cast<wchar_t*>(caption.c_str());
    if (static_cast<std::size_t>(column) < columns.size()) {
        c.mask |= LVCF_FMT;
        c.fmt = FormatOf(columns[static_cast<std::size_t>(column)].alignment);
    }
    ListView_SetColumn(Handle(), column, &c);
    SetColumnWidths();
}

// Before its window is made, the list keeps them and makes its columns
// so: a column's width changed later costs the list a layout of its
// headings and rows.
void TListView::SetColumnWidths(std::vector<int> widths) {
    widths_ = std::move(widths);
    if (Handle()) SetColumnWidths();
}

void TListView::FitColumns(std::vector<std::vector<std::wstring>> widest) {
    widest_ = std::move(widest);
    SetColumnWidths();
}

std::vector<int> TListView::ColumnWidths(HFONT font, int dpi,
                                         const std::vector<std::vector<std::wstring>>& rows) {
    // The list draws a cell's text between margins: room for them, scaled
    // with the rest.
    const int margins = MulDiv(14, dpi, 96);
    // A column of figures is as wide as its longest texts: those within two
    // characters of the longest are measured (a name column, every text).
    std::vector<std::size_t> longest;
    for (const auto& row : rows) {
        if (longest.size() < row.size()) longest.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            longest[c] = std::max(longest[c], row[c].size());
    }
    std::vector<int> widths(longest.size(), 0);
    WindowDc screen(nullptr);
    SelectGuard selected(screen.get(), font);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0 && row[c].size() + 2 < longest[c]) continue;
            SIZE size{};
            GetTextExtentPoint32W(screen.get(), row[c].c_str(), static_cast<int>(row[c].size()),
                                  &size);
            widths[c] = std::max(widths[c], static_cast<int>(size.cx) + margins);
        }
    }
    return widths;
}

// The layout's widths, or those the widest texts and the headings need.
void TListView::SetColumnWidths() {
    const auto& columns = Layout().columns;
    const int count = static_cast<int>(columns.size());
    if (!widths_.empty()) {
        for (int i = 0; i < count && i < static_cast<int>(widths_.size()); ++i)
            ListView_SetColumnWidth(Handle(), i, widths_[static_cast<std::size_t>(i)]);
        return;
    }
    if (widest_.empty()) {
        for (int i = 0; i < count; ++i)
            ListView_SetColumnWidth(Handle(), i, Scale(columns[static_cast<std::size_t>(i)].width));
        return;
    }
    std::vector<std::vector<std::wstring>> measured = widest_;
    std::vector<std::wstring>& header = measured.emplace_back();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        header.emplace_back(i < captions_.size() && !captions_[i].empty() ? captions_[i]
                                                                          : columns[i].caption);
    }
    const std::vector<int> widths = ColumnWidths(FontHandle(), Form().Dpi(), measured);
    for (int i = 0; i < count && i < static_cast<int>(widths.size()); ++i)
        ListView_SetColumnWidth(Handle(), i, widths[static_cast<std::size_t>(i)]);
}

bool TListView::Reflected(Message& m) {
    if (m.msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(m.lParam)->code == NM_DBLCLK) {
        const int row = reinterpret_cast<const NMITEMACTIVATE*>(m.lParam)->iItem;
        if (OnDoubleClick && row >= 0) OnDoubleClick(row);
        return true;
    }
    return TControl::Reflected(m);
}

int TListView::RowHeight() const {
    RECT row{};
    if (RowCount() > 0 && ListView_GetItemRect(Handle(), 0, &row, LVIR_BOUNDS))
        return row.bottom - row.top;
    // An empty list is asked with a row of its own, made and taken away
    // while it does not draw.
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"0");
    ListView_InsertItem(Handle(), &item);
    ListView_GetItemRect(Handle(), 0, &row, LVIR_BOUNDS);
    ListView_DeleteItem(Handle(), 0);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    return row.bottom - row.top;
}

int TListView::HeaderHeight() const {
    RECT r{};
    if (HWND header = ListView_GetHeader(Handle())) GetWindowRect(header, &r);
    return r.bottom - r.top;
}

int TListView::FocusedRow() const {
    return static_cast<int>(ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED));
}

POINT TListView::MenuPoint() const {
    RECT client;
    GetClientRect(Handle(), &client);
    POINT at{client.left, client.top};
    if (HWND header = ListView_GetHeader(Handle())) {
        RECT r;
        if (GetWindowRect(header, &r)) at.y = r.bottom - r.top;
    }
    RECT row;
    const int focused = FocusedRow();
    if (focused >= 0 && ListView_GetItemRect(Handle(), focused, &row, LVIR_BOUNDS) &&
        row.bottom > at.y && row.top < client.bottom) {
        at.y = (row.top + row.bottom) / 2;
    }
    ClientToScreen(Handle(), &at);
    return at;
}

void TListView::SetRows(const std::vector<std::vector<std::wstring>>& rows) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    const int old = RowCount();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        if (row >= old) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = const_cast<wchar_t*>(L"");
            ListView_InsertItem(Handle(), &item);
        }
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            ListView_SetItemText(Handle(), row, static_cast<int>(c),
                                 const_cast<wchar_t*>(rows[r][c].c_str()));
        }
    }
    for (int row = old - 1; row >= static_cast<int>(rows.size()); --row)
        ListView_DeleteItem(Handle(), row);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TListView::RowCount() const {
    return Handle() ? static_cast<int>(ListView_GetItemCount(Handle())) : 0;
}

std::wstring TListView::Cell(int row, int column) const {
    wchar_t text[256] = {};
    ListView_GetItemText(Handle(), row, column, text, 256);
    return text;
}

std::vector<int> TListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(Handle(), -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(Handle(), row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tk
