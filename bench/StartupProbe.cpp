// Linked into a benchmark-only copy of the program (Rytmalo95-probe.exe),
// never into Rytmalo95.exe: times one start from inside, without a line of
// the program changed. Its constructor runs before any other of the
// program's static constructors; it puts timing wrappers in the program's
// import table in front of the system calls that start-up is made of, and
// records with the performance counter:
// - marks: the probe's constructor (the end of image load, relocation, the
//   DLLs loaded at start and the runtime's own start), the entry of
//   wWinMain (the end of C++ static construction), each top-level window's
//   creation, the main window shown, the first paint done (the first time
//   the message loop finds the queue empty once the main window shows);
// - for each kind of call, its count and its own time (the time of calls
//   made inside it counted in theirs), before the main window shows and
//   until the first paint is done.
// At the first paint done it writes all that to the file that
// RYTMALO_PROBE_FILE names, for startup-breakdown.exe to read.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "ProbeRecord.h"

namespace {

using namespace probe;

// The originals, set when the import table is patched.
#define REAL(name) decltype(&::name) real_##name = nullptr;
REAL(LoadLibraryExW)
REAL(LoadLibraryW)
REAL(FreeLibrary)
REAL(InitCommonControlsEx)
REAL(RegCreateKeyExW)
REAL(RegOpenKeyExW)
REAL(RegQueryValueExW)
REAL(RegSetValueExW)
REAL(RegCloseKey)
REAL(CreateFontIndirectW)
REAL(CreateBrushIndirect)
REAL(CreateSolidBrush)
REAL(CreatePen)
REAL(CreateCompatibleDC)
REAL(CreateCompatibleBitmap)
REAL(CreateDCW)
REAL(CreateRectRgn)
REAL(LoadImageW)
REAL(LoadIconW)
REAL(LoadCursorW)
REAL(CopyImage)
REAL(CreateFileMappingW)
REAL(RegisterWindowMessageW)
REAL(SetWindowSubclass)
REAL(BroadcastSystemMessageW)
REAL(RegisterClassExW)
REAL(GetClassInfoExW)
REAL(CreateWindowExW)
REAL(CreateMenu)
REAL(CreatePopupMenu)
REAL(AppendMenuW)
REAL(SetMenu)
REAL(ShowWindow)
REAL(GetMessageW)
REAL(SetFocus)
REAL(SendMessageW)
REAL(SetWindowPos)
REAL(GetDC)
REAL(GetWindowDC)
REAL(ReleaseDC)
REAL(GetTextExtentPoint32W)
REAL(DrawTextW)
REAL(SetWindowTextW)
REAL(SetForegroundWindow)
REAL(SystemParametersInfoW)
REAL(GetMonitorInfoW)
REAL(EnumDisplayMonitors)
REAL(DispatchMessageW)
REAL(GetModuleHandleW)
#undef REAL

bool IsAppPathsKey(HKEY key) {
    for (HKEY k : state->appPathKeys)
        if (k == key) return true;
    return false;
}

KindId RegistryKind(HKEY key) { return IsAppPathsKey(key) ? kAppPathsRegistry : kSettingsRegistry; }

KindId OpenedKind(HKEY parent, const wchar_t* subKey) {
    return (subKey && std::wcsstr(subKey, L"App Paths")) || IsAppPathsKey(parent)
               ? kAppPathsRegistry
               : kSettingsRegistry;
}

HMODULE WINAPI HookLoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags) {
    Timed t(kDllLoad);
    state->loaded.push_back(Narrow(name));
    return real_LoadLibraryExW(name, file, flags);
}
HMODULE WINAPI HookLoadLibraryW(LPCWSTR name) {
    Timed t(kDllLoad);
    state->loaded.push_back(Narrow(name));
    return real_LoadLibraryW(name);
}
BOOL WINAPI HookInitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    // The yardstick's first call, which has no other before it.
    if (!state->inMain) {
        state->inMain = true;
        AddMark("wWinMain");
    }
    Timed t(kCommonControls);
    const BOOL done = real_InitCommonControlsEx(init);
    AddMark("common controls initialised");
    return done;
}
LSTATUS WINAPI HookRegCreateKeyExW(HKEY key, LPCWSTR sub, DWORD reserved, LPWSTR cls, DWORD options,
                                   REGSAM sam, LPSECURITY_ATTRIBUTES sa, PHKEY result,
                                   LPDWORD disposition) {
    const KindId kind = OpenedKind(key, sub);
    Timed t(kind);
    const LSTATUS status =
        real_RegCreateKeyExW(key, sub, reserved, cls, options, sam, sa, result, disposition);
    if (status == ERROR_SUCCESS && kind == kAppPathsRegistry) state->appPathKeys.push_back(*result);
    return status;
}
LSTATUS WINAPI HookRegOpenKeyExW(HKEY key, LPCWSTR sub, DWORD options, REGSAM sam, PHKEY result) {
    const KindId kind = OpenedKind(key, sub);
    Timed t(kind);
    const LSTATUS status = real_RegOpenKeyExW(key, sub, options, sam, result);
    if (status == ERROR_SUCCESS && kind == kAppPathsRegistry) state->appPathKeys.push_back(*result);
    return status;
}
LSTATUS WINAPI HookRegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type,
                                    LPBYTE data, LPDWORD size) {
    Timed t(RegistryKind(key));
    return real_RegQueryValueExW(key, name, reserved, type, data, size);
}
LSTATUS WINAPI HookRegSetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type,
                                  const BYTE* data, DWORD size) {
    Timed t(RegistryKind(key));
    return real_RegSetValueExW(key, name, reserved, type, data, size);
}
LSTATUS WINAPI HookRegCloseKey(HKEY key) {
    Timed t(RegistryKind(key));
    std::erase(state->appPathKeys, key);
    return real_RegCloseKey(key);
}
BOOL WINAPI HookSetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    Timed t(ClassOf(hwnd) == "TApplication" ? kSingleInstance : kSubclass);
    return real_SetWindowSubclass(hwnd, proc, id, data);
}
HWND WINAPI HookCreateWindowExW(DWORD ex, LPCWSTR cls, LPCWSTR text, DWORD style, int x, int y,
                                int cx, int cy, HWND parent, HMENU menu, HINSTANCE instance,
                                LPVOID param) {
    const bool child = (style & WS_CHILD) != 0;
    const std::string name = Narrow(cls);
    if (!child) AddMark("window " + name + " begins");
    if (child) state->controls[name] += 1;
    HWND made;
    {
        Timed t(child ? kControls : kTopLevelWindows);
        made =
            real_CreateWindowExW(ex, cls, text, style, x, y, cx, cy, parent, menu, instance, param);
    }
    if (!child) AddMark("window " + name + " made");
    // Where the system put the new control among its siblings.
    if (child && made) {
        state->controls[GetWindow(made, GW_HWNDPREV) ? "(made below a sibling)"
                                                     : "(made on top of its siblings)"] += 1;
    }
    if (!child && name == "TMainForm" && !state->mainWindow) state->mainWindow = made;
    return made;
}
BOOL WINAPI HookShowWindow(HWND hwnd, int command) {
    const bool main = hwnd && hwnd == state->mainWindow && command != SW_HIDE && !state->shown;
    const bool application = ClassOf(hwnd) == "TApplication";
    if (main) {
        // Hooks make every message dearer: they are there only while the
        // messages are watched.
        state->before =
            SetWindowsHookExW(WH_CALLWNDPROC, &BeforeHandling, nullptr, GetCurrentThreadId());
        state->after =
            SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterHandling, nullptr, GetCurrentThreadId());
        AddMark("main window show begins");
        state->showing = true;
    }
    BOOL was;
    {
        Timed t(main ? kShowMain : application ? kShowApplication : kTopLevelWindows);
        was = real_ShowWindow(hwnd, command);
    }
    if (main) {
        AddMark("main window shown");
        state->showing = false;
        state->shown = true;
    }
    return was;
}
BOOL WINAPI HookGetMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last) {
    if (state->shown && !state->written && HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) {
        AddMark("first paint done");
        WriteReport();
    }
    return real_GetMessageW(msg, hwnd, first, last);
}
LRESULT WINAPI HookSendMessageW(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    Timed t(msg == WM_SETFONT ? kSetFont : kSendMessage);
    return real_SendMessageW(hwnd, msg, w, l);
}
LRESULT WINAPI HookDispatchMessageW(const MSG* msg) {
    if (!Watching() || !msg->hwnd) return real_DispatchMessageW(msg);
    BeginHandling(msg->hwnd, msg->message);
    const LRESULT result = real_DispatchMessageW(msg);
    EndHandling("(posted) ");
    return result;
}
HMODULE WINAPI HookGetModuleHandleW(LPCWSTR name) {
    // wWinMain's first call.
    if (!state->inMain && name && !_wcsicmp(name, L"kernel32.dll")) {
        state->inMain = true;
        AddMark("wWinMain");
    }
    return real_GetModuleHandleW(name);
}

