#include "help/HelpWindow.h"

#include <algorithm>
#include <string>

#include "core/HelpPlacement.h"
#include "help/HelpWindowLayout.h"
#include "toolkit/Monitors.h"
#include "toolkit/Control.h"
#include "toolkit/Dpi.h"
#include "toolkit/WinGeometry.h"

namespace rytmalo {
namespace {

// In 96-dpi pixels.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kGap = 8;
constexpr wchar_t kTitleSuffix[] = L" - Aide de Rytmalo 95";

bool IsTopMostWindow(HWND window) {
    return window && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void SetFont(const tk::TControl* control, HFONT font) {
    SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

THelpWindow::THelpWindow(tk::FormHost& program) : TForm(nullptr, program, HelpWindowLayout()) {}

void THelpWindow::Bind() {
    title_ = &Find<tk::TControl>("lblTitre");
    text_ = &Find<tk::TControl>("txtTexte");
    close_ = &Find<tk::TControl>("cmdFermer");
    close_->OnClick = [this] { Close(); };
    MakeFonts();
    LayOut();
}

void THelpWindow::DpiChanged(int) {
    MakeFonts();
    LayOut();
}

void THelpWindow::MakeFonts() {
    LOGFONTW font = tk::SystemFontForDpi(&NONCLIENTMETRICSW::lfMessageFont, Dpi());
    tk::FontHandle text(CreateFontIndirectW(&font));
    font.lfHeight = font.lfHeight * 4 / 3;
    font.lfWeight = FW_BOLD;
    tk::FontHandle title(CreateFontIndirectW(&font));
    SetFont(title_, title.get());
    SetFont(text_, text.get());
    SetFont(close_, text.get());
    // The controls no longer use the previous fonts.
    titleFont_ = std::move(title);
    textFont_ = std::move(text);
}

void THelpWindow::LayOut() {
    // WM_SIZE comes before the controls exist.
    if (!close_) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int margin = Scale(kMargin);
    const int gap = Scale(kGap);
    TEXTMETRICW tm{};
    {
        tk::WindowDc dc(title_->Handle());
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
    SetWindowPos(title_->Handle(), nullptr, margin, margin, width, titleHeight, flags);
    SetWindowPos(text_->Handle(), nullptr, margin, textTop, width,
                 std::max(0, buttonTop - gap - textTop), flags);
    SetWindowPos(close_->Handle(), nullptr,
                 std::max<int>(margin, client.right - margin - buttonWidth), buttonTop, buttonWidth,
                 buttonHeight, flags);
}

void THelpWindow::ShowTopic(const HelpTopic& topic, HWND anchor) {
    if (!Handle()) Load();
    SetCaption(std::wstring(topic.title) + kTitleSuffix);
    title_->SetCaption(topic.title);
    text_->SetCaption(topic.text);

    if (!placed_ && anchor) {
        placed_ = true;
        RECT a;
        RECT own;
        GetWindowRect(anchor, &a);
        GetWindowRect(Handle(), &own);
        const tk::TRect place =
            PlaceBeside(tk::FromRECT(a), own.right - own.left, own.bottom - own.top, Scale(kGap),
                        tk::MonitorOf(anchor).work);
        SetWindowPos(Handle(), nullptr, place.Left, place.Top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Never behind the window it explains; a modal dialog may have disabled
    // it with the program's other windows.
    SetWindowPos(Handle(), IsTopMostWindow(anchor) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EnableWindow(Handle(), TRUE);
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    text_->SetFocus();
    SendMessageW(text_->Handle(), EM_SETSEL, 0, 0);
    SendMessageW(text_->Handle(), EM_SCROLLCARET, 0, 0);
}

void THelpWindow::WndProc(tk::Message& m) {
    switch (m.msg) {
        case WM_SIZE:
            TForm::WndProc(m);
            LayOut();
            return;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
            info->ptMinTrackSize = {Scale(Layout().clientWidth / 2),
                                    Scale(Layout().clientHeight / 2)};
            m.result = 0;
            return;
        }
        case WM_COMMAND:
            // Cancel, from the button or from whoever asks the window.
            if (LOWORD(m.wParam) == IDCANCEL) {
                Close();
                m.result = 0;
                return;
            }
            break;
        default: break;
    }
    TForm::WndProc(m);
}

}  // namespace rytmalo
