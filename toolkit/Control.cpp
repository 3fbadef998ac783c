#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/WindowText.h"

namespace tk {
namespace {

constexpr wchar_t kControlProp[] = L"Rytmalo.Control";
constexpr UINT_PTR kSubclassId = 1;

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

bool ReflectToChild(Message& m) {
    HWND source = NotificationSource(m);
    if (!source) return false;
    TControl* child = TControl::FromHandle(source);
    return child && child->Reflected(m);
}

TControl::TControl(TForm& form, TControl* parent, const ControlLayout& layout)
    : TComponent(&form), form_(form), parent_(parent), layout_(layout) {
    SetName(layout.name);
}

TControl::~TControl() {
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, &TControl::SubclassProc, kSubclassId);
        RemovePropW(hwnd_, kControlProp);
        DestroyWindow(hwnd_);
    }
}

TControl* TControl::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<TControl*>(GetPropW(hwnd, kControlProp));
}

HWND TControl::ParentHandle() const { return parent_ ? parent_->Handle() : form_.Handle(); }

std::wstring TControl::Caption() const {
    if (!hwnd_) return std::wstring(layout_.caption);
    return WindowText(hwnd_);
}

void TControl::SetCaption(std::wstring_view text) {
    const std::wstring copy(text);
    SetWindowTextW(hwnd_, copy.c_str());
}

bool TControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!IsWindowVisible(c->hwnd_) || !IsWindowEnabled(c->hwnd_)) return false;
    }
    return true;
}

void TControl::SetFocus() { ::SetFocus(hwnd_); }

bool TControl::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

bool TControl::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void TControl::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

const FontSpec& TControl::Font() const {
    if (layout_.font) return *layout_.font;
    return parent_ ? parent_->Font() : form_.Font();
}

HFONT TControl::FontHandle() const { return Application->Fonts().Get(Font(), form_.Dpi()); }

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
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    if (IsTabStop()) style |= WS_TABSTOP;
    return style;
}

void TControl::CreateHandle() {
    const RECT r = CreationRect();
    const std::wstring caption(layout_.caption);
    const int id = form_.Layout().ControlId(layout_.name);
    hwnd_ = CreateWindowExW(ExStyle(), WindowClass(), caption.c_str(), Style(), r.left, r.top,
                            r.right - r.left, r.bottom - r.top, ParentHandle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw Exception(L"Impossible de créer la fenêtre " + caption);
    // A control listed later in its layout lies in front of the earlier ones
    // (the system would put it behind them).
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetPropW(hwnd_, kControlProp, this);
    SetWindowSubclass(hwnd_, &TControl::SubclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    HandleCreated();
}

RECT TControl::CreationRect() const {
    const Bounds& b = layout_.bounds;
    const int left = Scale(b.left);
    const int top = Scale(b.top);
    return {left, top, left + Scale(b.width), top + Scale(b.height)};
}

void TControl::ApplyDpi() {
    const Bounds& b = layout_.bounds;
    SetWindowPos(hwnd_, nullptr, Scale(b.left), Scale(b.top), Scale(b.width), Scale(b.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

HBRUSH TControl::BackgroundBrush() {
    const COLORREF rgb = ColorToRgb(BackgroundColor());
    if (!brush_ || brushColor_ != rgb) {
        brush_.reset(CreateSolidBrush(rgb));
        brushColor_ = rgb;
    }
    return brush_.get();
}

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

void TControl::Default(Message& m) {
    m.result = DefSubclassProc(m.hwnd, m.msg, m.wParam, m.lParam);
}

void TControl::WndProc(Message& m) {
    switch (m.msg) {
        case WM_SETFOCUS: form_.ControlFocused(*this); break;
        case 0x004D:  // WM_KEYF1: see TForm::DropKeyF1
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

LRESULT CALLBACK TControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
    auto* control = reinterpret_cast<TControl*>(self);
    Message m{hwnd, msg, wParam, lParam};
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &TControl::SubclassProc, kSubclassId);
        RemovePropW(hwnd, kControlProp);
        control->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    try {
        control->WndProc(m);
    } catch (...) {
        ReportCurrentException();
        m.result = 0;
    }
    return m.result;
}

}  // namespace tk
