// Single-line text box.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class TEdit : public TControl {
public:
    using TControl::TControl;
    std::wstring Text() const { return Caption(); }
    void SetText(std::wstring_view text) { SetCaption(text); }
    bool IsTabStop() const override { return true; }

protected:
    const wchar_t* WindowClass() const override { return L"EDIT"; }
    DWORD Style() const override;
    DWORD ExStyle() const override { return Layout().ctl3d ? WS_EX_CLIENTEDGE : 0; }
    Color DefaultBackground() const override { return clWindow; }
    void HandleCreated() override;
    void WndProc(Message& m) override;
};

// Text of several lines, broken at the width, scrolled vertically; Enter
// stays the form's (its default button).
class TMemo : public TEdit {
public:
    using TEdit::TEdit;

protected:
    DWORD Style() const override;
};

}  // namespace tk
