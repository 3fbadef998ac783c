#include "app/HelpPopup.h"

#include <algorithm>

#include "app/HelpPlacement.h"
#include "app/HelpViewNames.h"
#include "toolkit/Dpi.h"
#include "toolkit/WindowText.h"

namespace rytmalo {
namespace {

// In 96-dpi pixels.
constexpr int kTextWidth = 320;
constexpr int kPadding = 8;
constexpr int kGap = 4;
constexpr int kPointerOffset = 12;
constexpr UINT kTextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
constexpr UINT kEndMenu = WM_APP;

bool ClosesPopup(UINT msg) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_NCXBUTTONDOWN: return true;
        default: return false;
    }
}

}  // namespace

THelpPopup::THelpPopup(tk::TApplication& application) : application_(application) {}

THelpPopup::~THelpPopup() {
    if (filtering_) application_.RemoveMessageFilter(this);
    if (hwnd_) DestroyWindow(hwnd_);
}

int THelpPopup::Scale(int value) const { return tk::ScaleToDpi(value, dpi_); }

void THelpPopup::CreateHandle() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof existing};
    if (!GetClassInfoExW(instance, kHelpPopupClass, &existing)) {
        WNDCLASSEXW wc{sizeof wc};
        // The system may restore what lay beneath when it goes.
        wc.style = CS_SAVEBITS | CS_DROPSHADOW;
        wc.lpfnWndProc = &THelpPopup::StaticWndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kHelpPopupClass;
        RegisterClassExW(&wc);
    }
    hwnd_ =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHelpPopupClass, L"",
                        WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!hwnd_) throw tk::Exception(L"Impossible de créer la fenêtre d'aide");
}

void THelpPopup::MakeFonts() {
    LOGFONTW font = tk::SystemFontForDpi(&NONCLIENTMETRICSW::lfStatusFont, dpi_);
    textFont_.reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    titleFont_.reset(CreateFontIndirectW(&font));
}

std::wstring THelpPopup::Text() const { return tk::WindowText(hwnd_); }

void THelpPopup::Measure(RECT& title, RECT& text) const {
    const std::wstring body = Text();
    const int padding = Scale(kPadding);
    tk::WindowDc dc(hwnd_);
    title = {0, 0, Scale(kTextWidth), 0};
    {
        tk::SelectGuard font(dc.get(), titleFont_.get());
        DrawTextW(dc.get(), title_.c_str(), -1, &title, kTextFlags | DT_CALCRECT);
    }
    text = {0, 0, Scale(kTextWidth), 0};
    {
        tk::SelectGuard font(dc.get(), textFont_.get());
        DrawTextW(dc.get(), body.c_str(), -1, &text, kTextFlags | DT_CALCRECT);
    }
    OffsetRect(&title, padding, padding);
    OffsetRect(&text, padding, title.bottom + Scale(kGap));
}

void THelpPopup::ShowTopic(const HelpTopic& topic) {
    if (!hwnd_) CreateHandle();
    // A menu that is open goes, once the menu's own loop has taken the key
    // that asked for help (ended at once, it would see the key again).
    PostMessageW(hwnd_, kEndMenu, 0, 0);
    POINT pointer{};
    GetCursorPos(&pointer);
    const int dpi = tk::DpiForPoint(pointer);
    if (dpi != dpi_ || !textFont_) {
        dpi_ = dpi;
        MakeFonts();
    }
    title_ = topic.title;
    SetWindowTextW(hwnd_, std::wstring(topic.text).c_str());

    RECT title;
    RECT text;
    Measure(title, text);
    const int border = 2 * GetSystemMetrics(SM_CXBORDER);
    const int width = std::max(title.right, text.right) + Scale(kPadding) + border;
    const int height = text.bottom + Scale(kPadding) + border;
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& w = monitor.rcWork;
    const tk::Bounds place =
        PlaceNearPointer(pointer.x, pointer.y, width, height, Scale(kPointerOffset),
                         {w.left, w.top, w.right - w.left, w.bottom - w.top});
    SetWindowPos(hwnd_, HWND_TOPMOST, place.left, place.top, place.width, place.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (!filtering_) {
        application_.AddMessageFilter(this);
        filtering_ = true;
    }
}

void THelpPopup::Close() {
    if (filtering_) {
        application_.RemoveMessageFilter(this);
        filtering_ = false;
    }
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool THelpPopup::PreTranslate(MSG& msg) {
    if (!ClosesPopup(msg.message) || !Visible()) return false;
    Close();
    return true;
}

void THelpPopup::Paint(HDC dc) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    RECT title;
    RECT text;
    Measure(title, text);
    const std::wstring body = Text();
    tk::TextStateGuard state(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    {
        tk::SelectGuard font(dc, titleFont_.get());
        DrawTextW(dc, title_.c_str(), -1, &title, kTextFlags);
    }
    tk::SelectGuard font(dc, textFont_.get());
    DrawTextW(dc, body.c_str(), -1, &text, kTextFlags);
}

LRESULT THelpPopup::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            tk::PaintDc dc(hwnd_);
            Paint(dc.get());
            return 0;
        }
        case kEndMenu: EndMenu(); return 0;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATEANDEAT;
        case WM_ACTIVATEAPP:
            // Another program comes forward.
            if (!wParam) Close();
            return 0;
        default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

LRESULT CALLBACK THelpPopup::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* popup =
            static_cast<THelpPopup*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        popup->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(popup));
    }
    auto* popup = reinterpret_cast<THelpPopup*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!popup) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        popup->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    try {
        return popup->WndProc(msg, wParam, lParam);
    } catch (...) {
        tk::ReportCurrentException();
        return 0;
    }
}

}  // namespace rytmalo
