// The window that shows a hint: a borderless-looking pop-up that never takes
// the mouse or the focus, with the font the application measures hints in.
// Derived classes change its creation parameters, painting and activation.
#pragma once

#include <string>
#include <string_view>

#include "core/Color.h"
#include "toolkit/Gdi.h"
#include "toolkit/Message.h"
#include "toolkit/WindowHost.h"

namespace tk {

struct WindowParams {
    std::wstring className;
    UINT classStyle = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};

class THintWindow : public TWindowHost {
public:
    THintWindow();
    ~THintWindow() override;

    // Registers the window class (once) and creates the hidden window.
    void CreateHandle();

    tk::Color Color() const { return color_; }
    void SetColor(tk::Color color);
    std::wstring Caption() const;
    void SetCaption(std::wstring_view text);
    // "MS Sans Serif" at 8 points for the resolution of the hint's monitor.
    HFONT Font() const { return font_.get(); }
    // The resolution the hint is measured and drawn for; the system's until
    // a hint is shown for a form on another.
    int Dpi() const { return dpi_; }
    void SetDpi(int dpi);

    // The rectangle, at (0, 0), that the text needs with lines broken at
    // maxWidth (DrawText with DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX).
    RECT CalcHintRect(int maxWidth, std::wstring_view text) const;

    // Shows the text in the rectangle (screen coordinates).
    virtual void ActivateHint(const RECT& rect, std::wstring_view text);
    void Hide();
    bool Visible() const;

protected:
    virtual std::wstring_view WindowClassName() const { return L"THintWindow"; }
    virtual void CreateParams(WindowParams& params) const;
    // Draws the whole client area (on WM_PAINT, and into the DC of
    // WM_PRINTCLIENT).
    virtual void Paint(HDC dc);
    void WndProc(Message& m) override;

private:
    tk::Color color_ = clInfoBk;
    SolidBrush background_;
    int dpi_;
    FontHandle font_;
};

}  // namespace tk
