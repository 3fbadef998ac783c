// The application object: its window (the taskbar entry), title, help file,
// forms, message loop and the general error report.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Exception.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/Help.h"
#include "toolkit/Win.h"

namespace tk {

class HintTracker;
class THintWindow;

// Ends the program at once: thrown by TApplication::Halt, it unwinds to the
// entry point, which returns the exit code; the forms and their components
// are destroyed on the way. Not an error: nothing reports it.
struct HaltRequest {
    int exitCode = 0;
};

// Sees every message the loop fetches before it is dispatched; returns true
// to keep it from its window.
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual bool PreTranslate(MSG& msg) = 0;
};

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Makes the application's hint window; a component may install its own kind.
using HintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    HWND Handle() const { return handle_; }
    const std::wstring& Title() const { return title_; }
    void SetTitle(std::wstring_view title);
    const std::wstring& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::wstring_view file) { helpFile_ = file; }
    HICON Icon() const { return icon_; }

    // Creates a form: the reference is set before the form reads its layout,
    // so that its own handlers can use it. The first form created becomes
    // the main form once it has been created.
    template <class F>
    void CreateForm(F*& reference) {
        F* form = new F(*this);
        reference = form;
        LoadForm(*form);
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form (unless showing at start is switched off), then
    // runs the message loop until the quit request.
    void Run();
    // Fetches and dispatches one message, waiting for one if none is queued.
    void HandleMessage();
    // Dispatches the messages already queued, as the loop would, and returns.
    void ProcessMessages();
    bool Terminated() const { return terminated_; }
    // Posts the quit request.
    void Terminate();
    // Ends the program now with the exit code (see HaltRequest). Meant for
    // start-up, outside any window procedure.
    [[noreturn]] void Halt(int exitCode);

    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }
    void ShowApplicationWindow();
    void Minimize();
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
    bool HelpCommand(UINT command, ULONG_PTR data);
    void SetHelpService(HelpService service) { helpService_ = std::move(service); }

    // Component classes that layouts can name.
    void RegisterComponentClass(std::string_view className, ComponentFactory factory);
    TComponent* CreateComponent(std::string_view className, TComponent* owner) const;

    // Hints. Switching them on creates the hint window from the current hint
    // window class; switching them off destroys it.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    void SetHintWindowClass(HintWindowClass windowClass) {
        hintWindowClass_ = std::move(windowClass);
    }
    THintWindow* HintWindow() const { return hintWindow_.get(); }
    // Milliseconds the mouse rests on a control before its hint shows.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int milliseconds) { hintPause_ = milliseconds; }
    // Before the next control's hint while one is showing.
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int milliseconds) { hintShortPause_ = milliseconds; }
    // How long a hint stays.
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int milliseconds) { hintHidePause_ = milliseconds; }
    Color HintColor() const { return hintColor_; }
    void SetHintColor(Color color);
    // Hides the hint showing or pending (a dialog or message box comes up).
    void CancelHint();

    void AddMessageFilter(MessageFilter* filter);
    void RemoveMessageFilter(MessageFilter* filter);

    FontCache& Fonts() { return fonts_; }

    // Activation bookkeeping: a form's activation counts when the active form
    // of the program changes, not when the user comes back from another
    // program.
    void FormActivated(TForm& form);
    void FormDeactivated(TForm& form, HWND other);
    // A form that goes is no longer the active or the main form: another
    // form made later at the same address must not be taken for it.
    void FormDestroyed(const TForm& form);
    TForm* ActiveForm() const { return activeForm_; }

    // The window that owns message boxes: the active window of the program,
    // else the main form, else the application window.
    HWND DialogOwner() const;

    std::vector<HWND> DisableTaskWindows(HWND except);
    void EnableTaskWindows(const std::vector<HWND>& windows);

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    void LoadForm(TForm& form);
    void Dispatch(MSG& msg);
    bool ProcessMessage(MSG& msg);
    bool IsKeyMsg(const MSG& msg);

    HWND handle_ = nullptr;
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
    std::map<std::string, ComponentFactory, std::less<>> classes_;
    std::vector<MessageFilter*> filters_;
    FontCache fonts_;
    bool showHint_ = false;
    HintWindowClass hintWindowClass_;
    std::unique_ptr<THintWindow> hintWindow_;
    std::unique_ptr<HintTracker> hintTracker_;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    Color hintColor_ = clInfoBk;
};

// The program's application object (one per process).
extern TApplication* Application;

// Shows the exception being handled in the general error report. Call from
// a catch block.
void ReportCurrentException();

}  // namespace tk
