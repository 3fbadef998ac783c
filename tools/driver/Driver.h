// Drives the real program from outside, as a user would: starts it, finds
// its windows, types, presses keys, clicks, reads what the windows show.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace driver {

// A started process; ended (killed) when the object goes, if still running.
class Process {
public:
    // Waits until the program is idle for input, unless told not to (to
    // start several at once).
    static Process Launch(const std::wstring& exePath, const std::wstring& arguments = {},
                          bool waitForIdle = true);
    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;
    DWORD ExitCode() const;
    void Kill();

private:
    Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Folder of the running driver, with a trailing backslash.
std::wstring OwnDirectory();
// The program under test: Rytmalo95.exe beside the driver.
std::wstring ProgramPath();

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Top-level windows of a process, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId);
HWND FindTopLevel(DWORD processId, std::wstring_view className, bool visibleOnly = true);
HWND WaitForTopLevel(DWORD processId, std::wstring_view className, DWORD timeoutMs = 10000);
// A window below root (any depth) with that control identifier.
HWND FindDescendant(HWND root, int id);
std::vector<HWND> Children(HWND parent);

std::wstring ClassOf(HWND window);
// The window's text as the window itself reports it (WM_GETTEXT).
std::wstring TextOf(HWND window);
RECT ScreenRect(HWND window);
// Position in the parent's client area.
RECT RectInParent(HWND window);
bool IsTopMost(HWND window);

// Makes the window the foreground window and waits until it is.
bool Activate(HWND window);
void PressKey(WORD virtualKey);
// A key pressed and released with the time stamp its messages carry (the
// system's tick count, in milliseconds), whenever they are handled.
void PressKeyStamped(WORD virtualKey, DWORD time);
// A left click at a point whose messages carry the time stamp.
void ClickStamped(POINT screen, DWORD time);
// Keys held down together in order, released in reverse (e.g. Alt, O).
void PressChord(std::initializer_list<WORD> keys);
// One key down or up, for the orders a chord does not give.
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
void TypeText(std::wstring_view text);
void MoveMouse(POINT screen);
void ClickAt(POINT screen);
// A click of the right button, as for a context menu.
void RightClickAt(POINT screen);
// The left button pressed at a point, and released at another (a drag).
void PressMouse(POINT screen);
void ReleaseMouse(POINT screen);
// Clicks the centre of a window.
void Click(HWND window);
// Clicks the centre of a window, or a point, until the click shows its effect (at most
// three clicks); true when it did. Under Wine on a virtual display a click
// can, rarely, land where the pointer was a moment before (the display
// reports the old position late); only clicks whose repetition is harmless
// (focus, a radio button, a button that closes something) belong here.
bool ClickUntil(HWND window, const std::function<bool()>& effect);
bool ClickUntil(POINT screen, const std::function<bool()>& effect);
// The same with the right button (a context menu that came up, say).
bool RightClickUntil(HWND window, const std::function<bool()>& effect);
POINT Center(HWND window);

// Message boxes (dialogs of class #32770) shown by a process.
struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;
    int defaultButton = 0;  // control id of the default push button
    RECT rect{};
};
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
MessageBoxInfo ReadMessageBox(HWND box);
// The icon a message box shows, among the system's four: IDI_HAND,
// IDI_EXCLAMATION, IDI_ASTERISK, IDI_QUESTION, or nullptr.
LPCWSTR MessageBoxIcon(HWND box);

}  // namespace driver
