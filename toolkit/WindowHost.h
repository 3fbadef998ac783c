// Where every window the program makes meets its object. One window
// procedure serves every class the program registers: it binds the object
// when the window is created, hands it each message, lets it go when the
// window is destroyed, and stops any exception at the boundary, where it
// goes to the error report and the window goes on.
#pragma once

#include <string_view>

#include "toolkit/Message.h"

namespace tk {

struct WindowClassSpec {
    std::wstring_view name;
    UINT style = 0;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HBRUSH background = nullptr;
};

struct WindowSpec {
    DWORD exStyle = 0;
    std::wstring_view text;
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;  // or owner, for a top-level window
    HMENU menu = nullptr;   // a top-level window's menu bar
};

class TWindowHost {
public:
    TWindowHost() = default;
    // Destroys a window still there; the derived object is gone by then, so
    // a class that handles its window's last messages destroys it itself.
    virtual ~TWindowHost();
    TWindowHost(const TWindowHost&) = delete;
    TWindowHost& operator=(const TWindowHost&) = delete;

    HWND Handle() const { return hwnd_; }
    // The object behind a window made through a host, or nullptr.
    static TWindowHost* FromHandle(HWND window);

protected:
    // Registers the class the first time, then creates the window bound to
    // this object; raises an Exception when the system refuses.
    void CreateHostedWindow(const WindowClassSpec& windowClass, const WindowSpec& window);
    void DestroyHostedWindow();
    // The object's message table; the default is the system's handling.
    virtual void WndProc(Message& m);
    void DefaultHandler(Message& m);
    // The window has gone (after its last message): the object is free.
    virtual void WindowDestroyed() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace tk