// The wrapper of a call that is only timed, as one kind of call.
template <typename Function>
struct TimedAs;
template <typename Result, typename... Args>
struct TimedAs<Result (*)(Args...)> {
    template <KindId kind, Result (**real)(Args...)>
    static Result WINAPI Hook(Args... args) {
        Timed t(kind);
        return (*real)(args...);
    }
};

struct Hook {
    const char* name;
    void* hook;
    void** real;
};

#define HOOK(name) \
    { #name, reinterpret_cast < void*>(&Hook##name), reinterpret_cast < void**>(&real_##name) }
// A call that is only timed, as the kind.
// clang-format off
#define TIMED(name, kind)                                                                   \
    { #name, reinterpret_cast<void*>(&TimedAs<decltype(real_##name)>::Hook<kind, &real_##name>), \
      reinterpret_cast<void**>(&real_##name) }
// clang-format on
const Hook kHooks[] = {
    HOOK(LoadLibraryExW),
    HOOK(LoadLibraryW),
    TIMED(FreeLibrary, kDllLoad),
    HOOK(InitCommonControlsEx),
    HOOK(RegCreateKeyExW),
    HOOK(RegOpenKeyExW),
    HOOK(RegQueryValueExW),
    HOOK(RegSetValueExW),
    HOOK(RegCloseKey),
    TIMED(CreateFontIndirectW, kFonts),
    TIMED(CreateBrushIndirect, kGdiObjects),
    TIMED(CreateSolidBrush, kGdiObjects),
    TIMED(CreatePen, kGdiObjects),
    TIMED(CreateCompatibleDC, kGdiObjects),
    TIMED(CreateCompatibleBitmap, kGdiObjects),
    TIMED(CreateDCW, kGdiObjects),
    TIMED(CreateRectRgn, kGdiObjects),
    TIMED(LoadImageW, kImages),
    TIMED(LoadIconW, kImages),
    TIMED(LoadCursorW, kImages),
    TIMED(CopyImage, kImages),
    TIMED(CreateFileMappingW, kSingleInstance),
    TIMED(RegisterWindowMessageW, kSingleInstance),
    HOOK(SetWindowSubclass),
    TIMED(BroadcastSystemMessageW, kSingleInstance),
    TIMED(RegisterClassExW, kClasses),
    TIMED(GetClassInfoExW, kClasses),
    HOOK(CreateWindowExW),
    TIMED(CreateMenu, kMenus),
    TIMED(CreatePopupMenu, kMenus),
    TIMED(AppendMenuW, kMenus),
    TIMED(SetMenu, kMenus),
    HOOK(ShowWindow),
    HOOK(GetMessageW),
    TIMED(SetFocus, kFocus),
    HOOK(SendMessageW),
    TIMED(SetWindowPos, kWindowPos),
    TIMED(GetDC, kDeviceContexts),
    TIMED(GetWindowDC, kDeviceContexts),
    TIMED(ReleaseDC, kDeviceContexts),
    TIMED(GetTextExtentPoint32W, kText),
    TIMED(DrawTextW, kText),
    TIMED(SetWindowTextW, kText),
    TIMED(SetForegroundWindow, kForeground),
    TIMED(SystemParametersInfoW, kSystemInfo),
    TIMED(GetMonitorInfoW, kSystemInfo),
    TIMED(EnumDisplayMonitors, kSystemInfo),
    HOOK(DispatchMessageW),
    HOOK(GetModuleHandleW),
};
#undef TIMED
#undef HOOK

// Puts the wrappers in the program's import table, by imported name.
void PatchImports() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name; ++imp) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(
            base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (const Hook& h : kHooks) {
                if (std::strcmp(h.name, reinterpret_cast<const char*>(byName->Name)) != 0) continue;
                DWORD old;
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                               &old);
                *h.real = reinterpret_cast<void*>(slots->u1.Function);
                slots->u1.Function = reinterpret_cast<ULONG_PTR>(h.hook);
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            }
        }
    }
}

struct Probe {
    Probe() {
        const std::int64_t start = Now();
        state = new State;
        state->marks.push_back({"probe", start});
        // Ticks as the system's traces stamp them, for the DLL loads.
        state->tick = GetTickCount();
        state->tickAt = Now();
        PatchImports();
        AddMark("probe ready");
    }
};

}  // namespace

// Before every other static constructor of the program.
__attribute__((init_priority(101))) Probe startupProbe;
