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

void TComboBox::SetItems(const std::vector<std::wstring>& items) {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    items_ = items;
    FitToText();
}

int TComboBox::TextWidth() const {
    return NeededWidth(ControlKind::ComboBox, FontHandle(), Form().Dpi(), {}, items_);
}

int TComboBox::ItemIndex() const {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, index, 0); }

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
