#include "toolkit/WindowHook.h"

#include "toolkit/ErrorReport.h"

namespace tk {
namespace {

using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// The common controls library exports it by name and as ordinal 411 (the
// import libraries of some tool sets know neither).
GetWindowSubclassFn GetWindowSubclassFunction() {
    static const GetWindowSubclassFn function = [] {
        HMODULE controls = GetModuleHandleW(L"comctl32.dll");
        if (!controls) return GetWindowSubclassFn{};
        FARPROC found = GetProcAddress(controls, "GetWindowSubclass");
        if (!found) found = GetProcAddress(controls, MAKEINTRESOURCEA(411));
        return reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void*>(found));
    }();
    return function;
}

}  // namespace

bool TWindowHook::Hook(HWND window) {
    Unhook();
    if (!window || !SetWindowSubclass(window, &TWindowHook::Procedure, Id(),
                                      reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = window;
    return true;
}

void TWindowHook::Unhook() {
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_, &TWindowHook::Procedure, Id());
    hwnd_ = nullptr;
}

TWindowHook* TWindowHook::Find(HWND window, UINT_PTR kind) {
    DWORD_PTR self = 0;
    const GetWindowSubclassFn getSubclass = GetWindowSubclassFunction();
    if (!window || !getSubclass || !getSubclass(window, &TWindowHook::Procedure, kind, &self))
        return nullptr;
    return reinterpret_cast<TWindowHook*>(self);
}

void TWindowHook::Default(Message& m) {
    m.result = DefSubclassProc(m.hwnd, m.msg, m.wParam, m.lParam);
}

LRESULT CALLBACK TWindowHook::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
    auto* hook = reinterpret_cast<TWindowHook*>(self);
    if (msg == WM_NCDESTROY) {
        // Off before the window goes, whatever its procedure does then.
        hook->Unhook();
        hook->Unhooked();
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    Message m{hwnd, msg, wParam, lParam};
    if (!Guarded([&] { hook->WndProc(m); })) m.result = 0;
    return m.result;
}

}  // namespace tk
