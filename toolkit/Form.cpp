#include "toolkit/Form.h"

#include <algorithm>
#include <utility>

#include "toolkit/Application.h"
#include "toolkit/BitButton.h"
#include "toolkit/CheckControls.h"
#include "toolkit/Containers.h"
#include "toolkit/Dpi.h"
#include "toolkit/Edit.h"
#include "toolkit/FontCache.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"

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
        const bool minMaxAllowed =
            layout.borderStyle == BorderStyle::Single || layout.borderStyle == BorderStyle::Sizeable;
        if (minMaxAllowed && (icons & biMinimize)) style |= WS_MINIMIZEBOX;
        if (minMaxAllowed && (icons & biMaximize)) style |= WS_MAXIMIZEBOX;
        // Windows shows the help button only without minimise and maximise.
        const bool helpShown = layout.borderStyle == BorderStyle::Dialog ||
                               !(icons & (biMinimize | biMaximize));
        if ((icons & biHelp) && helpShown) ex |= WS_EX_CONTEXTHELP;
    }
    if (layout.formStyle == FormStyle::StayOnTop) ex |= WS_EX_TOPMOST;
    return {style, ex};
}

std::wstring Widen(std::string_view s) { return std::wstring(s.begin(), s.end()); }

// Messages of Windows 10 1703, not in every header set.
constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
// Posted for F1 to the focused window; its default handling sends WM_HELP.
constexpr UINT kKeyF1 = 0x004D;  // WM_KEYF1

}  // namespace

TForm::TForm(TComponent* owner, const FormLayout& layout) : TComponent(owner), layout_(layout) {
    SetName(layout.className.substr(1));
}

TForm::~TForm() {
    // A later form may be made at the same address: the application must
    // not take it for this one.
    if (Application) Application->FormDestroyed(*this);
    DestroyWindowHandle();
    // Components go while the form is still a form: they may ask for it.
    DestroyComponents();
}

TForm* TForm::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    if (GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&TForm::StaticWndProc)) {
        return nullptr;
    }
    return reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

int TForm::Scale(int value) const { return MulDiv(value, dpi_, 96); }

void TForm::RegisterWindowClass() const {
    const std::wstring name = Widen(layout_.className);
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) return;
    WNDCLASSEXW wc{sizeof wc};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TForm::StaticWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
}

