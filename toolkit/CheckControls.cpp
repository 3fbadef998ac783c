#include "toolkit/CheckControls.h"

#include "toolkit/Form.h"
#include "toolkit/TextMeasure.h"

namespace tk {
int TRadioButton::TextWidth() const {
    return NeededWidth(ControlKind::RadioButton, FontHandle(), Form().Dpi(), Caption());
}

int TCheckBox::TextWidth() const {
    return NeededWidth(ControlKind::CheckBox, FontHandle(), Form().Dpi(), Caption());
}

TRadioButton::TRadioButton(TForm& form, TControl* parent, const ControlLayout& layout)
    : TControl(form, parent, layout), checked_(layout.checked) {}

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

void TRadioButton::HandleCreated() {
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
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
    : TControl(form, parent, layout), checked_(layout.checked) {}

void TCheckBox::HandleCreated() {
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

bool TCheckBox::Reflected(Message& m) {
    if (m.msg == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
        const bool now = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (now != checked_) {
            checked_ = now;
            Click();
        }
        return true;
    }
    return TControl::Reflected(m);
}

}  // namespace tk
