#include "toolkit/ComboBox.h"

#include "toolkit/Form.h"
#include "toolkit/TextMeasure.h"

namespace tk {
namespace {

// Lines the dropped list shows before it scrolls.
constexpr int kDroppedLines = 8;

}  // namespace

RECT TComboBox::CreationRect() const {
    RECT r = TControl::CreationRect();
    r.bottom += (r.bottom - r.top) * kDroppedLines;
    return r;
}

// Before its window is made, the box keeps them: the window is made as wide
// as they need, and holds them from the start.
void TComboBox::SetItems(const std::vector<std::wstring>& items) {
    items_ = items;
    if (!Handle()) return;
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    AddItems();
    FitToText();
}

void TComboBox::HandleCreated() {
    AddItems();
    if (index_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, index_, 0);
}

void TComboBox::AddItems() {
    for (const std::wstring& item : items_)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TComboBox::TextWidth() const {
    return NeededWidth(ControlKind::ComboBox, FontHandle(), Form().Dpi(), {}, items_);
}

int TComboBox::ItemIndex() const {
    if (!Handle()) return index_;
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TComboBox::SetItemIndex(int index) {
    index_ = index;
    if (Handle()) SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

bool TComboBox::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == CBN_SELCHANGE) {
        if (OnChange) OnChange();
        return true;
    }
    if (m.msg == WM_CTLCOLORLISTBOX || m.msg == WM_CTLCOLOREDIT) {
        AnswerCtlColor(m);
        return true;
    }
    return TControl::Reflected(m);
}

}  // namespace tk
