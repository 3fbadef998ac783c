// Radio buttons and check boxes. Both report a click when their state
// changes, whether the user or the program changed it; a radio button only
// when it becomes selected.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class TRadioButton : public TControl {
public:
    TRadioButton(TForm& form, TControl* parent, const ControlLayout& layout);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // Only the selected button of a group is reached with Tab.
    bool IsTabStop() const override { return checked_; }
    bool Reflected(Message& m) override;
    int TextWidth() const override;

protected:
    const wchar_t* WindowClass() const override { return L"BUTTON"; }
    DWORD Style() const override;
    void HandleCreated() override;

private:
    bool FirstOfGroup() const;
    bool checked_;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TForm& form, TControl* parent, const ControlLayout& layout);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool IsTabStop() const override { return true; }
    bool Reflected(Message& m) override;
    int TextWidth() const override;

protected:
    const wchar_t* WindowClass() const override { return L"BUTTON"; }
    DWORD Style() const override { return TControl::Style() | BS_AUTOCHECKBOX; }
    void HandleCreated() override;

private:
    bool checked_;
};

}  // namespace tk
