#include "toolkit/ListBox.h"

namespace tk {

void TListBox::SetItems(const std::vector<std::wstring>& items) {
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items)
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

int TListBox::ItemIndex() const {
    const LRESULT index = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TListBox::SetItemIndex(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

bool TListBox::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == LBN_DBLCLK) {
        if (OnDoubleClick) OnDoubleClick();
        return true;
    }
    // A list box asks for its colours as an edit would.
    if (m.msg == WM_CTLCOLORLISTBOX) {
        AnswerCtlColor(m);
        return true;
    }
    return TControl::Reflected(m);
}

}  // namespace tk
