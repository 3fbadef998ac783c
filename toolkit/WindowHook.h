// A hook on a window of this thread that some other code made (a standard
// control, the multiple-document client, the application window): it sees
// the window's messages before the window's own procedure and passes them
// on. Built on the system's subclassing, so that several hooks on one
// window come off in any order without cutting one another; like a hosted
// window, it stops any exception at the boundary.
#pragma once

#include "toolkit/Message.h"

namespace tk {

class TWindowHook {
public:
    // Hooks of one kind share an identifier, by which Find tells them; 0
    // gives each hook an identifier of its own.
    explicit TWindowHook(UINT_PTR kind = 0) : kind_(kind) {}
    virtual ~TWindowHook() { Unhook(); }
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;

    // Hooks the window in place of the one hooked before; false when the
    // system refused.
    bool Hook(HWND window);
    void Unhook();
    HWND Hooked() const { return hwnd_; }

    // The hook of a kind on a window, or nullptr.
    static TWindowHook* Find(HWND window, UINT_PTR kind);

protected:
    // The hook's message table; the default passes the message on.
    virtual void WndProc(Message& m) { Default(m); }
    // The window's own handling (and that of the hooks beneath this one).
    void Default(Message& m);
    // The window has gone; the hook came off with it.
    virtual void Unhooked() {}

private:
    UINT_PTR Id() const { return kind_ ? kind_ : reinterpret_cast<UINT_PTR>(this); }
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

    UINT_PTR kind_;
    HWND hwnd_ = nullptr;
};

}  // namespace tk
