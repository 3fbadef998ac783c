// Finding a program's window from outside as a user sees it: visible,
// top-level, with the program's title; and ending the program started.
#pragma once

#include <string>

#include <windows.h>

namespace bench {

// A visible top-level window of the process with exactly that title. The
// system's copy of the title is read first; a window that keeps its title to
// itself (the system's copy is empty) is asked for it, as any program that
// reads window titles does, and its answer is waited for.
inline HWND VisibleWindowTitled(DWORD processId, const std::wstring& title) {
    struct Search {
        DWORD processId;
        const std::wstring& title;
        HWND found = nullptr;
    } search{processId, title};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid != s.processId || !IsWindowVisible(hwnd)) return TRUE;
            wchar_t text[64] = {};
            int n = GetWindowTextW(hwnd, text, 64);
            DWORD_PTR copied = 0;
            if (n == 0 && SendMessageTimeoutW(hwnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text),
                                              SMTO_ABORTIFHUNG, 5000, &copied)) {
                n = static_cast<int>(copied);
            }
            if (n <= 0 || s.title.compare(0, std::wstring::npos, text, n) != 0) return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The program started is asked to close through its window (when it
// showed one), ended if it does not, and its handles closed.
inline void EndStarted(PROCESS_INFORMATION& pi, HWND window) {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace bench
