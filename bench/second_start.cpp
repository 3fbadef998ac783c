// Time a second start takes to hand over to the running program and end:
// from process creation to its exit, while the first instance runs. Prints
// one table row.
// Usage: second-start-bench RUNS
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "driver/Driver.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    const std::wstring exe = driver::ProgramPath();
    driver::Process first = driver::Process::Launch(exe);
    HWND main = driver::WaitForTopLevel(first.Id(), L"TMainForm", 30000);
    if (!main) {
        std::printf("| second start | the first instance did not start |\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        driver::Process second = driver::Process::Launch(exe, {}, false);
        if (!second.WaitForExit(30000)) continue;
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    first.WaitForExit(5000);
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? -1 : times[times.size() / 2];
    std::printf("| second start, process created to ended (median of %d) | %.1f ms |\n", runs,
                median);
    return 0;
}
