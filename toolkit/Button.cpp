#include "toolkit/Button.h"

#include "toolkit/Form.h"

namespace tk {

DWORD TButton::Style() const {
    return TControl::Style() | (IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::Click() {
    if (ModalResult() != 0) Form().SetModalResult(ModalResult());
    TControl::Click();
}

bool TButton::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
        Click();
        return true;
    }
    return TControl::Reflected(m);
}

}  // namespace tk
