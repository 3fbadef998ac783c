// The keys a form handles before its controls see them: Tab through the
// controls in tab order, arrows within a group of radio buttons, Enter for
// the focused or default button, Escape for the cancel button.
#include <algorithm>
#include <climits>

#include "toolkit/Button.h"
#include "toolkit/CheckControls.h"
#include "toolkit/Form.h"
#include "toolkit/PageControl.h"

namespace tk {
namespace {

// Clicks the first of the buttons with the role (default, cancel) that can
// take the focus; false when there is none.
bool ClickButton(const std::vector<TComponent*>& components, bool (TButton::*role)() const) {
    for (TComponent* c : components) {
        auto* button = dynamic_cast<TButton*>(c);
        if (button && (button->*role)() && button->CanFocus()) {
            button->Click();
            return true;
        }
    }
    return false;
}

}  // namespace

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
    // The siblings by tab order, those without one last, each kept after
    // those listed before it with the same order. Inserted one by one: a
    // form has a few dozen controls, and a stable sort would bring its
    // merging machinery into the program.
    const auto rank = [](const TControl* c) {
        return c->Layout().tabOrder < 0 ? INT_MAX : c->Layout().tabOrder;
    };
    std::vector<TControl*> siblings;
    for (TComponent* c : Components()) {
        auto* control = dynamic_cast<TControl*>(c);
        if (!control || control->Parent() != parent) continue;
        const auto at = std::upper_bound(
            siblings.begin(), siblings.end(), control,
            [&](const TControl* a, const TControl* b) { return rank(a) < rank(b); });
        siblings.insert(at, control);
    }
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
    order[index]->FocusFromKeyboard();
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

bool TForm::Mnemonic(WPARAM key) {
    const std::vector<TComponent*>& components = Components();
    for (std::size_t i = 0; i < components.size(); ++i) {
        auto* control = dynamic_cast<TControl*>(components[i]);
        if (!control || !control->Handle() || !IsWindowVisible(control->Handle())) continue;
        // A tab: its page, as a click on it would choose.
        if (auto* pages = dynamic_cast<TPageControl*>(control)) {
            for (int tab = 0; tab < pages->TabCount(); ++tab) {
                if (MnemonicOf(pages->TabCaption(tab)) != key) continue;
                pages->SetTabIndex(tab);
                if (pages->CanFocus()) pages->SetFocus();
                return true;
            }
            continue;
        }
        if (control->Layout().noPrefix || MnemonicOf(control->Caption()) != key) continue;
        if (auto* button = dynamic_cast<TButton*>(control); button && button->CanFocus()) {
            button->SetFocus();
            button->Click();
            return true;
        }
        if (control->IsTabStop() && control->CanFocus()) {
            control->FocusFromKeyboard();
            return true;
        }
        // A label: the control that follows it.
        for (std::size_t j = i + 1; j < components.size(); ++j) {
            auto* next = dynamic_cast<TControl*>(components[j]);
            if (next && next->IsTabStop() && next->CanFocus()) {
                next->FocusFromKeyboard();
                return true;
            }
        }
    }
    return false;
}

// Ctrl+Tab and Ctrl+Shift+Tab: the next or previous tab of the form's
// pages, as in the system's dialogs with tabs.
bool TForm::NextTab(bool forward) {
    for (TComponent* c : Components()) {
        auto* pages = dynamic_cast<TPageControl*>(c);
        if (!pages || !pages->Handle() || !IsWindowVisible(pages->Handle())) continue;
        const int count = pages->TabCount();
        if (count == 0) return false;
        pages->SetTabIndex((pages->TabIndex() + (forward ? 1 : count - 1)) % count);
        return true;
    }
    return false;
}

bool TForm::DialogKey(const MSG& msg) {
    // Alt and a letter that a control marks, before the menu bar sees it.
    if (msg.message == WM_SYSKEYDOWN) {
        return GetKeyState(VK_CONTROL) >= 0 && !(msg.lParam & (1 << 30)) && Mnemonic(msg.wParam);
    }
    if (msg.message != WM_KEYDOWN) return false;
    // A key of the form's own: the menu's F1 is past.
    menuHelpKey_ = false;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (ctrl && !alt && msg.wParam == VK_TAB) return NextTab(!shift);
    if (ctrl && !alt && OnShortcut && OnShortcut(static_cast<WORD>(msg.wParam), shift)) return true;
    if (alt || ctrl) return false;
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
            return ClickButton(Components(), &TButton::IsDefault);
        }
        case VK_ESCAPE: return ClickButton(Components(), &TButton::IsCancel);
        default: return false;
    }
}

}  // namespace tk
