#include "toolkit/Dpi.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/Gdi.h"

namespace tk {
namespace {

// The per-monitor functions of user32 (Windows 10 1607 and later) and of
// shcore (Windows 8.1 and later), or nullptr.
struct DpiFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    UINT(WINAPI* getDpiForSystem)() = nullptr;
    int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* systemParametersInfoForDpi)(UINT, UINT, void*, UINT, UINT) = nullptr;
};

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

template <class F>
void Find(HMODULE module, const char* name, F& function) {
    if (module)
        function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// shcore.dll from the system folder only.
HMODULE LoadShcore() {
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH - 12) return nullptr;
    std::wstring path(folder, n);
    path += L"\\shcore.dll";
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

const DpiFunctions& Functions() {
    static const DpiFunctions functions = [] {
        DpiFunctions f;
        HMODULE user = GetModuleHandleW(L"user32.dll");
        Find(user, "GetDpiForWindow", f.getDpiForWindow);
        Find(user, "GetDpiForSystem", f.getDpiForSystem);
        Find(user, "GetSystemMetricsForDpi", f.getSystemMetricsForDpi);
        Find(user, "AdjustWindowRectExForDpi", f.adjustWindowRectExForDpi);
        Find(user, "SystemParametersInfoForDpi", f.systemParametersInfoForDpi);
        return f;
    }();
    return functions;
}

// Its library is loaded the first time a monitor's resolution is asked
// for, and kept loaded for the program's life.
GetDpiForMonitorFn MonitorDpiFunction() {
    static const GetDpiForMonitorFn function = [] {
        GetDpiForMonitorFn f = nullptr;
        Find(LoadShcore(), "GetDpiForMonitor", f);
        return f;
    }();
    return function;
}

}  // namespace

int SystemDpi() {
    if (const auto f = Functions().getDpiForSystem) return static_cast<int>(f());
    WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDesignDpi;
}

int DpiForWindow(HWND window) {
    if (const auto f = Functions().getDpiForWindow; f && window) {
        if (const UINT dpi = f(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int DpiForPoint(POINT point) {
    if (const auto f = MonitorDpiFunction()) {
        UINT x = 0, y = 0;
        // MDT_EFFECTIVE_DPI
        if (SUCCEEDED(f(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) && y) {
            return static_cast<int>(y);
        }
    }
    return SystemDpi();
}

int DpiForNewWindow(POINT point) {
    return Functions().getDpiForWindow ? SystemDpi() : DpiForPoint(point);
}

int SystemMetricForDpi(int index, int dpi) {
    if (const auto f = Functions().getSystemMetricsForDpi) return f(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    if (const auto f = Functions().adjustWindowRectExForDpi) {
        if (f(&rect, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi))) return;
    }
    AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, exStyle);
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
    // The whole record where the function for a resolution exists (it is
    // younger than the record); else the record as every system since
    // Windows 2000 knows it.
    if (const auto f = Functions().systemParametersInfoForDpi) {
        metrics.cbSize = sizeof metrics;
        if (f(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, static_cast<UINT>(dpi)))
            return true;
    }
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) != FALSE;
}

LOGFONTW SystemFontForDpi(LOGFONTW NONCLIENTMETRICSW::*font, int dpi) {
    NONCLIENTMETRICSW metrics{};
    if (NonClientMetricsForDpi(metrics, dpi)) return metrics.*font;
    LOGFONTW fallback{};
    fallback.lfHeight = -ScaleToDpi(11, dpi);
    fallback.lfCharSet = DEFAULT_CHARSET;
    std::wstring_view(L"MS Sans Serif").copy(fallback.lfFaceName, LF_FACESIZE - 1);
    return fallback;
}

}  // namespace tk
