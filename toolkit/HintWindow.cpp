#include "toolkit/HintWindow.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/Exception.h"
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

THintWindow::~THintWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

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
    if (hwnd_) return;
    WindowParams params;
    CreateParams(params);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof existing};
    if (!GetClassInfoExW(instance, params.className.c_str(), &existing)) {
        WNDCLASSEXW wc{sizeof wc};
        wc.style = params.classStyle;
        wc.lpfnWndProc = &THintWindow::StaticWndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = params.className.c_str();
        RegisterClassExW(&wc);
    }
    hwnd_ = CreateWindowExW(params.exStyle, params.className.c_str(), L"", params.style, 0, 0, 0, 0,
                            nullptr, nullptr, instance, this);
    if (!hwnd_) throw Exception(L"Impossible de créer la fenêtre " + params.className);
}

void THintWindow::SetColor(tk::Color color) {
    color_ = color;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

std::wstring THintWindow::Caption() const {
    if (!hwnd_) return {};
    return WindowText(hwnd_);
}

void THintWindow::SetCaption(std::wstring_view text) {
    const std::wstring copy(text);
    SetWindowTextW(hwnd_, copy.c_str());
}

RECT THintWindow::CalcHintRect(int maxWidth, std::wstring_view text) const {
    WindowDc dc(hwnd_);
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
    SetWindowPos(hwnd_, HWND_TOPMOST, left, top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void THintWindow::Hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool THintWindow::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void THintWindow::Paint(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    const BrushHandle background(CreateSolidBrush(ColorToRgb(color_)));
    FillRect(dc, &r, background.get());
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
        default: m.result = DefWindowProcW(m.hwnd, m.msg, m.wParam, m.lParam);
    }
}

LRESULT CALLBACK THintWindow::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* window = static_cast<THintWindow*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<THintWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
    Message m{hwnd, msg, wParam, lParam};
    try {
        window->WndProc(m);
    } catch (...) {
        ReportCurrentException();
        m.result = 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
    }
    return m.result;
}

}  // namespace tk
