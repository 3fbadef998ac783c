#include "components/OnlyOpenOnce.h"

#include "toolkit/Application.h"
#include "toolkit/Gdi.h"
#include "toolkit/WindowHook.h"

namespace rytmalo {
namespace {

void WakeUp(tk::TApplication& app, bool visible) {
    if (IsIconic(app.Handle())) app.Restore();
    if (visible && app.MainForm() && app.MainForm()->Handle()) {
        SetForegroundWindow(app.MainForm()->Handle());
    }
}

// On the application window: the registered message wakes the program up.
class WakeUpHook : public tk::TWindowHook {
public:
    tk::TApplication* application = nullptr;
    UINT message = 0;
    bool visible = false;

protected:
    void WndProc(tk::Message& m) override {
        // A name that could not be registered has number 0, which no
        // message of ours may be taken for.
        if (message != 0 && m.msg == message && application) {
            WakeUp(*application, visible);
            m.result = 0;
            return;
        }
        Default(m);
    }
};

// What the guard holds for the whole process: there is one application
// window to hook and one name to hold.
struct GuardState {
    const TOnlyOpenOnce* guard = nullptr;
    std::wstring name;
    tk::KernelHandle mapping;
    WakeUpHook hook;
};
GuardState state;

void NotifyRunningInstance(tk::TApplication& app) {
    app.SetShowMainForm(false);
    // The running instance did not receive the user's last input, this one
    // did: without this right passed on, the system would refuse to bring
    // the running one to the front.
    AllowSetForegroundWindow(ASFW_ANY);
    if (state.hook.message == 0) return;
    DWORD recipients = BSM_APPLICATIONS;
    BroadcastSystemMessageW(BSF_POSTMESSAGE | BSF_IGNORECURRENTTASK, &recipients,
                            state.hook.message, 0, 0);
}

// True when another instance holds the name (it has been told).
bool AnotherInstanceRuns(tk::TApplication& app) {
    SetLastError(ERROR_SUCCESS);
    HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, state.name.c_str());
    const DWORD error = GetLastError();
    state.mapping.reset(mapping);
    if (mapping && error == ERROR_ALREADY_EXISTS) {
        NotifyRunningInstance(app);
        return true;
    }
    // Created, or failed for another reason: this is the first instance.
    if (state.hook.visible) {
        ShowWindow(app.Handle(), SW_SHOWNORMAL);
        app.SetShowMainForm(true);
    }
    state.hook.Hook(app.Handle());
    return false;
}

std::wstring ApplicationTitle(const tk::TApplication& app) {
    if (!app.Handle()) return app.Title();
    wchar_t text[256];
    const int length = GetWindowTextW(app.Handle(), text, 256);
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

TOnlyOpenOnce::~TOnlyOpenOnce() {
    if (state.guard != this) return;
    state.hook.Unhook();
    state.hook.message = 0;
    state.hook.application = nullptr;
    state.mapping.reset();
    state.name.clear();
    state.guard = nullptr;
}

void TOnlyOpenOnce::Loaded() {
    tk::TComponent::Loaded();
    // The application it guards: the program its owner belongs to.
    tk::TApplication& app = tk::ApplicationOf(this);
    if (uniqueString_.empty()) uniqueString_ = ApplicationTitle(app);
    // One guard per process: a second one leaves the first one's hook and
    // name alone (hooking twice would call itself for ever).
    if (state.guard) return;
    app.SetShowMainForm(false);
    state.guard = this;
    state.name = uniqueString_;
    state.hook.message = RegisterWindowMessageW(state.name.c_str());
    state.hook.visible = isAppVisible_;
    state.hook.application = &app;
    if (AnotherInstanceRuns(app)) app.Halt(0);
}

std::span<const tk::PublishedProperty> TOnlyOpenOnce::Published() const {
    static const tk::PublishedProperty properties[] = {
        {"UniqueString", &tk::Assign<&TOnlyOpenOnce::SetUniqueString>},
        {"IsAppVisible", &tk::Assign<&TOnlyOpenOnce::SetIsAppVisible>},
    };
    return properties;
}

unsigned TOnlyOpenOnce::MessageNumber() { return state.hook.message; }

}  // namespace rytmalo
