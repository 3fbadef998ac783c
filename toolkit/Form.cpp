#include "toolkit/Form.h"

#include <algorithm>
#include <utility>

#include "core/Exception.h"
#include "toolkit/Dpi.h"
#include "toolkit/HintService.h"
#include "toolkit/FontCache.h"
#include "toolkit/SdkExtras.h"
#include "toolkit/WindowText.h"

namespace tk {
namespace {

struct WindowStyles {
    DWORD style;
    DWORD exStyle;
};

WindowStyles StylesFor(const FormLayout& layout) {
    DWORD style = WS_CLIPCHILDREN;
    DWORD ex = 0;
    switch (layout.borderStyle) {
        case BorderStyle::None: style |= WS_POPUP; break;
        case BorderStyle::Single: style |= WS_CAPTION; break;
        case BorderStyle::Sizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
        case BorderStyle::Dialog:
            style |= WS_POPUP | WS_CAPTION;
            ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case BorderStyle::ToolWindow:
            style |= WS_CAPTION;
            ex |= WS_EX_TOOLWINDOW;
            break;
        case BorderStyle::SizeToolWin:
            style |= WS_CAPTION | WS_THICKFRAME;
            ex |= WS_EX_TOOLWINDOW;
            break;
    }
    const unsigned icons = layout.borderIcons;
    if (layout.borderStyle != BorderStyle::None) {
        if (icons & biSystemMenu) style |= WS_SYSMENU;
        const bool minMaxAllowed = layout.borderStyle == BorderStyle::Single ||
                                   layout.borderStyle == BorderStyle::Sizeable;
        if (minMaxAllowed && (icons & biMinimize)) style |= WS_MINIMIZEBOX;
        if (minMaxAllowed && (icons & biMaximize)) style |= WS_MAXIMIZEBOX;
        // Windows shows the help button only without minimise and maximise.
        const bool helpShown =
            layout.borderStyle == BorderStyle::Dialog || !(icons & (biMinimize | biMaximize));
        if ((icons & biHelp) && helpShown) ex |= WS_EX_CONTEXTHELP;
    }
    if (layout.formStyle == FormStyle::StayOnTop) ex |= WS_EX_TOPMOST;
    return {style, ex};
}

}  // namespace

FormHost& HostOf(const TComponent* owner) {
    for (const TComponent* c = owner; c; c = c->Owner()) {
        if (const auto* form = dynamic_cast<const TForm*>(c)) return form->Host();
        if (auto* host = dynamic_cast<FormHost*>(const_cast<TComponent*>(c))) return *host;
    }
    throw ProgrammingError({"a component of no program"});
}

TForm::TForm(TComponent* owner, const FormLayout& layout) : TForm(owner, HostOf(owner), layout) {}

TForm::TForm(TComponent* owner, FormHost& host, const FormLayout& layout)
    : TComponent(owner), layout_(layout), host_(host), caption_(layout.caption) {
    SetName(layout.className.substr(1));
}

TForm::~TForm() {
    // A later form may be made at the same address: the application must
    // not take it for this one.
    host_.FormDestroyed(*this);
    DestroyWindowHandle();
    // Components go while the form is still a form: they may ask for it.
    DestroyComponents();
}

TForm* TForm::FromHandle(HWND hwnd) { return dynamic_cast<TForm*>(TWindowHost::FromHandle(hwnd)); }

void TForm::NotFound(std::string_view name) {
    throw ProgrammingError({"no ", name, " of the expected kind"});
}

int TForm::Scale(int value) const { return MulDiv(value, dpi_, 96); }

SIZE TForm::WindowSizeForDpi(int dpi) const {
    const WindowStyles styles = StylesFor(layout_);
    RECT r{0, 0, ScaleToDpi(layout_.clientWidth, dpi) + ScaleToDpi(extraClientWidth_, dpi),
           ScaleToDpi(layout_.clientHeight, dpi) + ScaleToDpi(extraClientHeight_, dpi)};
    AdjustWindowRectForDpi(r, styles.style, !layout_.menu.empty(), styles.exStyle, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

TRect TForm::Scale(const TRect& bounds) const {
    return Bounds(Scale(bounds.Left), Scale(bounds.Top), Scale(bounds.Width()),
                  Scale(bounds.Height()));
}

void TForm::CreateWindowHandle() {
    const WindowStyles styles = StylesFor(layout_);
    // Laid out for the monitor the window opens on.
    dpi_ = DpiForNewWindow({layout_.left, layout_.top});
    const SIZE size = WindowSizeForDpi(dpi_);
    const std::wstring className = Widen(layout_.className);
    const std::wstring text = WindowTextForCreation();
    CreateHostedWindow({.name = className, .style = CS_DBLCLKS},
                       {.exStyle = styles.exStyle,
                        .text = text,
                        .style = styles.style,
                        .x = layout_.left,
                        .y = layout_.top,
                        .width = size.cx,
                        .height = size.cy,
                        .parent = WindowOwner(),
                        .menu = menuBar_ ? menuBar_->Handle() : nullptr});
    const int actual = DpiForWindow(Handle());
    if (actual != dpi_) {
        dpi_ = actual;
        const SIZE resized = WindowSizeForDpi(dpi_);
        SetWindowPos(Handle(), nullptr, 0, 0, resized.cx, resized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The layout's icon in the two sizes the system shows at the window's
// resolution, each the resource's own image of that size where it has one;
// else the application's icon.
void TForm::LoadIcons() {
    IconHandle big;
    IconHandle small;
    if (!layout_.icon.empty()) {
        const std::wstring name(layout_.icon);
        const auto load = [&](int cx, int cy) {
            return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(),
                                                 IMAGE_ICON, SystemMetricForDpi(cx, dpi_),
                                                 SystemMetricForDpi(cy, dpi_), 0));
        };
        big.reset(load(SM_CXICON, SM_CYICON));
        small.reset(load(SM_CXSMICON, SM_CYSMICON));
    }
    HICON bigShown = big ? big.get() : host_.Icon();
    HICON smallShown = small ? small.get() : bigShown;
    if (bigShown) SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigShown));
    if (smallShown)
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallShown));
    // The window no longer shows the previous ones.
    icon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void TForm::ChangeDpi(int dpi, const RECT* suggested) {
    if (dpi <= 0 || !Handle()) return;
    const int old = dpi_;
    if (dpi != dpi_) {
        dpi_ = dpi;
        // Parents come before their children in the layout.
        for (TComponent* c : Components()) {
            if (auto* control = dynamic_cast<TControl*>(c)) control->ApplyDpi();
        }
        LoadIcons();
    }
    if (suggested) {
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const SIZE size = WindowSizeForDpi(dpi_);
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    DpiChanged(old);
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::SetExtraClientSize(int width, int height) {
    if (width == extraClientWidth_ && height == extraClientHeight_) return;
    extraClientWidth_ = width;
    extraClientHeight_ = height;
    if (!Handle()) return;
    const SIZE size = WindowSizeForDpi(dpi_);
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetExtraClientSize(int width, int height, POINT topLeft) {
    extraClientWidth_ = width;
    extraClientHeight_ = height;
    if (!Handle()) return;
    const SIZE size = WindowSizeForDpi(dpi_);
    SetWindowPos(Handle(), nullptr, topLeft.x, topLeft.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE TForm::WindowSizeWith(int extraWidth, int extraHeight) const {
    const WindowStyles styles = StylesFor(layout_);
    RECT r{0, 0, ScaleToDpi(layout_.clientWidth, dpi_) + ScaleToDpi(extraWidth, dpi_),
           ScaleToDpi(layout_.clientHeight, dpi_) + ScaleToDpi(extraHeight, dpi_)};
    AdjustWindowRectForDpi(r, styles.style, !layout_.menu.empty(), styles.exStyle, dpi_);
    return {r.right - r.left, r.bottom - r.top};
}

HWND TForm::WindowOwner() const { return host_.Handle(); }

void TForm::DestroyWindowHandle() { DestroyHostedWindow(); }

std::wstring TForm::Caption() const { return caption_.Get(Handle()); }

void TForm::SetCaption(std::wstring_view caption) { caption_.Set(Handle(), caption); }

int TForm::Left() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return r.left;
}

int TForm::Top() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return r.top;
}

int TForm::Width() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return r.right - r.left;
}

int TForm::Height() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return r.bottom - r.top;
}

void TForm::SetLeft(int left) {
    SetWindowPos(Handle(), nullptr, left, Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetTop(int top) {
    SetWindowPos(Handle(), nullptr, Left(), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::PlaceAtFirstShow() {
    if (shownBefore_) return;
    shownBefore_ = true;
    if (layout_.position != FormPosition::ScreenCenter) return;
    const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
    const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    HandleNeeded();
    PlaceAtFirstShow();
    if (host_.MainForm() == this) host_.ShowApplicationWindow();
    showing_ = true;
    ShowWindow(Handle(), SW_SHOWNORMAL);
    showing_ = false;
    if (layout_.formStyle == FormStyle::StayOnTop) {
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetForegroundWindow(Handle());
}

// The window has just come on screen: what other programs ask of it (its
// title, for a window list or a screen reader) is answered now, not once it
// is active and painted.
void TForm::AnswerWhileShowing() {
    if (!showing_ || !IsWindowVisible(Handle())) return;
    MSG pending;
    PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

void TForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
    } else if (host_.MainForm() == this) {
        host_.Terminate();
    } else {
        Hide();
    }
}

int TForm::ShowModal() {
    if (Visible() || modal_) throw ProgrammingError({"a visible form cannot be shown modally"});
    HandleNeeded();
    HWND previous = GetActiveWindow();
    ReleaseCapture();
    host_.Hints().CancelHint();
    const std::vector<HWND> disabled = host_.DisableTaskWindows(Handle());
    modal_ = true;
    modalResult_ = mrNone;
    struct Restore {
        TForm& form;
        const std::vector<HWND>& disabled;
        HWND previous;
        // As the system's dialogs do: the other windows come back and the
        // previous one is activated before this one hides, so that the
        // activation never strays to another program.
        ~Restore() {
            form.modal_ = false;
            form.host_.EnableTaskWindows(disabled);
            if (previous && IsWindow(previous)) SetActiveWindow(previous);
            form.Hide();
        }
    } restore{*this, disabled, previous};

    Show();
    while (modalResult_ == mrNone) {
        host_.HandleMessage();
        if (host_.Terminated()) modalResult_ = mrCancel;
    }
    return modalResult_;
}

void TForm::Activated() {
    if (OnActivate) OnActivate();
}

void TForm::WndProc(Message& m) {
    switch (m.msg) {
        case WM_COMMAND:
            if (m.lParam != 0) {
                if (!ReflectToChild(m)) DefaultHandler(m);
            } else if (HIWORD(m.wParam) == 0 && menuBar_) {
                if (TMenuItem* item = menuBar_->FindByCommand(LOWORD(m.wParam))) item->Click();
            }
            return;
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (!ReflectToChild(m)) DefaultHandler(m);
            return;
        case WM_ERASEBKGND: {
            AnswerWhileShowing();
            RECT r;
            GetClientRect(m.hwnd, &r);
            FillRect(reinterpret_cast<HDC>(m.wParam), &r,
                     background_.For(ColorToRgb(layout_.color)));
            m.result = 1;
            return;
        }
        case WM_ACTIVATE:
            AnswerWhileShowing();
            if (LOWORD(m.wParam) != WA_INACTIVE) {
                if (!HIWORD(m.wParam)) SetFocusToActiveControl();
                host_.FormActivated(*this);
                m.result = 0;
            } else {
                host_.FormDeactivated(*this, reinterpret_cast<HWND>(m.lParam));
                DefaultHandler(m);
            }
            return;
        case WM_SETFOCUS: SetFocusToActiveControl(); return;
        case WM_HELP: {
            const auto& info = *reinterpret_cast<const HELPINFO*>(m.lParam);
            if (info.iContextType == HELPINFO_MENUITEM) {
                HelpForMenu(info);
            } else {
                HelpFor(static_cast<HWND>(info.hItemHandle));
            }
            m.result = TRUE;
            return;
        }
        case WM_CLOSE: Close(); return;
        case kWmKeyF1:
            if (!DropKeyF1()) DefaultHandler(m);
            return;
        case kWmGetDpiScaledSize: {
            // The exact size for the new resolution, so that the rectangle
            // WM_DPICHANGED suggests keeps the layout's client area.
            *reinterpret_cast<SIZE*>(m.lParam) = WindowSizeForDpi(static_cast<int>(m.wParam));
            m.result = TRUE;
            return;
        }
        case WM_DPICHANGED:
            ChangeDpi(HIWORD(m.wParam), reinterpret_cast<const RECT*>(m.lParam));
            m.result = 0;
            return;
        case WM_SYSCOMMAND:
            if ((m.wParam & 0xFFF0) == SC_MINIMIZE && host_.MainForm() == this) {
                host_.Minimize();
                return;
            }
            DefaultHandler(m);
            return;
        default: DefaultHandler(m);
    }
}

}  // namespace tk
