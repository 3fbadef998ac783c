#include "toolkit/Edit.h"

namespace tk {

DWORD TEdit::Style() const {
    DWORD style = TControl::Style() | ES_LEFT | ES_AUTOHSCROLL;
    if (Layout().readOnly) style |= ES_READONLY;
    return style;
}

DWORD TMemo::Style() const {
    DWORD style = TControl::Style() | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    if (Layout().readOnly) style |= ES_READONLY;
    return style;
}

void TEdit::HandleCreated() {
    if (Layout().maxLength > 0) SendMessageW(Handle(), EM_LIMITTEXT, Layout().maxLength, 0);
}

void TEdit::WndProc(Message& m) {
    // Enter and Escape reach the key-down handler; their characters would
    // only make a single-line edit beep.
    if (m.msg == WM_CHAR && (m.wParam == VK_RETURN || m.wParam == VK_ESCAPE)) return;
    TControl::WndProc(m);
}

}  // namespace tk
