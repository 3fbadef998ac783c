// Controls that hold other controls or frame an area: group box, panel, bevel.
// Containers pass their children's notifications back to the children.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class TGroupBox : public TControl {
public:
    using TControl::TControl;

protected:
    const wchar_t* WindowClass() const override { return L"BUTTON"; }
    DWORD Style() const override { return TControl::Style() | BS_GROUPBOX | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_CONTROLPARENT; }
    void WndProc(Message& m) override;
};

// A filled area with an optional one-pixel bevel and a one-line caption.
class TPanel : public TControl {
public:
    using TControl::TControl;

protected:
    const wchar_t* WindowClass() const override { return L"STATIC"; }
    DWORD Style() const override { return TControl::Style() | SS_LEFT | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_CONTROLPARENT; }
    void WndProc(Message& m) override;

private:
    void Paint(HDC dc);
};

// A one-pixel raised or lowered frame.
class TBevel : public TControl {
public:
    using TControl::TControl;

protected:
    const wchar_t* WindowClass() const override { return L"STATIC"; }
    void WndProc(Message& m) override;
};

// Draws a one-pixel bevel on the edge of r.
void DrawBevel(HDC dc, const RECT& r, BevelCut cut);

}  // namespace tk
