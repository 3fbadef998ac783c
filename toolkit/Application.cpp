#include "toolkit/Application.h"

#include <algorithm>
#include <utility>

#include "core/Exception.h"

namespace tk {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TApplication";

// Runs f with the system's minimise and restore animation switched off.
template <class F>
void WithoutAnimation(F f) {
    ANIMATIONINFO info{sizeof info};
    SystemParametersInfoW(SPI_GETANIMATION, sizeof info, &info, 0);
    const bool animated = info.iMinAnimate != 0;
    if (animated) {
        info.iMinAnimate = 0;
        SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0);
    }
    f();
    if (animated) {
        info.iMinAnimate = 1;
        SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0);
    }
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon_ = LoadIconW(instance, L"MAINICON");

    SetErrorReporter([this](const std::wstring& message) { HandleException(message); });
    // A window of no size at the centre of the screen: it stands for the
    // program in the taskbar and owns the forms. The small image of the
    // icon is the resource's own, not the large one shrunk.
    CreateHostedWindow(
        {.name = kWindowClass,
         .icon = icon_,
         .smallIcon = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED))},
        {.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
         .x = GetSystemMetrics(SM_CXSCREEN) / 2,
         .y = GetSystemMetrics(SM_CYSCREEN) / 2});

    hints_ = std::make_unique<HintService>(Handle());
    AddMessageFilter(&hints_->Tracker());
    hints_->SetShowHint(true);
}

TApplication::~TApplication() {
    // Windows disappear before the forms and their components go.
    for (TComponent* c : Components()) {
        if (auto* form = dynamic_cast<TForm*>(c); form && form->Handle()) form->Hide();
    }
    mainForm_ = nullptr;
    activeForm_ = nullptr;
    DestroyComponents();
    RemoveMessageFilter(&hints_->Tracker());
    hints_.reset();
    DestroyHostedWindow();
    SetErrorReporter({});
    Application = nullptr;
}

void TApplication::SetTitle(std::wstring_view title) {
    title_ = title;
    SetWindowTextW(Handle(), title_.c_str());
}

void TApplication::LoadForm(TForm& form) {
    try {
        form.Load();
    } catch (const HaltRequest&) {
        throw;
    } catch (...) {
        ReportCurrentException();
    }
    if (!mainForm_ && form.Handle()) mainForm_ = &form;
}

void TApplication::Run() {
    if (mainForm_ && showMainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::HandleMessage() {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        terminated_ = true;
        return;
    }
    if (got < 0) return;
    Dispatch(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
        } else {
            Dispatch(msg);
        }
    }
}

void TApplication::Dispatch(MSG& msg) {
    Guarded([&] { ProcessMessage(msg); });
}

