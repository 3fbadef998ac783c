#include "components/DesktopComposition.h"

#include <string>

#include <dwmapi.h>

namespace rytmalo {
namespace {

// dwmapi.dll from the system folder only, never from the program's folder
// or the current one; systems before Vista have none.
HMODULE LoadDwmApi() {
    if (HMODULE dll = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return dll;
    // Systems without the safe search flags: the full path instead.
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, n) + L"\\dwmapi.dll";
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

bool UseOwnNonClientPainting(HWND window) {
    HMODULE dll = LoadDwmApi();
    if (!dll) return false;
    using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    const auto set = reinterpret_cast<SetAttribute>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DwmSetWindowAttribute")));
    bool done = false;
    if (set) {
        const DWMNCRENDERINGPOLICY policy = DWMNCRP_DISABLED;
        done = SUCCEEDED(set(window, DWMWA_NCRENDERING_POLICY, &policy, sizeof policy));
    }
    // The attribute stays with the window.
    FreeLibrary(dll);
    return done;
}

}  // namespace rytmalo
