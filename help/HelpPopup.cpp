#include "help/HelpPopup.h"

#include <algorithm>

#include "core/HelpPlacement.h"
#include "help/HelpViewNames.h"
#include "toolkit/Monitors.h"
#include "toolkit/Dpi.h"
#include "toolkit/WinGeometry.h"

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

THelpPopup::~THelpPopup() {
    if (filtering_) application_.RemoveMessageFilter(this);
    DestroyHostedWindow();
}

std::wstring_view THelpPopup::WindowClassName() const { return kHelpPopupClass; }

// Unlike a hint it takes clicks (eaten, they close it) and casts a shadow;
// the system may restore what lay beneath when it goes.
void THelpPopup::CreateParams(tk::WindowParams& params) const {
    THintWindow::CreateParams(params);
    params.classStyle = CS_SAVEBITS | CS_DROPSHADOW;
    params.style = WS_POPUP | WS_BORDER;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

int THelpPopup::Scale(int value) const { return tk::ScaleToDpi(value, Dpi()); }

void THelpPopup::MakeFonts() {
    LOGFONTW font = tk::SystemFontForDpi(&NONCLIENTMETRICSW::lfStatusFont, Dpi());
    textFont_.reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    titleFont_.reset(CreateFontIndirectW(&font));
}

void THelpPopup::Measure(RECT& title, RECT& text) const {
    const std::wstring body = Caption();
    const int padding = Scale(kPadding);
    tk::WindowDc dc(Handle());
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
    CreateHandle();
    // A menu that is open goes, once the menu's own loop has taken the key
    // that asked for help (ended at once, it would see the key again).
    PostMessageW(Handle(), kEndMenu, 0, 0);
    POINT pointer{};
    GetCursorPos(&pointer);
    const int dpi = tk::DpiForPoint(pointer);
    if (dpi != Dpi() || !textFont_) {
        SetDpi(dpi);
        MakeFonts();
    }
    title_ = topic.title;
    SetCaption(topic.text);

    RECT title;
    RECT text;
    Measure(title, text);
    const int border = 2 * GetSystemMetrics(SM_CXBORDER);
    const int width = std::max(title.right, text.right) + Scale(kPadding) + border;
    const int height = text.bottom + Scale(kPadding) + border;
    const tk::TRect place = PlaceNearPointer(pointer.x, pointer.y, width, height,
                                             Scale(kPointerOffset), tk::MonitorAt(pointer).work);
    SetWindowPos(Handle(), HWND_TOPMOST, place.Left, place.Top, place.Width(), place.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, TRUE);
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
    Hide();
}

bool THelpPopup::PreTranslate(MSG& msg) {
    if (!ClosesPopup(msg.message) || !Visible()) return false;
    Close();
    return true;
}

void THelpPopup::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    RECT title;
    RECT text;
    Measure(title, text);
    const std::wstring body = Caption();
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

void THelpPopup::WndProc(tk::Message& m) {
    switch (m.msg) {
        case kEndMenu: EndMenu(); return;
        case WM_MOUSEACTIVATE: m.result = MA_NOACTIVATEANDEAT; return;
        case WM_ACTIVATEAPP:
            // Another program comes forward.
            if (!m.wParam) Close();
            return;
        case WM_NCHITTEST: DefaultHandler(m); return;
        default: THintWindow::WndProc(m);
    }
}

}  // namespace rytmalo
