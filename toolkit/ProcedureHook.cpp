#include "toolkit/ProcedureHook.h"

#include "toolkit/ErrorReport.h"

namespace tk {
namespace {

WNDPROC ProcedureOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

}  // namespace

bool TProcedureHook::Hook(HWND window) {
    Unhook();
    if (!window || Find(window)) return false;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TProcedureHook::Procedure)));
    if (!original_) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return false;
    }
    hwnd_ = window;
    return true;
}

// The window's procedure is given back when it is still this one's; under
// a hook put on top since, it stays and passes every message on, the object
// gone from the window's user data.
void TProcedureHook::Unhook() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    if (ProcedureOf(hwnd_) == &TProcedureHook::Procedure)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    hwnd_ = nullptr;
}

TProcedureHook* TProcedureHook::Find(HWND window) {
    // The user data of a window with another procedure is not ours to read.
    if (!window || ProcedureOf(window) != &TProcedureHook::Procedure) return nullptr;
    auto* hook = reinterpret_cast<TProcedureHook*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return hook && hook->hwnd_ == window ? hook : nullptr;
}

void TProcedureHook::Default(Message& m) {
    m.result = CallWindowProcW(original_, m.hwnd, m.msg, m.wParam, m.lParam);
}

LRESULT CALLBACK TProcedureHook::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* hook = reinterpret_cast<TProcedureHook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!hook || hook->hwnd_ != hwnd) {
        // Unhooked beneath a later hook: the class's own procedure, which is
        // what this one took the place of.
        const auto own = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
        return CallWindowProcW(own, hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        // Off before the window goes, whatever its procedure does then.
        const WNDPROC original = hook->original_;
        hook->Unhook();
        hook->Unhooked();
        return CallWindowProcW(original, hwnd, msg, wParam, lParam);
    }
    Message m{hwnd, msg, wParam, lParam};
    if (!Guarded([&] { hook->WndProc(m); })) m.result = 0;
    return m.result;
}

}  // namespace tk
