#include "toolkit/Edit.h"

namespace tk {

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
