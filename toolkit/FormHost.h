// What a form needs from the program it belongs to. The application object
// provides it; a form is given it when it is made, and reaches the program
// through it alone.
#pragma once

#include <vector>

#include "toolkit/Win.h"

namespace tk {

class FontCache;
class TClassRegistry;
class THintService;
class TForm;

class FormHost {
public:
    // The window that owns the forms' windows and stands for the program in
    // the taskbar; the icon a form without one of its own shows.
    virtual HWND Handle() const = 0;
    virtual HICON Icon() const = 0;

    // What the forms share.
    virtual FontCache& Fonts() = 0;
    virtual const TClassRegistry& Classes() const = 0;
    virtual THintService& Hints() = 0;

    // The main form, whose closing ends the program, and whose minimising
    // takes the program to the taskbar.
    virtual TForm* MainForm() const = 0;
    virtual void ShowApplicationWindow() = 0;
    virtual void Minimize() = 0;
    virtual void Terminate() = 0;

    // A modal showing: the loop runs nested, the program's other windows
    // disabled meanwhile.
    virtual void HandleMessage() = 0;
    virtual bool Terminated() const = 0;
    virtual std::vector<HWND> DisableTaskWindows(HWND except) = 0;
    virtual void EnableTaskWindows(const std::vector<HWND>& windows) = 0;

    // Which form the user works in.
    virtual void FormActivated(TForm& form) = 0;
    virtual void FormDeactivated(TForm& form, HWND other) = 0;
    virtual void FormDestroyed(const TForm& form) = 0;

    // A help request (HELP_CONTEXT, HELP_CONTEXTPOPUP, ...).
    virtual bool HelpCommand(UINT command, ULONG_PTR data) = 0;

protected:
    ~FormHost() = default;
};

}  // namespace tk
