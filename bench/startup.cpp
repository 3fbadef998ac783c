// Start-up time as a user sees it: from CreateProcess to a visible top-level
// window of the new process with the program's title, polled every
// millisecond. Five programs are started in turn, RUNS times each: the bare
// one-window program (no manifest, built for size, stripped, static), the
// same program carrying the program's manifest, the yardstick that makes the
// main window's tree of standard controls with plain Win32 calls
// (controls-window.exe, built the same way, with the manifest), and the
// program with its detailed view off and on. The program has run once
// before, so it finds its settings key and App Paths entry as after a first
// start. Prints one table row per figure: medians with their spread, the
// ratios of the medians and the medians of the rounds' ratios.
// Usage: startup-bench RUNS
//        startup-bench RUNS A.exe B.exe ...   compares builds of the program
//        (beside the benchmark, detailed view off; minimal*.exe and
//        controls-window.exe are the yardsticks), started in turn.
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "WindowTitle.h"
#include "driver/Driver.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct Program {
    const wchar_t* exe;
    const wchar_t* title;
};

const Program kBare{L"minimal-window.exe", L"Minimal"};
const Program kManifest{L"minimal-manifest.exe", L"Minimal"};
const Program kControls{L"controls-window.exe", L"Rytmalo 95"};
const Program kRytmalo{L"Rytmalo95.exe", L"Rytmalo 95"};

// Milliseconds from CreateProcess to the window, or a negative figure when
// none came within 30 s. The program is then closed and waited for, so that
// the next start finds it gone.
double TimeToWindow(const std::wstring& dir, const Program& program) {
    const std::wstring exe = dir + program.exe;
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
    while (!window && Milliseconds(start, now) < 30000) {
        window = bench::VisibleWindowTitled(pi.dwProcessId, program.title);
        QueryPerformanceCounter(&now);
        if (!window) Sleep(1);
    }
    const double ms = Milliseconds(start, now);
    bench::EndStarted(pi, window);
    return window ? ms : -1;
}

const wchar_t kSettingsKey[] = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";
const wchar_t kDetailView[] = L"TableauDetaille";

// The saved choice of the detailed view, set for the next start.
void SetDetailView(bool on) {
    const DWORD value = on ? 1 : 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kDetailView, REG_DWORD, &value, sizeof value);
}

// The user's choice of the detailed view, put back as it was found.
class SavedDetailView {
public:
    SavedDetailView() {
        DWORD size = sizeof value_;
        had_ = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kDetailView, RRF_RT_REG_DWORD, nullptr,
                            &value_, &size) == ERROR_SUCCESS;
    }
    ~SavedDetailView() {
        if (had_) {
            SetDetailView(value_ != 0);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kDetailView);
        }
    }
    SavedDetailView(const SavedDetailView&) = delete;
    SavedDetailView& operator=(const SavedDetailView&) = delete;

private:
    bool had_ = false;
    DWORD value_ = 0;
};

// The median and the spread of the starts that showed their window.
struct Summary {
    int failed = 0;
    double median = 0, lowQuartile = 0, highQuartile = 0, low = 0, high = 0;
};

Summary Summarise(std::vector<double> times) {
    Summary s;
    s.failed =
        static_cast<int>(std::count_if(times.begin(), times.end(), [](double t) { return t < 0; }));
    std::erase_if(times, [](double t) { return t < 0; });
    if (times.empty()) return s;
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const auto at = [&](double q) { return times[static_cast<std::size_t>(q * double(n - 1))]; };
    s.median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    s.lowQuartile = at(0.25);
    s.highQuartile = at(0.75);
    s.low = times.front();
    s.high = times.back();
    return s;
}

void PrintTime(const char* figure, const Summary& s) {
    std::printf("| %s | %.1f ms (quartiles %.1f–%.1f, range %.1f–%.1f) |\n", figure, s.median,
                s.lowQuartile, s.highQuartile, s.low, s.high);
}

void PrintRatio(const char* figure, double numerator, double denominator) {
    std::printf("| %s | %.2f |\n", figure, denominator > 0 ? numerator / denominator : 0.0);
}

}  // namespace

