#include "app/FigureTable.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/PopupMenu.h"

namespace rytmalo {
namespace {

// The style of copied figures: the user's decimal mark, no grouping.
tk::NumberStyle Ungrouped(tk::NumberStyle style) {
    style.groups.clear();
    style.repeatLast = false;
    return style;
}

}  // namespace

FigureTable::FigureTable(tk::TForm& form, tk::TListView& list, const tk::NumberStyle& numbers)
    : form_(form), list_(list), numbers_(numbers) {
    for (const tk::ListColumn& column : list.Layout().columns) shown_.emplace_back(column.caption);
    copied_ = shown_;
    list_.OnKeyDown = [this](WORD& key) {
        if (GetKeyState(VK_CONTROL) >= 0) return;
        if (key == 'C') {
            tk::CopyText(form_.Handle(), CopyText());
        } else if (key == 'A') {
            ListView_SetItemState(list_.Handle(), -1, LVIS_SELECTED, LVIS_SELECTED);
        }
    };
}

void FigureTable::Show(std::wstring title, RowsIn rows) {
    title_ = std::move(title);
    rows_ = std::move(rows);
    list_.SetRows(rows_(numbers_));
}

void FigureTable::Clear() {
    rows_ = nullptr;
    list_.SetRows({});
}

void FigureTable::SetHeadings(const std::vector<std::wstring>& shown,
                              std::vector<std::wstring> copied) {
    for (std::size_t i = 0; i < shown.size() && i < shown_.size(); ++i) {
        if (shown[i] == shown_[i]) continue;
        shown_[i] = shown[i];
        list_.SetColumnCaption(static_cast<int>(i), shown[i]);
    }
    copied_ = std::move(copied);
}

void FigureTable::Place(int top, int width, int height) {
    const int margin = form_.Scale(4);
    const int at = form_.Scale(top);
    SetWindowPos(list_.Handle(), nullptr, margin, at, width - 2 * margin,
                 std::max(height - at - margin, form_.Scale(kLeastTableHeight)),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FigureTable::ContextMenu(HWND window, POINT screen) {
    if (!window || (window != list_.Handle() && !IsChild(list_.Handle(), window))) return false;
    const bool keyboard = screen.x == -1 && screen.y == -1;
    if (keyboard) screen = list_.MenuPoint();
    if (tk::ShowPopupMenu(form_.Handle(), screen, {{L"&Copier", rows_ != nullptr}},
                          keyboard ? tk::MenuFrom::Keyboard : tk::MenuFrom::Mouse)) {
        tk::CopyText(form_.Handle(), CopyText());
    }
    return true;
}

std::wstring FigureTable::CopyText() const {
    std::wstring text;
    if (!rows_) return text;
    text = title_ + L"\r\n";
    for (std::size_t i = 0; i < copied_.size(); ++i) text += (i ? L"\t" : L"") + copied_[i];
    text += L"\r\n";
    const FigureRows rows = rows_(Ungrouped(numbers_));
    std::vector<int> chosen = list_.SelectedRows();
    if (chosen.empty()) {
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) chosen.push_back(row);
    }
    for (const int row : chosen) {
        if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) continue;
        const auto& cells = rows[static_cast<std::size_t>(row)];
        for (std::size_t c = 0; c < cells.size(); ++c) text += (c ? L"\t" : L"") + cells[c];
        text += L"\r\n";
    }
    return text;
}

}  // namespace rytmalo
