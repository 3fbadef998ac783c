#include "toolkit/HintWindow.h"

#include <algorithm>

#include "toolkit/Dpi.h"
#include "toolkit/FontCache.h"
#include "toolkit/WindowText.h"

namespace tk {
namespace {

constexpr UINT kMeasureFlags = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX;

FontHandle HintFont(int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(8, dpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    std::wstring_view(L"MS Sans Serif").copy(lf.lfFaceName, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&lf));
}

}  // namespace

THintWindow::THintWindow() : dpi_(SystemDpi()), font_(HintFont(dpi_)) {}

void THintWindow::SetDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    font_ = HintFont(dpi);
}

// The derived window's last messages find it whole.
THintWindow::~THintWindow() { DestroyHostedWindow(); }

void THintWindow::CreateParams(WindowParams& params) const {
    params.className = WindowClassName();
    // CS_SAVEBITS: the system may restore what lay beneath when the hint
    // goes, without repainting it.
    params.classStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
    params.style = WS_POPUP | WS_DISABLED | WS_BORDER;
    // A tool window has no taskbar entry (every supported Windows has them).
    params.exStyle = WS_EX_TOOLWINDOW;
}

void THintWindow::CreateHandle() {
    if (Handle()) return;
    WindowParams params;
    CreateParams(params);
    CreateHostedWindow({.name = params.className, .style = params.classStyle},
                       {.exStyle = params.exStyle, .style = params.style});
}

void THintWindow::SetColor(tk::Color color) {
    color_ = color;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

std::wstring THintWindow::Caption() const {
    if (!Handle()) return {};
    return WindowText(Handle());
}

void THintWindow::SetCaption(std::wstring_view text) {
    const std::wstring copy(text);
    SetWindowTextW(Handle(), copy.c_str());
}

RECT THintWindow::CalcHintRect(int maxWidth, std::wstring_view text) const {
    WindowDc dc(Handle());
    SelectGuard font(dc.get(), font_.get());
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(dc.get(), text.data(), static_cast<int>(text.size()), &r, kMeasureFlags);
    return r;
}

void THintWindow::ActivateHint(const RECT& rect, std::wstring_view text) {
    SetCaption(text);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Kept on the screen.
    const int left = std::max(0, std::min<int>(rect.left, GetSystemMetrics(SM_CXSCREEN) - width));
    const int top = std::max(0, std::min<int>(rect.top, GetSystemMetrics(SM_CYSCREEN) - height));
    SetWindowPos(Handle(), HWND_TOPMOST, left, top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void THintWindow::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool THintWindow::Visible() const { return Handle() && IsWindowVisible(Handle()); }

void THintWindow::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, background_.For(ColorToRgb(color_)));
    TextStateGuard state(dc);
    SelectGuard font(dc, font_.get());
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    SetBkMode(dc, TRANSPARENT);
    r.left += ScaleToDpi(2, dpi_);
    r.top += ScaleToDpi(2, dpi_);
    const std::wstring text = Caption();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

void THintWindow::WndProc(Message& m) {
    switch (m.msg) {
        case WM_PAINT: {
            PaintDc dc(m.hwnd);
            Paint(dc.get());
            return;
        }
        case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(m.wParam)); return;
        case WM_NCHITTEST:
            // The mouse goes through to what lies beneath.
            m.result = HTTRANSPARENT;
            return;
        default: DefaultHandler(m);
    }
}

}  // namespace tk