// Builds of the program compared in turn: what a change saves.
int Compare(int runs, const std::wstring& dir, const std::vector<std::wstring>& exes) {
    const SavedDetailView saved;
    SetDetailView(false);
    std::vector<std::vector<double>> times(exes.size());
    // The yardsticks show their own title.
    const auto program = [](const std::wstring& exe) {
        return Program{exe.c_str(), exe.starts_with(L"minimal") ? kBare.title : kRytmalo.title};
    };
    for (const std::wstring& exe : exes) TimeToWindow(dir, program(exe));
    for (int i = 0; i < runs; ++i) {
        for (const std::wstring& exe : exes)
            times[&exe - exes.data()].push_back(TimeToWindow(dir, program(exe)));
    }
    const Summary first = Summarise(times[0]);
    for (std::size_t e = 0; e < exes.size(); ++e) {
        const Summary s = Summarise(times[e]);
        const std::string name(exes[e].begin(), exes[e].end());
        PrintTime(name.c_str(), s);
        std::vector<double> ratios;
        for (int i = 0; i < runs; ++i)
            if (times[e][i] > 0 && times[0][i] > 0) ratios.push_back(times[e][i] / times[0][i]);
        std::printf("| %s / %s | %.3f (median of the rounds' ratios %.3f) |\n", name.c_str(),
                    std::string(exes[0].begin(), exes[0].end()).c_str(),
                    first.median > 0 ? s.median / first.median : 0.0, Summarise(ratios).median);
    }
    return 0;
}

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 11;
    const std::wstring dir = driver::OwnDirectory();
    if (argc > 2) return Compare(runs, dir, std::vector<std::wstring>(argv + 2, argv + argc));
    std::vector<double> bare, manifest, controls, program, withView;
    {
        const SavedDetailView saved;
        // The start after a first one: the settings key and the App Paths
        // entry exist, as for any user after the first start.
        SetDetailView(false);
        if (TimeToWindow(dir, kRytmalo) < 0) {
            std::printf("| start-up | the program showed no window |\n");
            return 1;
        }
        for (int i = 0; i < runs; ++i) {
            bare.push_back(TimeToWindow(dir, kBare));
            manifest.push_back(TimeToWindow(dir, kManifest));
            controls.push_back(TimeToWindow(dir, kControls));
            SetDetailView(false);
            program.push_back(TimeToWindow(dir, kRytmalo));
            SetDetailView(true);
            withView.push_back(TimeToWindow(dir, kRytmalo));
        }
    }
    const Summary b = Summarise(bare), m = Summarise(manifest), c = Summarise(controls),
                  p = Summarise(program), v = Summarise(withView);
    char figure[128];
    std::snprintf(figure, sizeof figure, "start to main window shown (median of %d, in turn)",
                  runs);
    PrintTime(figure, p);
    PrintTime("start to window shown, minimal Win32 program", b);
    PrintRatio("start-up, program / minimal program", p.median, b.median);
    PrintTime("start to main window shown, detailed view on", v);
    PrintRatio("start-up with the detailed view on / minimal program", v.median, b.median);
    PrintTime("start to window shown, minimal program with the program's manifest", m);
    PrintRatio("start-up, minimal program with the manifest / minimal program", m.median, b.median);
    PrintRatio("start-up, program / minimal program with the manifest", p.median, m.median);
    PrintTime("start to window shown, the same standard controls made with plain Win32 calls", c);
    PrintRatio("start-up, program / the same controls made with plain Win32 calls", p.median,
               c.median);
    PrintRatio("start-up, the same controls made with plain Win32 calls / minimal program",
               c.median, b.median);
    // On a shared machine the load moves from one round to the next: the
    // ratio within each round, whose starts follow one another, moves less.
    const auto printRoundRatio = [](const char* ratio, const std::vector<double>& a,
                                    const std::vector<double>& d) {
        std::vector<double> r;
        for (std::size_t i = 0; i < a.size() && i < d.size(); ++i)
            if (a[i] > 0 && d[i] > 0) r.push_back(a[i] / d[i]);
        const Summary s = Summarise(r);
        std::printf("| start-up, %s, median of the rounds' ratios | %.2f (quartiles %.2f–%.2f) |\n",
                    ratio, s.median, s.lowQuartile, s.highQuartile);
    };
    printRoundRatio("program / minimal program", program, bare);
    printRoundRatio("minimal program with the manifest / minimal program", manifest, bare);
    printRoundRatio("program / the same controls made with plain Win32 calls", program, controls);
    printRoundRatio("the same controls made with plain Win32 calls / minimal program", controls,
                    bare);
    const int failed = b.failed + m.failed + c.failed + p.failed + v.failed;
    if (failed > 0) {
        std::printf("| start-up | %d starts showed no window |\n", failed);
        return 1;
    }
    return 0;
}