bool TApplication::ProcessMessage(MSG& msg) {
    const std::vector<MessageFilter*> filters = filters_;
    for (MessageFilter* filter : filters) {
        if (filter->PreTranslate(msg)) return true;
    }
    if (IsKeyMsg(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool TApplication::IsKeyMsg(const MSG& msg) {
    if (mnemonicKeys_.Consumes(msg)) return true;
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    TForm* form = nullptr;
    if (TControl* control = TControl::FromHandle(msg.hwnd)) {
        form = &control->Form();
    } else {
        form = TForm::FromHandle(msg.hwnd);
    }
    if (msg.message == WM_KEYDOWN) return form && form->DialogKey(msg);
    mnemonicKeys_.Pressed(msg);
    if (form && form->DialogKey(msg)) {
        mnemonicKeys_.Used(msg);
        return true;
    }
    mnemonicKeys_.Unused();
    return false;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Halt(int exitCode) { throw HaltRequest{exitCode}; }

void TApplication::ShowApplicationWindow() {
    if (!IsWindowVisible(Handle())) ShowWindow(Handle(), SW_SHOWNA);
}

// The program's forms go with it. Windows hides the windows of a minimised
// owner by itself, not every system does (Wine does not): the forms are
// hidden here, and Restore shows exactly those again.
void TApplication::Minimize() {
    if (IsIconic(Handle())) return;
    minimizedForms_.clear();
    for (TComponent* c : Components()) {
        if (auto* form = dynamic_cast<TForm*>(c); form && form->Visible()) {
            minimizedForms_.push_back(form->Handle());
            ShowWindow(form->Handle(), SW_HIDE);
        }
    }
    WithoutAnimation([this] { ShowWindow(Handle(), SW_MINIMIZE); });
}

void TApplication::Restore() {
    if (!IsIconic(Handle())) return;
    SetActiveWindow(Handle());
    WithoutAnimation([this] { ShowWindow(Handle(), SW_RESTORE); });
    for (HWND form : std::exchange(minimizedForms_, {})) {
        if (IsWindow(form)) ShowWindow(form, SW_SHOWNA);
    }
    HWND last = GetLastActivePopup(Handle());
    if (last && last != Handle() && IsWindowVisible(last) && IsWindowEnabled(last)) {
        SetActiveWindow(last);
    }
    if (OnRestore) OnRestore();
}

HWND TApplication::DialogOwner() const {
    HWND active = GetActiveWindow();
    if (active && GetWindowThreadProcessId(active, nullptr) == GetCurrentThreadId()) return active;
    if (mainForm_ && mainForm_->Visible()) return mainForm_->Handle();
    return Handle();
}

void TApplication::HandleException(const std::wstring& message) {
    if (OnException) {
        OnException(message);
    } else {
        ShowException(message);
    }
}

void TApplication::ShowException(const std::wstring& message) {
    const std::wstring text = message + L".";
    hints_->CancelHint();
    // The report's own closing gives the focus back to the window that had
    // it; that is no change of form, so it does not count as an activation
    // (an activation handler that fails would otherwise report forever).
    const bool wasReporting = reporting_;
    reporting_ = true;
    MessageBoxW(DialogOwner(), text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
    reporting_ = wasReporting;
}

bool TApplication::HelpContext(int context) {
    return HelpCommand(HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

bool TApplication::HelpCommand(UINT command, ULONG_PTR data) {
    HWND owner = mainForm_ ? mainForm_->Handle() : Handle();
    return helpService_ && helpService_(owner, helpFile_, command, data);
}

void TApplication::AddMessageFilter(MessageFilter* filter) { filters_.push_back(filter); }

void TApplication::RemoveMessageFilter(MessageFilter* filter) {
    filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

void TApplication::FormActivated(TForm& form) {
    if (activeForm_ == &form) return;
    activeForm_ = &form;
    form.Activated();
}

void TApplication::FormDeactivated(TForm& form, HWND other) {
    if (activeForm_ != &form || reporting_ || !other || other == Handle()) return;
    if (GetWindowThreadProcessId(other, nullptr) != GetCurrentThreadId()) return;
    if (TForm::FromHandle(other)) return;
    // A message box or another window of the program took over.
    activeForm_ = nullptr;
}

void TApplication::FormDestroyed(const TForm& form) {
    if (activeForm_ == &form) activeForm_ = nullptr;
    if (mainForm_ == &form) mainForm_ = nullptr;
}

std::vector<HWND> TApplication::DisableTaskWindows(HWND except) {
    struct Collect {
        HWND except;
        std::vector<HWND> windows;
    } collect{except, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* c = reinterpret_cast<Collect*>(param);
            if (hwnd != c->except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
                c->windows.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&collect));
    for (HWND hwnd : collect.windows) EnableWindow(hwnd, FALSE);
    return collect.windows;
}

void TApplication::EnableTaskWindows(const std::vector<HWND>& windows) {
    for (HWND hwnd : windows) {
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    }
}

void TApplication::WndProc(Message& m) {
    switch (m.msg) {
        case WM_TIMER:
            // The only timer of the window.
            hints_->TimerExpired(m.wParam);
            return;
        case WM_SETFOCUS: {
            // The taskbar entry was chosen: the form the user last worked in
            // takes the focus.
            HWND last = GetLastActivePopup(Handle());
            if (last && last != Handle() && IsWindowVisible(last) && IsWindowEnabled(last)) {
                SetActiveWindow(last);
                return;
            }
            break;
        }
        case WM_SYSCOMMAND:
            switch (m.wParam & 0xFFF0) {
                case SC_MINIMIZE: Minimize(); return;
                case SC_RESTORE: Restore(); return;
                case SC_CLOSE:
                    if (mainForm_) mainForm_->Close();
                    return;
                default: break;
            }
            break;
        case WM_CLOSE:
            if (mainForm_) mainForm_->Close();
            return;
        default: break;
    }
    DefaultHandler(m);
}

TApplication& ApplicationOf(const TComponent* component) {
    auto* application = dynamic_cast<TApplication*>(&HostOf(component));
    if (!application) throw ProgrammingError({"a component of no application"});
    return *application;
}

}  // namespace tk
