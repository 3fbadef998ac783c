#include "toolkit/Monitors.h"

#include "toolkit/WinGeometry.h"

namespace tk {
namespace {

// The primary monitor, where the system tells nothing of a monitor.
MonitorArea Primary() {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT screen = work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {FromRECT(screen), FromRECT(work)};
}

MonitorArea AreaOf(HMONITOR monitor) {
    MONITORINFO info{sizeof info};
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return Primary();
    return {FromRECT(info.rcMonitor), FromRECT(info.rcWork)};
}

}  // namespace

std::vector<MonitorArea> Monitors() {
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM param) -> BOOL {
            MONITORINFO info{sizeof info};
            if (GetMonitorInfoW(monitor, &info)) {
                reinterpret_cast<std::vector<MonitorArea>*>(param)->push_back(
                    {FromRECT(info.rcMonitor), FromRECT(info.rcWork)});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

MonitorArea MonitorOf(HWND window) {
    return AreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

MonitorArea MonitorAt(POINT point) {
    return AreaOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

}  // namespace tk
