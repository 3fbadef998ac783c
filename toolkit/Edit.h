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
    DWORD Style() const override { return TControl::Style() | ES_LEFT | ES_AUTOHSCROLL; }
    DWORD ExStyle() const override { return Layout().ctl3d ? WS_EX_CLIENTEDGE : 0; }
    Color DefaultBackground() const override { return clWindow; }
    void HandleCreated() override;
    void WndProc(Message& m) override;
};

}  // namespace tk
