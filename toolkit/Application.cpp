#include "toolkit/Application.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "toolkit/HintTracker.h"
#include "toolkit/HintWindow.h"

namespace tk {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TApplication";

std::wstring Widen(const char* text) {
    std::wstring out;
    for (const char* p = text; *p; ++p) out.push_back(static_cast<unsigned char>(*p));
    return out;
}

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

void ReportCurrentException() {
    std::wstring message;
    try {
        throw;
    } catch (const HaltRequest& halt) {
        // Asked for inside a window procedure, where unwinding cannot go on:
        // the system releases what the process holds.
        ExitProcess(static_cast<UINT>(halt.exitCode));
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = Widen(e.what());
    } catch (...) {
        message = L"Erreur inconnue";
    }
    if (Application) {
        Application->HandleException(message);
    } else {
        const std::wstring text = message + L".";
        MessageBoxW(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONSTOP);
    }
}

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon_ = LoadIconW(instance, L"MAINICON");

    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = &TApplication::StaticWndProc;
    wc.hInstance = instance;
    wc.hIcon = icon_;
    // The small image of the icon, not the large one shrunk.
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);

    // A window of no size at the centre of the screen: it stands for the
    // program in the taskbar and owns the forms.
    handle_ = CreateWindowExW(0, kWindowClass, L"",
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, instance, this);
    if (!handle_) throw Exception(L"Impossible de créer la fenêtre de l'application");

    hintWindowClass_ = [] { return std::make_unique<THintWindow>(); };
    hintTracker_ = std::make_unique<HintTracker>(*this);
    AddMessageFilter(hintTracker_.get());
    SetShowHint(true);
}

TApplication::~TApplication() {
    // Windows disappear before the forms and their components go.
    for (TComponent* c : Components()) {
        if (auto* form = dynamic_cast<TForm*>(c); form && form->Handle()) form->Hide();
    }
    mainForm_ = nullptr;
    activeForm_ = nullptr;
    DestroyComponents();
    RemoveMessageFilter(hintTracker_.get());
    hintTracker_.reset();
    hintWindow_.reset();
    if (handle_) DestroyWindow(handle_);
    Application = nullptr;
}

void TApplication::SetTitle(std::wstring_view title) {
    title_ = title;
    SetWindowTextW(handle_, title_.c_str());
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
    try {
        ProcessMessage(msg);
    } catch (...) {
        ReportCurrentException();
    }
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
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    TForm* form = nullptr;
    if (TControl* control = TControl::FromHandle(msg.hwnd)) {
        form = &control->Form();
    } else {
        form = TForm::FromHandle(msg.hwnd);
    }
    return form && form->DialogKey(msg);
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Halt(int exitCode) { throw HaltRequest{exitCode}; }

void TApplication::SetShowHint(bool show) {
    if (show == showHint_) return;
    showHint_ = show;
    if (show) {
        std::unique_ptr<THintWindow> window = hintWindowClass_();
        window->SetColor(hintColor_);
        window->CreateHandle();
        hintWindow_ = std::move(window);
    } else {
        CancelHint();
        hintWindow_.reset();
    }
}

void TApplication::SetHintColor(Color color) {
    hintColor_ = color;
    if (hintWindow_) hintWindow_->SetColor(color);
}

void TApplication::CancelHint() {
    if (hintTracker_) hintTracker_->Cancel();
}

void TApplication::ShowApplicationWindow() {
    if (!IsWindowVisible(handle_)) ShowWindow(handle_, SW_SHOWNA);
}

// The program's forms go with it. Windows hides the windows of a minimised
// owner by itself, not every system does (Wine does not): the forms are
// hidden here, and Restore shows exactly those again.
void TApplication::Minimize() {
    if (IsIconic(handle_)) return;
    minimizedForms_.clear();
    for (TComponent* c : Components()) {
        if (auto* form = dynamic_cast<TForm*>(c); form && form->Visible()) {
            minimizedForms_.push_back(form->Handle());
            ShowWindow(form->Handle(), SW_HIDE);
        }
    }
    WithoutAnimation([this] { ShowWindow(handle_, SW_MINIMIZE); });
}

void TApplication::Restore() {
    if (!IsIconic(handle_)) return;
    SetActiveWindow(handle_);
    WithoutAnimation([this] { ShowWindow(handle_, SW_RESTORE); });
    for (HWND form : std::exchange(minimizedForms_, {})) {
        if (IsWindow(form)) ShowWindow(form, SW_SHOWNA);
    }
    HWND last = GetLastActivePopup(handle_);
    if (last && last != handle_ && IsWindowVisible(last) && IsWindowEnabled(last)) {
        SetActiveWindow(last);
    }
    if (OnRestore) OnRestore();
}

HWND TApplication::DialogOwner() const {
    HWND active = GetActiveWindow();
    if (active && GetWindowThreadProcessId(active, nullptr) == GetCurrentThreadId()) return active;
    if (mainForm_ && mainForm_->Visible()) return mainForm_->Handle();
    return handle_;
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
    CancelHint();
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
    HWND owner = mainForm_ ? mainForm_->Handle() : handle_;
    return helpService_ && helpService_(owner, helpFile_, command, data);
}

void TApplication::RegisterComponentClass(std::string_view className, ComponentFactory factory) {
    classes_[std::string(className)] = std::move(factory);
}

TComponent* TApplication::CreateComponent(std::string_view className, TComponent* owner) const {
    auto it = classes_.find(className);
    if (it == classes_.end())
        throw std::logic_error("unknown component class " + std::string(className));
    return it->second(owner);
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
    if (activeForm_ != &form || reporting_ || !other || other == handle_) return;
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

LRESULT TApplication::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_TIMER:
            if (wParam == HintTracker::kTimerId) {
                if (hintTracker_) hintTracker_->TimerExpired();
                return 0;
            }
            break;
        case WM_SETFOCUS: {
            // The taskbar entry was chosen: the form the user last worked in
            // takes the focus.
            HWND last = GetLastActivePopup(handle_);
            if (last && last != handle_ && IsWindowVisible(last) && IsWindowEnabled(last)) {
                SetActiveWindow(last);
                return 0;
            }
            break;
        }
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE: Minimize(); return 0;
                case SC_RESTORE: Restore(); return 0;
                case SC_CLOSE:
                    if (mainForm_) mainForm_->Close();
                    return 0;
                default: break;
            }
            break;
        case WM_CLOSE:
            if (mainForm_) mainForm_->Close();
            return 0;
        default: break;
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK TApplication::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* app = static_cast<TApplication*>(create->lpCreateParams);
        app->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app));
    }
    auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!app) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        app->handle_ = nullptr;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    try {
        return app->WndProc(msg, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

}  // namespace tk
