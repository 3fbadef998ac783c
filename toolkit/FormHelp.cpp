// Context help of a form: the help context of a control, or of the nearest
// enclosing one, or of the form; of a menu item, or of its parent item.
#include <utility>

#include "toolkit/Form.h"

namespace tk {

void TForm::RequestHelp(int context) {
    if (context == 0) return;
    // A window with the help caption icon shows its topics as pop-ups.
    if (layout_.borderIcons & biHelp) {
        host_.HelpCommand(HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(context));
    } else {
        host_.HelpCommand(HELP_CONTEXT, static_cast<ULONG_PTR>(context));
    }
}

void TForm::HelpFor(HWND window) {
    TControl* control = nullptr;
    for (HWND w = window; w && w != Handle() && !control; w = GetParent(w))
        control = TControl::FromHandle(w);
    for (; control; control = control->Parent()) {
        if (control->HelpContext() != 0) {
            RequestHelp(control->HelpContext());
            return;
        }
    }
    RequestHelp(layout_.helpContext);
}

void TForm::HelpForMenu(const HELPINFO& info) {
    if (!menuBar_) return;
    TMenuItem* item = menuBar_->FindByCommand(info.iCtrlId);
    if (!item)
        item = menuBar_->FindBySubMenu(reinterpret_cast<HMENU>(static_cast<INT_PTR>(info.iCtrlId)));
    if (!item) item = menuBar_->FindBySubMenu(static_cast<HMENU>(info.hItemHandle));
    if (item) RequestHelp(item->EffectiveHelpContext());
    menuHelpKey_ = true;
}

bool TForm::DropKeyF1() { return std::exchange(menuHelpKey_, false); }

}  // namespace tk
