// What a form needs from the program it belongs to. The application object
// provides it; a form has it from whoever makes it (its owner: the
// application, or another form), and reaches the program through it alone;
// the components on a form reach it through their owner.
//
// It is one interface, not several, because every form needs each of its
// parts: the program's window (that owns the form's window and stands for
// it in the taskbar), what the forms share (fonts, component classes,
// hints), the program's life (its main form, minimising, ending), a modal
// showing (the nested loop and the other windows disabled meanwhile), the
// bookkeeping of which form is active, message boxes and help.
#pragma once

#include <vector>

#include "toolkit/Win.h"

namespace tk {

class ClassRegistry;
class FontCache;
class HintService;
class TComponent;
class TForm;

class FormHost {
public:
    // The window that owns the forms' windows and stands for the program in
    // the taskbar; the icon a form without one of its own shows.
    virtual HWND Handle() const = 0;
    virtual HICON Icon() const = 0;

    // What the forms share.
    virtual FontCache& Fonts() = 0;
    virtual const ClassRegistry& Classes() const = 0;
    virtual HintService& Hints() = 0;

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

    // The window that owns message boxes: the program's active window.
    virtual HWND DialogOwner() const = 0;
    // A help request (HELP_CONTEXT, HELP_CONTEXTPOPUP, ...).
    virtual bool HelpCommand(UINT command, ULONG_PTR data) = 0;

protected:
    ~FormHost() = default;
};

// The program a component belongs to: the host of the form that owns it,
// or its owner itself when that is the program. A component owned by
// neither belongs to no program: a logic error.
FormHost& HostOf(const TComponent* owner);

}  // namespace tk
