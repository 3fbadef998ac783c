#include "app/HelpWindow.h"

#include <algorithm>
#include <string>

#include "app/HelpPlacement.h"
#include "app/HelpViewNames.h"
#include "toolkit/Dpi.h"

namespace rytmalo {
namespace {

// In 96-dpi pixels.
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 320;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kGap = 8;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr wchar_t kTitleSuffix[] = L" - Aide de Rytmalo 95";
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED

tk::Bounds ToBounds(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

tk::Bounds WorkAreaOf(HWND window) {
    MONITORINFO info{sizeof info};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return ToBounds(info.rcWork);
}

bool IsTopMostWindow(HWND window) {
    return window && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

THelpWindow::THelpWindow(tk::TApplication& application) : application_(application) {
    application_.AddMessageFilter(this);
}

THelpWindow::~THelpWindow() {
    application_.RemoveMessageFilter(this);
    if (hwnd_) DestroyWindow(hwnd_);
}

int THelpWindow::Scale(int value) const { return tk::ScaleToDpi(value, dpi_); }

void THelpWindow::CreateHandle(int dpi) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof existing};
    if (!GetClassInfoExW(instance, kHelpWindowClass, &existing)) {
        WNDCLASSEXW wc{sizeof wc};
        wc.lpfnWndProc = &THelpWindow::StaticWndProc;
        wc.hInstance = instance;
        wc.hIcon = application_.Icon();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kHelpWindowClass;
        RegisterClassExW(&wc);
    }
    dpi_ = dpi;
    RECT r{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    tk::AdjustWindowRectForDpi(r, kStyle, false, 0, dpi_);
    hwnd_ = CreateWindowExW(0, kHelpWindowClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
    if (!hwnd_) throw tk::Exception(L"Impossible de créer la fenêtre d'aide");
    // Its monitor may have another resolution than the one asked for.
    dpi_ = tk::DpiForWindow(hwnd_);

    title_ = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpTitleId)), instance, nullptr);
    text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                ES_READONLY | ES_AUTOVSCROLL,
                            0, 0, 0, 0, hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpTextId)), instance,
                            nullptr);
    close_ = CreateWindowExW(
        0, L"BUTTON", L"Fermer", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpCloseId)), instance, nullptr);
    MakeFonts();
    LayOut();
}

// The system's message font at the window's resolution; the title in bold,
// a third larger.
void THelpWindow::MakeFonts() {
    LOGFONTW font = tk::SystemFontForDpi(&NONCLIENTMETRICSW::lfMessageFont, dpi_);
    tk::FontHandle text(CreateFontIndirectW(&font));
    font.lfHeight = font.lfHeight * 4 / 3;
    font.lfWeight = FW_BOLD;
    tk::FontHandle title(CreateFontIndirectW(&font));
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(title.get()), TRUE);
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(text.get()), TRUE);
    SendMessageW(close_, WM_SETFONT, reinterpret_cast<WPARAM>(text.get()), TRUE);
    // The controls no longer use the previous fonts.
    titleFont_ = std::move(title);
    textFont_ = std::move(text);
}

void THelpWindow::LayOut() {
    // WM_SIZE comes before the controls exist.
    if (!close_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    const int margin = Scale(kMargin);
    const int gap = Scale(kGap);
    TEXTMETRICW tm{};
    {
        tk::WindowDc dc(title_);
        tk::SelectGuard font(dc.get(), titleFont_.get());
        GetTextMetricsW(dc.get(), &tm);
    }
    const int titleHeight = tm.tmHeight + tm.tmExternalLeading;
    const int buttonWidth = Scale(kButtonWidth);
    const int buttonHeight = Scale(kButtonHeight);
    const int width = std::max<int>(0, client.right - 2 * margin);
    const int buttonTop = std::max<int>(margin, client.bottom - margin - buttonHeight);
    const int textTop = margin + titleHeight + gap;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(title_, nullptr, margin, margin, width, titleHeight, flags);
    SetWindowPos(text_, nullptr, margin, textTop, width, std::max(0, buttonTop - gap - textTop),
                 flags);
    SetWindowPos(close_, nullptr, std::max<int>(margin, client.right - margin - buttonWidth),
                 buttonTop, buttonWidth, buttonHeight, flags);
}

void THelpWindow::ShowTopic(const HelpTopic& topic, HWND anchor) {
    const int dpi = anchor ? tk::DpiForWindow(anchor) : tk::SystemDpi();
    if (!hwnd_) CreateHandle(dpi);
    const std::wstring caption = std::wstring(topic.title) + kTitleSuffix;
    SetWindowTextW(hwnd_, caption.c_str());
    SetWindowTextW(title_, std::wstring(topic.title).c_str());
    SetWindowTextW(text_, std::wstring(topic.text).c_str());

    if (!placed_ && anchor) {
        placed_ = true;
        RECT a;
        RECT own;
        GetWindowRect(anchor, &a);
        GetWindowRect(hwnd_, &own);
        const tk::Bounds place = PlaceBeside(ToBounds(a), own.right - own.left,
                                             own.bottom - own.top, Scale(kGap), WorkAreaOf(anchor));
        SetWindowPos(hwnd_, nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Never behind the window it explains; a modal dialog may have disabled
    // it with the program's other windows.
    SetWindowPos(hwnd_, IsTopMostWindow(anchor) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EnableWindow(hwnd_, TRUE);
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(text_);
    SendMessageW(text_, EM_SETSEL, 0, 0);
    SendMessageW(text_, EM_SCROLLCARET, 0, 0);
}

void THelpWindow::Close() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool THelpWindow::PreTranslate(MSG& msg) {
    if (!Visible() || msg.message != WM_KEYDOWN) return false;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
    switch (msg.wParam) {
        case VK_ESCAPE:
        case VK_RETURN: Close(); return true;
        case VK_TAB: SetFocus(GetFocus() == text_ ? close_ : text_); return true;
        default: return false;
    }
}

LRESULT THelpWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SIZE: LayOut(); return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {Scale(kClientWidth / 2), Scale(kClientHeight / 2)};
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kHelpCloseId) Close();
            return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_CTLCOLORSTATIC:
            // The text reads as a document, on the window colour.
            if (reinterpret_cast<HWND>(lParam) == text_) {
                if (!textBackground_)
                    textBackground_.reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
                SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(textBackground_.get());
            }
            break;
        case WM_SYSCOLORCHANGE: textBackground_.reset(); break;
        case kDpiChanged: {
            dpi_ = HIWORD(wParam);
            MakeFonts();
            const auto* r = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();
            return 0;
        }
        default: break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK THelpWindow::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* window =
            static_cast<THelpWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<THelpWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = window->title_ = window->text_ = window->close_ = nullptr;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    try {
        return window->WndProc(msg, wParam, lParam);
    } catch (...) {
        tk::ReportCurrentException();
        return 0;
    }
}

}  // namespace rytmalo
