#include "Driver.h"

#include <stdexcept>

#include "Screen.h"

namespace driver {

Process Process::Launch(const std::wstring& exePath, const std::wstring& arguments,
                        bool waitForIdle) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        throw std::runtime_error("cannot start the program");
    }
    CloseHandle(pi.hThread);
    if (waitForIdle) WaitForInputIdle(pi.hProcess, 10000);
    return Process(pi.hProcess, pi.dwProcessId);
}

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
    other.handle_ = nullptr;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        if (handle_) CloseHandle(handle_);
        handle_ = other.handle_;
        id_ = other.id_;
        other.handle_ = nullptr;
    }
    return *this;
}

Process::~Process() {
    Kill();
    if (handle_) CloseHandle(handle_);
}

bool Process::WaitForExit(DWORD timeoutMs) {
    return handle_ && WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

DWORD Process::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Kill() {
    if (Running()) {
        TerminateProcess(handle_, 99);
        WaitForSingleObject(handle_, 5000);
    }
}

std::wstring OwnDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

std::wstring ProgramPath() { return OwnDirectory() + L"Rytmalo95.exe"; }

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->pid) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD processId, std::wstring_view className, bool visibleOnly) {
    for (HWND hwnd : TopLevelWindows(processId)) {
        if (ClassOf(hwnd) == className && (!visibleOnly || IsWindowVisible(hwnd))) return hwnd;
    }
    return nullptr;
}

HWND WaitForTopLevel(DWORD processId, std::wstring_view className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevel(processId, className)) != nullptr; }, timeoutMs);
    return found;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        children.push_back(c);
    return children;
}

HWND FindDescendant(HWND root, int id) {
    for (HWND child : Children(root)) {
        if (GetDlgCtrlID(child) == id) return child;
        if (HWND deeper = FindDescendant(child, id)) return deeper;
    }
    return nullptr;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256];
    const int n = GetClassNameW(window, name, 256);
    return std::wstring(name, n > 0 ? n : 0);
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT RectInParent(HWND window) {
    RECT r = ScreenRect(window);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool IsTopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool Activate(HWND window) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        5000);
}

namespace {

void SendKey(WORD vk, bool up, DWORD time = 0) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.ki.time = time;
    SendInput(1, &in, sizeof in);
}

void SendMouse(DWORD flags, POINT screen, DWORD time = 0) {
    INPUT in{};
    in.mi.time = time;
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

}  // namespace

void PressKey(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

void PressKeyStamped(WORD virtualKey, DWORD time) {
    SendKey(virtualKey, false, time);
    SendKey(virtualKey, true, time + 1);
}

void ClickStamped(POINT screen, DWORD time) {
    MoveMouse(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen, time);
    SendMouse(MOUSEEVENTF_LEFTUP, screen, time + 1);
}

void PressChord(std::initializer_list<WORD> keys) {
    for (WORD k : keys) SendKey(k, false);
    for (auto it = keys.end(); it != keys.begin();) SendKey(*--it, true);
}

void KeyDown(WORD virtualKey) { SendKey(virtualKey, false); }

void KeyUp(WORD virtualKey) { SendKey(virtualKey, true); }

void TypeText(std::wstring_view text) {
    for (wchar_t c : text) {
        const SHORT vk = VkKeyScanW(c);
        if (vk != -1 && !(vk & 0x0600)) {
            const bool shift = vk & 0x0100;
            if (shift) SendKey(VK_SHIFT, false);
            PressKey(static_cast<WORD>(vk & 0xFF));
            if (shift) SendKey(VK_SHIFT, true);
            continue;
        }
        INPUT in[2]{};
        in[0].type = INPUT_KEYBOARD;
        in[0].ki.wScan = c;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1] = in[0];
        in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

void MoveMouse(POINT screen) {
    // Under Wine the display may still report an earlier pointer position
    // just after the move; the pointer has settled when it stays put.
    const auto atTarget = [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    };
    for (int attempt = 0; attempt < 20; ++attempt) {
        SendMouse(MOUSEEVENTF_MOVE, screen);
        if (!WaitUntil(atTarget, 500)) continue;
        Sleep(100);
        if (atTarget()) return;
    }
}

void ClickAt(POINT screen) {
    MoveMouse(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
    Sleep(20);
    SendMouse(MOUSEEVENTF_LEFTUP, screen);
}

void RightClickAt(POINT screen) {
    MoveMouse(screen);
    SendMouse(MOUSEEVENTF_RIGHTDOWN, screen);
    Sleep(20);
    SendMouse(MOUSEEVENTF_RIGHTUP, screen);
}

void PressMouse(POINT screen) {
    MoveMouse(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
}

void ReleaseMouse(POINT screen) {
    MoveMouse(screen);
    SendMouse(MOUSEEVENTF_LEFTUP, screen);
}

POINT Center(HWND window) {
    const RECT r = ScreenRect(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click(HWND window) { ClickAt(Center(window)); }

// The window's place is read again before each click: a window that moved
// meanwhile is clicked where it is now.
bool ClickUntil(HWND window, const std::function<bool()>& effect) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickAt(Center(window));
        if (WaitUntil(effect, 2000)) return true;
    }
    return false;
}

bool RightClickUntil(HWND window, const std::function<bool()>& effect) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        RightClickAt(Center(window));
        if (WaitUntil(effect, 2000)) return true;
    }
    return false;
}

bool ClickUntil(POINT screen, const std::function<bool()>& effect) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickAt(screen);
        if (WaitUntil(effect, 2000)) return true;
    }
    return false;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    return WaitForTopLevel(processId, L"#32770", timeoutMs);
}

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    info.caption = TextOf(box);
    info.rect = ScreenRect(box);
    for (HWND child : Children(box)) {
        const std::wstring cls = ClassOf(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(cls.c_str(), L"Button") == 0) {
            info.buttons.push_back(TextOf(child));
            if ((style & 0xF) == BS_DEFPUSHBUTTON) info.defaultButton = GetDlgCtrlID(child);
        } else if (_wcsicmp(cls.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON) {
            const std::wstring text = TextOf(child);
            if (!text.empty()) info.text = text;
        }
    }
    return info;
}

LPCWSTR MessageBoxIcon(HWND box) {
    HWND iconControl = nullptr;
    for (HWND child : Children(box)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) iconControl = child;
    }
    if (!iconControl) return nullptr;
    // The box may still be painting.
    LPCWSTR icon = nullptr;
    WaitUntil(
        [&] { return (icon = IdentifySystemIcon(Capture(ScreenRect(iconControl)))) != nullptr; },
        3000);
    return icon;
}

}  // namespace driver