SIZE TForm::WindowSizeForDpi(int dpi) const {
    const WindowStyles styles = StylesFor(layout_);
    RECT r{0, 0, ScaleToDpi(layout_.clientWidth, dpi), ScaleToDpi(layout_.clientHeight, dpi)};
    AdjustWindowRectForDpi(r, styles.style, !layout_.menu.empty(), styles.exStyle, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

void TForm::CreateWindowHandle() {
    RegisterWindowClass();
    const WindowStyles styles = StylesFor(layout_);
    // Laid out for the monitor the window opens on.
    dpi_ = DpiForPoint({layout_.left, layout_.top});
    const SIZE size = WindowSizeForDpi(dpi_);
    const std::wstring className = Widen(layout_.className);
    const std::wstring text = WindowTextForCreation();
    hwnd_ = CreateWindowExW(styles.exStyle, className.c_str(), text.c_str(), styles.style,
                            layout_.left, layout_.top, size.cx, size.cy, Application->Handle(),
                            nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) throw Exception(L"Impossible de créer la fenêtre " + className);
    const int actual = DpiForWindow(hwnd_);
    if (actual != dpi_) {
        dpi_ = actual;
        const SIZE resized = WindowSizeForDpi(dpi_);
        SetWindowPos(hwnd_, nullptr, 0, 0, resized.cx, resized.cy,
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
    HICON bigShown = big ? big.get() : Application->Icon();
    HICON smallShown = small ? small.get() : bigShown;
    if (bigShown) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigShown));
    if (smallShown)
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallShown));
    // The window no longer shows the previous ones.
    icon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void TForm::ChangeDpi(int dpi, const RECT* suggested) {
    if (dpi <= 0 || !hwnd_) return;
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
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const SIZE size = WindowSizeForDpi(dpi_);
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    DpiChanged(old);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::DestroyWindowHandle() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void TForm::Load() {
    BeginLoading();
    CreateWindowHandle();

    LoadIcons();

    if (!layout_.menu.empty()) {
        menuBar_ = std::make_unique<MenuBar>(*this, layout_.menu);
        menuBar_->Attach(hwnd_);
    }
    SetCaption(layout_.caption);
    CreateControls();
    Bind();
    CreateComponents();

    // Every component hears that loading is over, in creation order; a
    // failure of one is reported and does not keep the others from hearing.
    const std::vector<TComponent*> components = Components();
    for (TComponent* c : components) {
        try {
            c->Loaded();
        } catch (const HaltRequest&) {
            throw;
        } catch (...) {
            ReportCurrentException();
        }
    }
    Loaded();

    try {
        if (OnCreate) OnCreate();
    } catch (const HaltRequest&) {
        throw;
    } catch (...) {
        ReportCurrentException();
    }
}

void TForm::CreateControls() {
    for (const ControlLayout& c : layout_.controls) {
        TControl* parent = nullptr;
        if (!c.parent.empty()) {
            parent = dynamic_cast<TControl*>(FindComponent(c.parent));
            if (!parent) throw std::logic_error("control listed before its parent");
        }
        TControl* control = nullptr;
        switch (c.kind) {
            case ControlKind::Label: control = new TLabel(*this, parent, c); break;
            case ControlKind::Edit: control = new TEdit(*this, parent, c); break;
            case ControlKind::Button: control = new TButton(*this, parent, c); break;
            case ControlKind::BitButton: control = new TBitButton(*this, parent, c); break;
            case ControlKind::RadioButton: control = new TRadioButton(*this, parent, c); break;
            case ControlKind::CheckBox: control = new TCheckBox(*this, parent, c); break;
            case ControlKind::GroupBox: control = new TGroupBox(*this, parent, c); break;
            case ControlKind::Panel: control = new TPanel(*this, parent, c); break;
            case ControlKind::Bevel: control = new TBevel(*this, parent, c); break;
            case ControlKind::PageControl: control = new TPageControl(*this, parent, c); break;
            case ControlKind::TabSheet: control = new TTabSheet(*this, parent, c); break;
        }
        control->CreateHandle();
    }
}

void TForm::CreateComponents() {
    for (const ComponentLayout& c : layout_.components) {
        TComponent* component = Application->CreateComponent(c.className, this);
        component->SetName(c.name);
        component->BeginLoading();
        component->AssignProperties(c.properties);
    }
}

std::wstring TForm::Caption() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TForm::SetCaption(std::wstring_view caption) {
    const std::wstring copy(caption);
    SetWindowTextW(hwnd_, copy.c_str());
}

int TForm::Left() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.left;
}

int TForm::Top() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.top;
}

int TForm::Width() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.right - r.left;
}

int TForm::Height() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

void TForm::SetLeft(int left) {
    SetWindowPos(hwnd_, nullptr, left, Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetTop(int top) {
    SetWindowPos(hwnd_, nullptr, Left(), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::PlaceAtFirstShow() {
    if (shownBefore_) return;
    shownBefore_ = true;
    if (layout_.position != FormPosition::ScreenCenter) return;
    const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
    const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    PlaceAtFirstShow();
    if (Application->MainForm() == this) Application->ShowApplicationWindow();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    if (layout_.formStyle == FormStyle::StayOnTop) {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetForegroundWindow(hwnd_);
}

void TForm::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
    } else if (Application->MainForm() == this) {
        Application->Terminate();
    } else {
        Hide();
    }
}

int TForm::ShowModal() {
    if (Visible() || modal_) throw std::logic_error("a visible form cannot be shown modally");
    HWND previous = GetActiveWindow();
    ReleaseCapture();
    Application->CancelHint();
    const std::vector<HWND> disabled = Application->DisableTaskWindows(hwnd_);
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
            Application->EnableTaskWindows(disabled);
            if (previous && IsWindow(previous)) SetActiveWindow(previous);
            form.Hide();
        }
    } restore{*this, disabled, previous};

    Show();
    while (modalResult_ == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated()) modalResult_ = mrCancel;
    }
    return modalResult_;
}

