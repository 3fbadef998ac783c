#include "toolkit/Control.h"

#include <algorithm>

#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/SdkExtras.h"
#include "toolkit/WindowText.h"

namespace tk {
namespace {

HWND NotificationSource(const Message& m) {
    switch (m.msg) {
        case WM_COMMAND: return reinterpret_cast<HWND>(m.lParam);
        case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(m.lParam)->hwndFrom;
        case WM_DRAWITEM: return reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam)->hwndItem;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: return reinterpret_cast<HWND>(m.lParam);
        default: return nullptr;
    }
}

}  // namespace

bool HasFrame(HWND window) {
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    return outer.right - outer.left != inner.right || outer.bottom - outer.top != inner.bottom;
}

bool ReflectToChild(Message& m) {
    HWND source = NotificationSource(m);
    if (!source) return false;
    TControl* child = TControl::FromHandle(source);
    return child && child->Reflected(m);
}

bool PassContextMenuUp(Message& m) {
    if (m.msg != WM_CONTEXTMENU || reinterpret_cast<HWND>(m.wParam) == m.hwnd) return false;
    m.result = SendMessageW(GetParent(m.hwnd), WM_CONTEXTMENU, m.wParam, m.lParam);
    return true;
}

TControl::TControl(TForm& form, TControl* parent, const ControlLayout& layout)
    : TComponent(&form), form_(form), parent_(parent), layout_(layout), caption_(layout.caption) {
    SetName(layout.name);
}

// The control stops hearing its window before the window goes.
TControl::~TControl() {
    if (HWND window = Handle()) {
        Unhook();
        DestroyWindow(window);
    }
}

TControl* TControl::FromHandle(HWND hwnd) {
    if (TProcedureHook* hook = TProcedureHook::Find(hwnd)) return dynamic_cast<TControl*>(hook);
    // Under a procedure put on top since (another program's tool may do
    // it): the control is looked for among its form's.
    const TForm* form = hwnd ? TForm::FromHandle(GetAncestor(hwnd, GA_ROOT)) : nullptr;
    if (!form) return nullptr;
    for (TComponent* c : form->Components()) {
        auto* control = dynamic_cast<TControl*>(c);
        if (control && control->Handle() == hwnd) return control;
    }
    return nullptr;
}

HWND TControl::ParentHandle() const { return parent_ ? parent_->Handle() : form_.Handle(); }

std::wstring TControl::Caption() const { return caption_.Get(Handle()); }

void TControl::SetCaption(std::wstring_view text) { caption_.Set(Handle(), text); }

bool TControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!IsWindowVisible(c->Handle()) || !IsWindowEnabled(c->Handle())) return false;
    }
    return true;
}

void TControl::SetFocus() { ::SetFocus(Handle()); }

void TControl::FocusFromKeyboard() {
    SetFocus();
    if (SendMessageW(Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(Handle(), EM_SETSEL, 0, -1);
    }
}

bool TControl::Focused() const { return Handle() && GetFocus() == Handle(); }

bool TControl::Enabled() const { return IsWindowEnabled(Handle()) != FALSE; }

void TControl::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled ? TRUE : FALSE); }

void TControl::SetBounds(int left, int top, int width, int height) const {
    SetWindowPos(Handle(), nullptr, left, top, width, height < 0 ? 0 : height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

const FontSpec& TControl::Font() const {
    if (layout_.font) return *layout_.font;
    return parent_ ? parent_->Font() : form_.Font();
}

HFONT TControl::FontHandle() const { return form_.Host().Fonts().Get(Font(), form_.Dpi()); }

Color TControl::DefaultBackground() const {
    return parent_ ? parent_->BackgroundColor() : form_.Color();
}

Color TControl::BackgroundColor() const {
    return layout_.color == clParent ? DefaultBackground() : layout_.color;
}

int TControl::Scale(int value) const { return form_.Scale(value); }

void TControl::Click() {
    if (OnClick) OnClick();
}

DWORD TControl::Style() const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (layout_.visible) style |= WS_VISIBLE;
    if (IsTabStop()) style |= WS_TABSTOP;
    return style;
}

void TControl::CreateHandle(Placement placement) {
    const RECT r = CreationRect();
    const std::wstring caption = Caption();
    const int id = layout_.id != 0 ? layout_.id : form_.Layout().ControlId(layout_.name);
    HWND window = CreateWindowExW(ExStyle(), WindowClass(), caption.c_str(), Style(), r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, ParentHandle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window) throw Exception(L"Impossible de créer la fenêtre " + caption);
    if (!Hook(window)) {
        DestroyWindow(window);
        throw Exception(L"Impossible de créer la fenêtre " + caption);
    }
    if (placement == Placement::InFront)
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    HandleCreated();
}

RECT TControl::CreationRect() const {
    // Place and extent are scaled apart: a control has the size of its
    // layout scaled, wherever it stands.
    const TRect b = form_.Scale(layout_.bounds);
    return FittedRect({b.Left, b.Top, b.Right, b.Bottom});
}

RECT TControl::FittedRect(RECT r) const {
    const int needed = TextWidth();
    if (r.right - r.left >= needed) return r;
    LONG right = r.left + needed;
    if (parent_ && parent_->Layout().kind == ControlKind::GroupBox)
        right = std::min(right, static_cast<LONG>(Scale(parent_->Layout().bounds.Width() - 4)));
    r.right = std::max(r.right, right);
    return r;
}

void TControl::FitToText() {
    if (!Handle()) return;
    RECT now;
    GetWindowRect(Handle(), &now);
    MapWindowPoints(HWND_DESKTOP, ParentHandle(), reinterpret_cast<POINT*>(&now), 2);
    const RECT fitted = FittedRect(now);
    if (fitted.right == now.right) return;
    // The height it was made with: a drop-down list's window holds its list.
    const RECT made = CreationRect();
    SetWindowPos(Handle(), nullptr, 0, 0, fitted.right - fitted.left, made.bottom - made.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::ApplyDpi() {
    const RECT r = CreationRect();
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

HBRUSH TControl::BackgroundBrush() { return brush_.For(ColorToRgb(BackgroundColor())); }

void TControl::EraseBackground(Message& m) {
    RECT r;
    GetClientRect(m.hwnd, &r);
    FillRect(reinterpret_cast<HDC>(m.wParam), &r, BackgroundBrush());
    m.result = 1;
}

void TControl::AnswerCtlColor(Message& m) {
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    SetTextColor(dc, ColorToRgb(Font().color));
    SetBkColor(dc, ColorToRgb(BackgroundColor()));
    m.result = reinterpret_cast<LRESULT>(BackgroundBrush());
}

bool TControl::Reflected(Message& m) {
    switch (m.msg) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN: AnswerCtlColor(m); return true;
        default: return false;
    }
}

void TControl::WndProc(Message& m) {
    switch (m.msg) {
        case WM_NCPAINT:
            // A window without border, edge or scroll bar has no frame to
            // paint: the system would make a device context for nothing.
            if (!HasFrame(m.hwnd)) {
                m.result = 0;
                return;
            }
            break;
        case WM_SETFOCUS: form_.ControlFocused(*this); break;
        case kWmKeyF1:  // see TForm::DropKeyF1
            if (form_.DropKeyF1()) return;
            break;
        case WM_KEYDOWN:
            if (OnKeyDown) {
                WORD key = static_cast<WORD>(m.wParam);
                OnKeyDown(key);
                if (key == 0) return;
                m.wParam = key;
            }
            break;
        default: break;
    }
    Default(m);
}

}  // namespace tk
