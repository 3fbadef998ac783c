#include "XInput.h"

#include <string>

#include <windows.h>

namespace driver {
namespace {

// The Windows path of a host file (Wine's conversion).
std::wstring HostToWindowsPath(const std::string& hostPath) {
    using Convert = WCHAR*(CDECL*)(const char*);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!convert) return {};
    WCHAR* converted = convert(hostPath.c_str());
    if (!converted) return {};
    std::wstring path(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return path;
}

}  // namespace

bool TypeOnDisplay(std::string_view arguments) {
    char tool[1024];
    const DWORD n = GetEnvironmentVariableA("RYTMALO_XINPUT", tool, sizeof tool);
    if (n == 0 || n >= sizeof tool) return false;
    const std::wstring program = HostToWindowsPath(tool);
    if (program.empty()) return false;
    std::wstring commandLine = L"xdotool " + std::wstring(arguments.begin(), arguments.end());
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    // Wine starts a host program without a handle to wait on.
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        return false;
    }
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    return true;
}

bool KeysReleased() {
    for (int key = 1; key < 256; ++key) {
        if (GetAsyncKeyState(key) & 0x8000) return false;
    }
    return true;
}

}  // namespace driver