void TForm::Activated() {
    if (OnActivate) OnActivate();
}

void TForm::SetFocusToActiveControl() {
    if (activeControl_ && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
    }
    const std::vector<TControl*> order = TabOrderList();
    if (!order.empty()) {
        order.front()->SetFocus();
    } else {
        ::SetFocus(hwnd_);
    }
}

void TForm::AppendTabOrder(const TControl* parent, std::vector<TControl*>& out) const {
    std::vector<TControl*> siblings;
    for (TComponent* c : Components()) {
        auto* control = dynamic_cast<TControl*>(c);
        if (control && control->Parent() == parent) siblings.push_back(control);
    }
    std::stable_sort(siblings.begin(), siblings.end(), [](const TControl* a, const TControl* b) {
        const int ta = a->Layout().tabOrder < 0 ? INT_MAX : a->Layout().tabOrder;
        const int tb = b->Layout().tabOrder < 0 ? INT_MAX : b->Layout().tabOrder;
        return ta < tb;
    });
    for (TControl* control : siblings) {
        if (!control->CanFocus()) continue;
        if (control->IsTabStop()) out.push_back(control);
        AppendTabOrder(control, out);
    }
}

std::vector<TControl*> TForm::TabOrderList() const {
    std::vector<TControl*> order;
    AppendTabOrder(nullptr, order);
    return order;
}

void TForm::SelectNext(bool forward) {
    const std::vector<TControl*> order = TabOrderList();
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), activeControl_);
    std::size_t index = 0;
    if (it != order.end()) {
        const std::size_t current = static_cast<std::size_t>(it - order.begin());
        index = forward ? (current + 1) % order.size() : (current + order.size() - 1) % order.size();
    } else if (!forward) {
        index = order.size() - 1;
    }
    order[index]->SetFocus();
}

bool TForm::MoveInRadioGroup(bool forward) {
    auto* current = dynamic_cast<TRadioButton*>(activeControl_);
    if (!current || !current->Focused()) return false;
    std::vector<TRadioButton*> group;
    for (TComponent* c : Components()) {
        auto* radio = dynamic_cast<TRadioButton*>(c);
        if (radio && radio->Parent() == current->Parent() && radio->CanFocus()) group.push_back(radio);
    }
    auto it = std::find(group.begin(), group.end(), current);
    if (it == group.end() || group.size() < 2) return true;
    const std::size_t i = static_cast<std::size_t>(it - group.begin());
    TRadioButton* next = group[forward ? (i + 1) % group.size() : (i + group.size() - 1) % group.size()];
    next->SetFocus();
    next->SetChecked(true);
    return true;
}

bool TForm::DialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    // A key of the form's own: the menu's F1 is past.
    menuHelpKey_ = false;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (alt || ctrl) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    TControl* focused = TControl::FromHandle(msg.hwnd);

    switch (msg.wParam) {
        case VK_TAB:
            SelectNext(!shift);
            return true;
        case VK_LEFT:
        case VK_UP:
            return MoveInRadioGroup(false);
        case VK_RIGHT:
        case VK_DOWN:
            return MoveInRadioGroup(true);
        case VK_RETURN: {
            if (auto* button = dynamic_cast<TButton*>(focused)) {
                button->Click();
                return true;
            }
            for (TComponent* c : Components()) {
                auto* button = dynamic_cast<TButton*>(c);
                if (button && button->IsDefault() && button->CanFocus()) {
                    button->Click();
                    return true;
                }
            }
            return false;
        }
        case VK_ESCAPE:
            for (TComponent* c : Components()) {
                auto* button = dynamic_cast<TButton*>(c);
                if (button && button->IsCancel() && button->CanFocus()) {
                    button->Click();
                    return true;
                }
            }
            return false;
        default:
            return false;
    }
}

