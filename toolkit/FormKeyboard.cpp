// The keys a form handles before its controls see them: Tab through the
// controls in tab order, arrows within a group of radio buttons, Enter for
// the focused or default button, Escape for the cancel button.
#include <algorithm>
#include <climits>

#include "toolkit/Button.h"
#include "toolkit/CheckControls.h"
#include "toolkit/Form.h"

namespace tk {

void TForm::SetFocusToActiveControl() {
    if (activeControl_ && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
    }
    const std::vector<TControl*> order = TabOrderList();
    if (!order.empty()) {
        order.front()->SetFocus();
    } else {
        ::SetFocus(Handle());
    }
}

void TForm::AppendTabOrder(const TControl* parent, std::vector<TControl*>& out) const {
    std::vector<TControl*> siblings;
    for (TComponent* c : Components()) {
        auto* control = dynamic_cast<TControl*>(c);
        if (control && control->Parent() == parent) siblings.push_back(control);
    }
    std::stable_sort(siblings.begin(), siblings.end(), [](const TControl* a, const TControl* b) {
        const int ta = a->Layout().tabOrder < 0 ? INT_MAX : a->Layout().tabOrder;
        const int tb = b->Layout().tabOrder < 0 ? INT_MAX : b->Layout().tabOrder;
        return ta < tb;
    });
    for (TControl* control : siblings) {
        if (!control->CanFocus()) continue;
        if (control->IsTabStop()) out.push_back(control);
        AppendTabOrder(control, out);
    }
}

std::vector<TControl*> TForm::TabOrderList() const {
    std::vector<TControl*> order;
    AppendTabOrder(nullptr, order);
    return order;
}

void TForm::SelectNext(bool forward) {
    const std::vector<TControl*> order = TabOrderList();
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), activeControl_);
    std::size_t index = 0;
    if (it != order.end()) {
        const std::size_t current = static_cast<std::size_t>(it - order.begin());
        index =
            forward ? (current + 1) % order.size() : (current + order.size() - 1) % order.size();
    } else if (!forward) {
        index = order.size() - 1;
    }
    order[index]->SetFocus();
}

bool TForm::MoveInRadioGroup(bool forward) {
    auto* current = dynamic_cast<TRadioButton*>(activeControl_);
    if (!current || !current->Focused()) return false;
    std::vector<TRadioButton*> group;
    for (TComponent* c : Components()) {
        auto* radio = dynamic_cast<TRadioButton*>(c);
        if (radio && radio->Parent() == current->Parent() && radio->CanFocus())
            group.push_back(radio);
    }
    auto it = std::find(group.begin(), group.end(), current);
    if (it == group.end() || group.size() < 2) return true;
    const std::size_t i = static_cast<std::size_t>(it - group.begin());
    TRadioButton* next =
        group[forward ? (i + 1) % group.size() : (i + group.size() - 1) % group.size()];
    next->SetFocus();
    next->SetChecked(true);
    return true;
}

bool TForm::DialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    // A key of the form's own: the menu's F1 is past.
    menuHelpKey_ = false;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (alt || ctrl) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    TControl* focused = TControl::FromHandle(msg.hwnd);

    switch (msg.wParam) {
        case VK_TAB: SelectNext(!shift); return true;
        case VK_LEFT:
        case VK_UP: return MoveInRadioGroup(false);
        case VK_RIGHT:
        case VK_DOWN: return MoveInRadioGroup(true);
        case VK_RETURN: {
            if (auto* button = dynamic_cast<TButton*>(focused)) {
                button->Click();
                return true;
            }
            for (TComponent* c : Components()) {
                auto* button = dynamic_cast<TButton*>(c);
                if (button && button->IsDefault() && button->CanFocus()) {
                    button->Click();
                    return true;
                }
            }
            return false;
        }
        case VK_ESCAPE:
            for (TComponent* c : Components()) {
                auto* button = dynamic_cast<TButton*>(c);
                if (button && button->IsCancel() && button->CanFocus()) {
                    button->Click();
                    return true;
                }
            }
            return false;
        default: return false;
    }
}

}  // namespace tk
