#include "components/OnlyOpenOnce.h"

#include "toolkit/Application.h"
#include "toolkit/Gdi.h"

namespace rytmalo {
namespace {

// What the guard holds for the whole process: there is one application
// window to hook and one name to hold.
struct GuardState {
    const TOnlyOpenOnce* guard = nullptr;
    std::wstring name;
    UINT message = 0;
    bool visible = false;
    tk::KernelHandle mapping;
    HWND hooked = nullptr;
    WNDPROC previous = nullptr;
};
GuardState state;

void WakeUp() {
    tk::TApplication& app = *tk::Application;
    if (IsIconic(app.Handle())) app.Restore();
    if (state.visible && app.MainForm() && app.MainForm()->Handle()) {
        SetForegroundWindow(app.MainForm()->Handle());
    }
}

LRESULT CALLBACK Hook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A name that could not be registered has number 0, which no message
    // of ours may be taken for.
    if (state.message != 0 && msg == state.message) {
        try {
            WakeUp();
        } catch (...) {
            tk::ReportCurrentException();
        }
        return 0;
    }
    return CallWindowProcW(state.previous, hwnd, msg, wParam, lParam);
}

void NotifyRunningInstance() {
    tk::Application->SetShowMainForm(false);
    // The running instance did not receive the user's last input, this one
    // did: without this right passed on, the system would refuse to bring
    // the running one to the front.
    AllowSetForegroundWindow(ASFW_ANY);
    if (state.message == 0) return;
    DWORD recipients = BSM_APPLICATIONS;
    BroadcastSystemMessageW(BSF_POSTMESSAGE | BSF_IGNORECURRENTTASK, &recipients, state.message, 0,
                            0);
}

// True when another instance holds the name (it has been told).
bool AnotherInstanceRuns() {
    tk::TApplication& app = *tk::Application;
    SetLastError(ERROR_SUCCESS);
    HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, state.name.c_str());
    const DWORD error = GetLastError();
    state.mapping.reset(mapping);
    if (mapping && error == ERROR_ALREADY_EXISTS) {
        NotifyRunningInstance();
        return true;
    }
    // Created, or failed for another reason: this is the first instance.
    if (state.visible) {
        ShowWindow(app.Handle(), SW_SHOWNORMAL);
        app.SetShowMainForm(true);
    }
    state.hooked = app.Handle();
    state.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(state.hooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Hook)));
    return false;
}

std::wstring ApplicationTitle() {
    tk::TApplication& app = *tk::Application;
    if (!app.Handle()) return app.Title();
    wchar_t text[256];
    const int length = GetWindowTextW(app.Handle(), text, 256);
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

TOnlyOpenOnce::~TOnlyOpenOnce() {
    if (IsDesigning() || state.guard != this) return;
    if (state.hooked && state.previous && IsWindow(state.hooked)) {
        SetWindowLongPtrW(state.hooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous));
    }
    state = {};
}

void TOnlyOpenOnce::Loaded() {
    tk::TComponent::Loaded();
    if (uniqueString_.empty()) uniqueString_ = ApplicationTitle();
    if (IsDesigning()) return;
    // One guard per process: a second one leaves the first one's hook and
    // name alone (hooking twice would call itself for ever).
    if (state.guard) return;
    tk::Application->SetShowMainForm(false);
    state.guard = this;
    state.name = uniqueString_;
    state.message = RegisterWindowMessageW(state.name.c_str());
    state.visible = isAppVisible_;
    if (AnotherInstanceRuns()) tk::Application->Halt(0);
}

std::span<const tk::PublishedProperty> TOnlyOpenOnce::Published() const {
    static const tk::PublishedProperty properties[] = {
        {"UniqueString", &tk::Assign<&TOnlyOpenOnce::SetUniqueString>},
        {"IsAppVisible", &tk::Assign<&TOnlyOpenOnce::SetIsAppVisible>},
    };
    return properties;
}

unsigned TOnlyOpenOnce::MessageNumber() { return state.message; }

}  // namespace rytmalo
