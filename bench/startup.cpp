// Start-up time: from process creation to the main window shown, for the
// program (with the detailed view off, as it starts by default, and on, as
// a user who keeps it finds it) and for a minimal one-window Win32 program,
// measured in turn in the same run. Prints one table row per figure.
// Usage: startup-bench RUNS
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "driver/Driver.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds until a visible top-level window of the class appears.
double TimeToWindow(const std::wstring& exe, const wchar_t* windowClass) {
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        return -1;
    }
    HWND window = nullptr;
    LARGE_INTEGER now = start;
    while (!window && Seconds(start, now) < 30) {
        window = driver::FindTopLevel(pi.dwProcessId, windowClass);
        QueryPerformanceCounter(&now);
        if (!window) Sleep(1);
    }
    const double ms = Seconds(start, now) * 1000;
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return window ? ms : -1;
}

const wchar_t kSettingsKey[] = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";
const wchar_t kDetailView[] = L"TableauDetaille";

// The saved choice of the detailed view, set for the next start.
void SetDetailView(bool on) {
    const DWORD value = on ? 1 : 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kDetailView, REG_DWORD, &value, sizeof value);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    const std::wstring dir = driver::OwnDirectory();
    std::vector<double> program;
    std::vector<double> withView;
    std::vector<double> minimal;
    DWORD saved = 0;
    DWORD size = sizeof saved;
    const bool hadChoice = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kDetailView,
                                        RRF_RT_REG_DWORD, nullptr, &saved, &size) == ERROR_SUCCESS;
    for (int i = 0; i < runs; ++i) {
        minimal.push_back(TimeToWindow(dir + L"minimal-window.exe", L"MinimalWindow"));
        SetDetailView(false);
        program.push_back(TimeToWindow(dir + L"Rytmalo95.exe", L"TMainForm"));
        SetDetailView(true);
        withView.push_back(TimeToWindow(dir + L"Rytmalo95.exe", L"TMainForm"));
    }
    if (hadChoice) {
        SetDetailView(saved != 0);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kDetailView);
    }
    const double p = Median(program);
    const double v = Median(withView);
    const double m = Median(minimal);
    std::printf("| start to main window shown (median of %d) | %.1f ms |\n", runs, p);
    std::printf("| start to window shown, minimal Win32 program | %.1f ms |\n", m);
    std::printf("| start-up, program / minimal program | %.2f |\n", m > 0 ? p / m : 0.0);
    std::printf("| start to main window shown, detailed view on | %.1f ms |\n", v);
    std::printf("| start-up with the detailed view on / minimal program | %.2f |\n",
                m > 0 ? v / m : 0.0);
    return 0;
}