void TForm::RequestHelp(int context) {
    if (context == 0) return;
    // A window with the help caption icon shows its topics as pop-ups.
    if (layout_.borderIcons & biHelp) {
        Application->HelpCommand(HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(context));
    } else {
        Application->HelpContext(context);
    }
}

void TForm::HelpFor(HWND window) {
    TControl* control = nullptr;
    for (HWND w = window; w && w != hwnd_ && !control; w = GetParent(w)) control = TControl::FromHandle(w);
    for (; control; control = control->Parent()) {
        if (control->HelpContext() != 0) {
            RequestHelp(control->HelpContext());
            return;
        }
    }
    RequestHelp(layout_.helpContext);
}

void TForm::HelpForMenu(const HELPINFO& info) {
    if (!menuBar_) return;
    TMenuItem* item = menuBar_->FindByCommand(info.iCtrlId);
    if (!item) item = menuBar_->FindBySubMenu(reinterpret_cast<HMENU>(static_cast<INT_PTR>(info.iCtrlId)));
    if (!item) item = menuBar_->FindBySubMenu(static_cast<HMENU>(info.hItemHandle));
    if (item) RequestHelp(item->EffectiveHelpContext());
    menuHelpKey_ = true;
}

bool TForm::DropKeyF1() {
    return std::exchange(menuHelpKey_, false);
}

void TForm::DefaultHandler(Message& m) { m.result = DefWindowProcW(m.hwnd, m.msg, m.wParam, m.lParam); }

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
            const COLORREF rgb = ColorToRgb(layout_.color);
            background_.reset(CreateSolidBrush(rgb));
            RECT r;
            GetClientRect(m.hwnd, &r);
            FillRect(reinterpret_cast<HDC>(m.wParam), &r, background_.get());
            m.result = 1;
            return;
        }
        case WM_ACTIVATE:
            if (LOWORD(m.wParam) != WA_INACTIVE) {
                if (!HIWORD(m.wParam)) SetFocusToActiveControl();
                Application->FormActivated(*this);
                m.result = 0;
            } else {
                Application->FormDeactivated(*this, reinterpret_cast<HWND>(m.lParam));
                DefaultHandler(m);
            }
            return;
        case WM_SETFOCUS:
            SetFocusToActiveControl();
            return;
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
        case WM_CLOSE:
            Close();
            return;
        case kKeyF1:
            if (!DropKeyF1()) DefaultHandler(m);
            return;
        case kGetDpiScaledSize: {
            // The exact size for the new resolution, so that the rectangle
            // WM_DPICHANGED suggests keeps the layout's client area.
            *reinterpret_cast<SIZE*>(m.lParam) = WindowSizeForDpi(static_cast<int>(m.wParam));
            m.result = TRUE;
            return;
        }
        case kDpiChanged:
            ChangeDpi(HIWORD(m.wParam), reinterpret_cast<const RECT*>(m.lParam));
            m.result = 0;
            return;
        case WM_SYSCOMMAND:
            if ((m.wParam & 0xFFF0) == SC_MINIMIZE && Application->MainForm() == this) {
                Application->Minimize();
                return;
            }
            DefaultHandler(m);
            return;
        default:
            DefaultHandler(m);
    }
}

LRESULT CALLBACK TForm::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* form = static_cast<TForm*>(create->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
    Message m{hwnd, msg, wParam, lParam};
    try {
        form->WndProc(m);
    } catch (...) {
        ReportCurrentException();
        m.result = 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
    }
    return m.result;
}

}  // namespace tk
