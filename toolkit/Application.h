// The application object: its window (the taskbar entry), title, help file,
// forms, message loop and the general error report.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/ClassRegistry.h"
#include "core/Component.h"
#include "toolkit/ErrorReport.h"
#include "core/Exception.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/FormHost.h"
#include "toolkit/Help.h"
#include "toolkit/HintService.h"
#include "toolkit/MessageFilter.h"
#include "toolkit/MnemonicKeys.h"
#include "toolkit/WindowHost.h"

namespace tk {

class TApplication : public TComponent, public TWindowHost, public FormHost {
public:
    TApplication();
    ~TApplication() override;

    const std::wstring& Title() const { return title_; }
    void SetTitle(std::wstring_view title);
    const std::wstring& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::wstring_view file) { helpFile_ = file; }
    HWND Handle() const override { return TWindowHost::Handle(); }
    HICON Icon() const override { return icon_; }

    // Creates a form: the reference is set before the form reads its layout,
    // so that its own handlers can use it. The first form created becomes
    // the main form once it has been created.
    template <class F>
    void CreateForm(F*& reference) {
        F* form = new F(*this);
        reference = form;
        LoadForm(*form);
    }
    TForm* MainForm() const override { return mainForm_; }

    // Shows the main form (unless showing at start is switched off), then
    // runs the message loop until the quit request.
    void Run();
    // Fetches and dispatches one message, waiting for one if none is queued.
    void HandleMessage() override;
    // Dispatches the messages already queued, as the loop would, and returns.
    void ProcessMessages();
    bool Terminated() const override { return terminated_; }
    // Posts the quit request.
    void Terminate() override;
    // Ends the program now with the exit code (see HaltRequest). Meant for
    // start-up, outside any window procedure.
    [[noreturn]] void Halt(int exitCode);

    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }
    void ShowApplicationWindow() override;
    void Minimize() override;
    void Restore();
    std::function<void()> OnRestore;

    // The general error report: the message and a full stop, captioned with
    // the title, stop icon, OK.
    void ShowException(const std::wstring& message);
    // An error that no handler caught: goes to OnException when one is set,
    // else to the general error report.
    void HandleException(const std::wstring& message);
    std::function<void(const std::wstring& message)> OnException;

    // Help requests, owned by the main window.
    bool HelpContext(int context);
    bool HelpCommand(UINT command, ULONG_PTR data) override;
    void SetHelpService(HelpService service) { helpService_ = std::move(service); }

    // The component classes that layouts can name.
    ClassRegistry& Classes() { return classes_; }
    const ClassRegistry& Classes() const override { return classes_; }

    HintService& Hints() override { return *hints_; }

    void AddMessageFilter(MessageFilter* filter);
    void RemoveMessageFilter(MessageFilter* filter);

    FontCache& Fonts() override { return fonts_; }

    // Activation bookkeeping: a form's activation counts when the active form
    // of the program changes, not when the user comes back from another
    // program.
    void FormActivated(TForm& form) override;
    void FormDeactivated(TForm& form, HWND other) override;
    // A form that goes is no longer the active or the main form: another
    // form made later at the same address must not be taken for it.
    void FormDestroyed(const TForm& form) override;
    TForm* ActiveForm() const { return activeForm_; }

    // The window that owns message boxes: the active window of the program,
    // else the main form, else the application window.
    HWND DialogOwner() const override;

    std::vector<HWND> DisableTaskWindows(HWND except) override;
    void EnableTaskWindows(const std::vector<HWND>& windows) override;

protected:
    void WndProc(Message& m) override;

private:
    void LoadForm(TForm& form);
    void Dispatch(MSG& msg);
    bool ProcessMessage(MSG& msg);
    bool IsKeyMsg(const MSG& msg);

    std::wstring title_;
    std::wstring helpFile_;
    HICON icon_ = nullptr;
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    bool terminated_ = false;
    bool showMainForm_ = true;
    bool reporting_ = false;
    // The forms Minimize hid, for Restore to show again.
    std::vector<HWND> minimizedForms_;
    HelpService helpService_ = &WinHelpService;
    ClassRegistry classes_;
    std::vector<MessageFilter*> filters_;
    MnemonicKeys mnemonicKeys_;
    FontCache fonts_;
    std::unique_ptr<HintService> hints_;
};

// The program's application object (one per process).
extern TApplication* Application;

// The application a component belongs to, through its owners: for what
// works on the application object itself (the single-instance guard).
TApplication& ApplicationOf(const TComponent* component);

}  // namespace tk
