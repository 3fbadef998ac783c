// Radio buttons and check boxes. Both report a click when their state
// changes, whether the user or the program changed it; a radio button only
// when it becomes selected.
#pragma once

#include "toolkit/Control.h"

namespace tk {

// What both are: a system button that shows a state the control keeps, its
// width measured for its kind's box or circle beside the text.
class TCheckable : public TControl {
public:
    bool Checked() const { return checked_; }
    int TextWidth() const override;

protected:
    TCheckable(TForm& form, TControl* parent, const ControlLayout& layout, ControlKind kind);
    const wchar_t* WindowClass() const override { return L"BUTTON"; }
    void HandleCreated() override;
    // Keeps the state and shows it; false when it was the state already.
    bool Mark(bool checked);
    // Keeps the state that the button shows already.
    void Keep(bool checked) { checked_ = checked; }

private:
    ControlKind kind_;
    bool checked_;
};

class TRadioButton : public TCheckable {
public:
    TRadioButton(TForm& form, TControl* parent, const ControlLayout& layout);
    void SetChecked(bool checked);
    // Only the selected button of a group is reached with Tab.
    bool IsTabStop() const override { return Checked(); }
    bool Reflected(Message& m) override;

protected:
    DWORD Style() const override;

private:
    bool FirstOfGroup() const;
};

class TCheckBox : public TCheckable {
public:
    TCheckBox(TForm& form, TControl* parent, const ControlLayout& layout);
    void SetChecked(bool checked);
    bool IsTabStop() const override { return true; }
    bool Reflected(Message& m) override;

protected:
    DWORD Style() const override { return TControl::Style() | BS_AUTOCHECKBOX; }
};

}  // namespace tk
