#include "toolkit/CheckControls.h"

#include "toolkit/Form.h"
#include "toolkit/TextMeasure.h"

namespace tk {

TCheckable::TCheckable(TForm& form, TControl* parent, const ControlLayout& layout,
                       ControlKind kind)
    : TControl(form, parent, layout), kind_(kind), checked_(layout.checked) {}

int TCheckable::TextWidth() const {
    return NeededWidth(kind_, FontHandle(), Form().Dpi(), Caption());
}

void TCheckable::HandleCreated() {
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckable::Mark(bool checked) {
    if (checked_ == checked) return false;
    checked_ = checked;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
}

TRadioButton::TRadioButton(TForm& form, TControl* parent, const ControlLayout& layout)
    : TCheckable(form, parent, layout, ControlKind::RadioButton) {}

bool TRadioButton::FirstOfGroup() const {
    const auto& controls = Form().Layout().controls;
    const ControlLayout* previous = nullptr;
    for (const auto& c : controls) {
        if (c.name == Layout().name) break;
        if (c.parent == Layout().parent) previous = &c;
    }
    return !previous || previous->kind != ControlKind::RadioButton;
}

DWORD TRadioButton::Style() const {
    DWORD style = TControl::Style() | BS_AUTORADIOBUTTON;
    if (FirstOfGroup()) style |= WS_GROUP;
    return style;
}

void TRadioButton::SetChecked(bool checked) {
    if (!Mark(checked)) return;
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    style = checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    if (!checked) return;
    for (TComponent* c : Form().Components()) {
        auto* sibling = dynamic_cast<TRadioButton*>(c);
        if (sibling && sibling != this && sibling->Parent() == Parent()) sibling->SetChecked(false);
    }
    Click();
}

bool TRadioButton::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
        SetChecked(true);
        return true;
    }
    return TControl::Reflected(m);
}

TCheckBox::TCheckBox(TForm& form, TControl* parent, const ControlLayout& layout)
    : TCheckable(form, parent, layout, ControlKind::CheckBox) {}

void TCheckBox::SetChecked(bool checked) {
    if (Mark(checked)) Click();
}

bool TCheckBox::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
        const bool now = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (now != Checked()) {
            Keep(now);
            Click();
        }
        return true;
    }
    return TControl::Reflected(m);
}

}  // namespace tk
