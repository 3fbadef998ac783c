// The application object: its window (the taskbar entry), title, help file,
// forms, message loop and the general error report.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Exception.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/Help.h"
#include "toolkit/Win.h"

namespace tk {

// Sees every message the loop fetches before it is dispatched; returns true
// to keep it from its window.
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual bool PreTranslate(MSG& msg) = 0;
};

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;

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
    bool Terminated() const { return terminated_; }
    // Posts the quit request.
    void Terminate();

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
    HelpService helpService_ = &WinHelpService;
    std::map<std::string, ComponentFactory, std::less<>> classes_;
    std::vector<MessageFilter*> filters_;
    FontCache fonts_;
};

// The program's application object (one per process).
extern TApplication* Application;

// Shows the exception being handled in the general error report. Call from
// a catch block.
void ReportCurrentException();

}  // namespace tk
