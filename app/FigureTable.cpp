#include "app/FigureTable.h"

#include "core/DecimalText.h"
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

FigureTable::FigureTable(tk::TForm& form, const FigureList& figures, const tk::NumberStyle& numbers,
                         EnterTempo enterTempo)
    : form_(form),
      figures_(figures),
      list_(form.Find<tk::TListView>(figures.name)),
      numbers_(numbers),
      enterTempo_(std::move(enterTempo)) {
    for (const tk::ListColumn& column : list_.Layout().columns)
        headings_.shown.emplace_back(column.caption);
    headings_.copied = headings_.shown;
    list_.OnDoubleClick = [this](int row) { Choose(row); };
    list_.OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) Choose(list_.FocusedRow());
        if (GetKeyState(VK_CONTROL) >= 0) return;
        if (key == 'C') {
            tk::CopyText(form_.Handle(), CopyText());
        } else if (key == 'A') {
            ListView_SetItemState(list_.Handle(), -1, LVIS_SELECTED, LVIS_SELECTED);
        }
    };
}

// A list with no rows has nothing to copy.
void FigureTable::Show(const FigureContext& context) {
    if (figures_.headings) SetHeadings(figures_.headings(context, numbers_));
    const FigureRows rows = figures_.figures(context, numbers_);
    shown_.reset();
    if (!rows.empty()) shown_ = context;
    list_.SetRows(rows);
}

void FigureTable::SetHeadings(const Headings& headings) {
    for (std::size_t i = 0; i < headings.shown.size() && i < headings_.shown.size(); ++i) {
        if (headings.shown[i] == headings_.shown[i]) continue;
        headings_.shown[i] = headings.shown[i];
        list_.SetColumnCaption(static_cast<int>(i), headings.shown[i]);
    }
    headings_.copied = headings.copied;
}

void FigureTable::Choose(int row) {
    if (!figures_.tempos || !shown_ || row < 0) return;
    const auto tempos = figures_.tempos(*shown_, numbers_);
    if (static_cast<std::size_t>(row) < tempos.size() && tempos[static_cast<std::size_t>(row)])
        enterTempo_(*tempos[static_cast<std::size_t>(row)]);
}

bool FigureTable::ContextMenu(HWND window, POINT screen) {
    if (!window || (window != list_.Handle() && !IsChild(list_.Handle(), window))) return false;
    const bool keyboard = screen.x == -1 && screen.y == -1;
    if (keyboard) screen = list_.MenuPoint();
    if (tk::ShowPopupMenu(form_.Handle(), screen, {{L"&Copier", shown_.has_value()}},
                          keyboard ? tk::MenuFrom::Keyboard : tk::MenuFrom::Mouse)) {
        tk::CopyText(form_.Handle(), CopyText());
    }
    return true;
}

std::wstring FigureTable::CopyText() const {
    std::wstring text;
    if (!shown_) return text;
    if (figures_.copyTitle) {
        text = figures_.copyTitle(*shown_, numbers_);
    } else {
        text = shown_->title;
    }
    if (figures_.bySignature) {
        const TimeSignature signature = shown_->settings.signature;
        text += L", mesure " + tk::DecimalText(signature.numerator) + L"/" +
                tk::DecimalText(signature.denominator);
    }
    text += L"\r\n";
    for (std::size_t i = 0; i < headings_.copied.size(); ++i)
        text += (i ? L"\t" : L"") + headings_.copied[i];
    text += L"\r\n";
    const FigureRows rows = figures_.figures(*shown_, Ungrouped(numbers_));
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
