// A hook on a window that the program itself has just made from a standard
// class (a control): it takes the window's procedure and finds its object
// in the window's user data, which the standard classes leave to the
// program. The system's subclassing looks its hooks up in a window property
// at every message, a trip to the window server under Wine; this one reads
// the window's own memory. Only one such hook per window; another hook put
// on top later (the system's subclassing included) still sees every message
// and may stay when this one comes off.
#pragma once

#include "toolkit/Message.h"

namespace tk {

class TProcedureHook {
public:
    TProcedureHook() = default;
    virtual ~TProcedureHook() { Unhook(); }
    TProcedureHook(const TProcedureHook&) = delete;
    TProcedureHook& operator=(const TProcedureHook&) = delete;

    // Hooks the window, which no hook of this kind holds yet; false when
    // the system refused.
    bool Hook(HWND window);
    void Unhook();
    HWND Hooked() const { return hwnd_; }

    // The hook on a window whose procedure is the hook's, or nullptr (for
    // a window of another process too).
    static TProcedureHook* Find(HWND window);

protected:
    // The hook's message table; the default passes the message on.
    virtual void WndProc(Message& m) { Default(m); }
    // The window's own handling.
    void Default(Message& m);
    // The window has gone; the hook came off with it.
    virtual void Unhooked() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
};

}  // namespace tk
