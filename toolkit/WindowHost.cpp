#include "toolkit/WindowHost.h"

#include <string>

#include "toolkit/ErrorReport.h"
#include "core/Exception.h"

namespace tk {

TWindowHost::~TWindowHost() { DestroyHostedWindow(); }

TWindowHost* TWindowHost::FromHandle(HWND window) {
    if (!window || GetClassLongPtrW(window, GCLP_WNDPROC) !=
                       reinterpret_cast<ULONG_PTR>(&TWindowHost::Procedure)) {
        return nullptr;
    }
    return reinterpret_cast<TWindowHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void TWindowHost::CreateHostedWindow(const WindowClassSpec& windowClass, const WindowSpec& window) {
    const std::wstring className(windowClass.name);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof existing};
    if (!GetClassInfoExW(instance, className.c_str(), &existing)) {
        WNDCLASSEXW wc{sizeof wc};
        wc.style = windowClass.style;
        wc.lpfnWndProc = &TWindowHost::Procedure;
        wc.hInstance = instance;
        wc.hIcon = windowClass.icon;
        wc.hIconSm = windowClass.smallIcon;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = windowClass.background;
        wc.lpszClassName = className.c_str();
        RegisterClassExW(&wc);
    }
    const std::wstring text(window.text);
    CreateWindowExW(window.exStyle, className.c_str(), text.c_str(), window.style, window.x,
                    window.y, window.width, window.height, window.parent, window.menu, instance,
                    this);
    if (!hwnd_) throw Exception(L"Impossible de créer la fenêtre " + className);
}

void TWindowHost::DestroyHostedWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void TWindowHost::WndProc(Message& m) { DefaultHandler(m); }

void TWindowHost::DefaultHandler(Message& m) {
    m.result = DefWindowProcW(m.hwnd, m.msg, m.wParam, m.lParam);
}

LRESULT CALLBACK TWindowHost::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* host = static_cast<TWindowHost*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        host->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<TWindowHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host) return DefWindowProcW(hwnd, msg, wParam, lParam);
    Message m{hwnd, msg, wParam, lParam};
    if (!Guarded([&] { host->WndProc(m); })) m.result = 0;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        host->hwnd_ = nullptr;
        host->WindowDestroyed();
    }
    return m.result;
}

}  // namespace tk
