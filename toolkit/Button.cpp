#include "toolkit/Button.h"

#include "toolkit/Form.h"
#include "toolkit/TextMeasure.h"

namespace tk {

DWORD TButton::Style() const {
    return TControl::Style() | (IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

int TButton::TextWidth() const {
    return NeededWidth(ControlKind::Button, FontHandle(), Form().Dpi(), Caption());
}

void TButton::Click() {
    if (ModalResult() != 0) Form().SetModalResult(ModalResult());
    TControl::Click();
}

void TButton::WndProc(Message& m) {
    if (OnPress) {
        const bool mouse = m.msg == WM_LBUTTONDOWN || m.msg == WM_LBUTTONDBLCLK;
        // Space held down repeats its key-down: one press.
        const bool space = m.msg == WM_KEYDOWN && m.wParam == VK_SPACE && !(m.lParam & (1 << 30));
        if (mouse || space) OnPress(static_cast<DWORD>(GetMessageTime()));
    }
    TControl::WndProc(m);
}

bool TButton::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
        Click();
        return true;
    }
    return TControl::Reflected(m);
}

}  // namespace tk
