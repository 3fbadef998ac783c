// Where one start's time goes: starts Rytmalo95-probe.exe (the program with
// the start-up probe linked in) RUNS times, each as the start-up benchmark
// does (after a first start, the detailed view off), with Wine's DLL load
// trace on for it alone, and prints the medians as a table: the timeline
// from process creation to the first paint, the system calls start-up is
// made of (count and own time, before the window shows and until the first
// paint), and each DLL with the time it was loaded.
// Usage: startup-breakdown RUNS [PROBE.exe [TRACE]]
// TRACE: the file this benchmark's standard error goes to (a Windows path),
// read at the end for the DLL loads; without it they are not traced.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "WindowTitle.h"
#include "driver/Driver.h"

namespace {

std::int64_t Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Frequency() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart);
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The figures of one start, in milliseconds.
struct Start {
    std::map<std::string, double> marks;  // since CreateProcess
    double visible = 0;                   // the title read from outside
    // kind -> {count, own ms} before the window shows and until the paint
    std::map<std::string, std::pair<int, double>> before, paint;
    std::vector<std::pair<std::string, double>> dlls;  // name, loaded at
    // "class message" -> {count, whole ms}, while showing and until the paint
    std::map<std::string, std::pair<int, double>> messages[2];
    std::map<std::string, int> controls;
};

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

// The probe's report, in counter ticks, turned into milliseconds since t0.
bool ReadReport(const std::wstring& path, std::int64_t t0, Start& start, double& tickMs,
                double& tickAt) {
    std::ifstream in{std::filesystem::path(path)};
    if (!in) return false;
    const double perMs = Frequency() / 1000;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        if (what == "mark") {
            long long at;
            words >> at;
            std::string name;
            std::getline(words >> std::ws, name);
            if (!start.marks.count(name)) start.marks[name] = double(at - t0) / perMs;
        } else if (what == "tick") {
            unsigned long ticks;
            long long at;
            words >> ticks >> at;
            tickMs = double(ticks);
            tickAt = double(at - t0) / perMs;
        } else if (what == "kind") {
            int c0, c1;
            long long o0, o1;
            words >> c0 >> o0 >> c1 >> o1;
            std::string name;
            std::getline(words >> std::ws, name);
            start.before[name] = {c0, double(o0) / perMs};
            start.paint[name] = {c1, double(o1) / perMs};
        } else if (what == "message") {
            int phase, count;
            long long whole;
            words >> phase >> count >> whole;
            std::string key;
            std::getline(words >> std::ws, key);
            start.messages[phase & 1][key] = {count, double(whole) / perMs};
        } else if (what == "control") {
            int count;
            words >> count;
            std::string name;
            std::getline(words >> std::ws, name);
            start.controls[name] = count;
        }
    }
    return true;
}

// Wine's "+timestamp,+pid,+loaddll" lines of one process: "SECONDS.MILLIS:
// PID:TID:trace:loaddll:... Loaded L"PATH" at ...". Their clock is
// GetTickCount's.
void ReadDllTrace(const std::wstring& path, DWORD processId, double tickMs, double tickAt,
                  Start& start) {
    std::ifstream in{std::filesystem::path(path)};
    char pid[16];
    std::snprintf(pid, sizeof pid, ":%04lx:", static_cast<unsigned long>(processId));
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t loaded = line.find("Loaded L\"");
        if (loaded == std::string::npos || line.find("loaddll") == std::string::npos ||
            line.find(pid) == std::string::npos) {
            continue;
        }
        const double stamp = std::atof(line.c_str()) * 1000;
        const std::size_t end = line.find('"', loaded + 9);
        std::string file = line.substr(loaded + 9, end - loaded - 9);
        const std::size_t slash = file.find_last_of('\\');
        if (slash != std::string::npos) file = file.substr(slash + 1);
        std::transform(file.begin(), file.end(), file.begin(), ::tolower);
        // A process number given again later belongs to another start.
        const double at = stamp - tickMs + tickAt;
        if (at > -1000 && at < 60000) start.dlls.push_back({file, at});
    }
}

bool RunOnce(const std::wstring& exe, bool traceDlls, Start& start, DWORD& processId,
             double& tickMs, double& tickAt) {
    const std::wstring report = TempPath(L"rytmalo-probe.txt");
    DeleteFileW(report.c_str());
    SetEnvironmentVariableW(L"RYTMALO_PROBE_FILE", report.c_str());
    // The program's DLL loads go to the standard error that this benchmark
    // was given, stamped with the process.
    if (traceDlls) SetEnvironmentVariableW(L"WINEDEBUG", L"+timestamp,+pid,+loaddll");
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    const double perMs = Frequency() / 1000;
    const std::int64_t t0 = Now();
    const BOOL created = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(L"WINEDEBUG", nullptr);
    SetEnvironmentVariableW(L"RYTMALO_PROBE_FILE", nullptr);
    if (!created) return false;
    processId = pi.dwProcessId;
    HWND window = nullptr;
    while (!window && double(Now() - t0) / perMs < 30000) {
        window = bench::VisibleWindowTitled(pi.dwProcessId, L"Rytmalo 95");
        if (!window) Sleep(1);
    }
    start.visible = double(Now() - t0) / perMs;
    const bool reported =
        window &&
        driver::WaitUntil(
            [&] { return GetFileAttributesW(report.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    bench::EndStarted(pi, window);
    return reported && ReadReport(report, t0, start, tickMs, tickAt);
}

const wchar_t kSettingsKey[] = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";

void Row(const char* what, double ms) { std::printf("| %s | %.1f ms |\n", what, ms); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 11;
    const std::wstring exe = driver::OwnDirectory() + (argc > 2 ? argv[2] : L"Rytmalo95-probe.exe");
    // The detailed view off, as the program starts by default.
    DWORD saved = 0, size = sizeof saved;
    const bool hadChoice = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille",
                                        RRF_RT_REG_DWORD, nullptr, &saved, &size) == ERROR_SUCCESS;
    const DWORD off = 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille", REG_DWORD, &off,
                    sizeof off);
    std::vector<Start> starts;
    struct Clock {
        DWORD processId;
        double tickMs, tickAt;
    };
    std::vector<Clock> clocks;
    Start first;
    Clock c{};
    const bool traceDlls = argc > 3;
    const bool firstRan = RunOnce(exe, traceDlls, first, c.processId, c.tickMs, c.tickAt);
    for (int i = 0; firstRan && i < runs; ++i) {
        Start s;
        if (RunOnce(exe, traceDlls, s, c.processId, c.tickMs, c.tickAt)) {
            starts.push_back(std::move(s));
            clocks.push_back(c);
        }
    }
    if (traceDlls) {
        // Process numbers may come back: each start reads its own lines, the
        // later ones last.
        for (std::size_t i = 0; i < starts.size(); ++i) {
            ReadDllTrace(argv[3], clocks[i].processId, clocks[i].tickMs, clocks[i].tickAt,
                         starts[i]);
        }
    }
    if (hadChoice) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille", REG_DWORD, &saved,
                        sizeof saved);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille");
    }
    if (starts.size() < static_cast<std::size_t>(runs)) {
        std::printf("| start-up breakdown | %d of %d starts gave no report |\n",
                    runs - static_cast<int>(starts.size()), runs);
        return 1;
    }

    const auto median = [&](auto figure) {
        std::vector<double> v;
        for (const Start& s : starts) v.push_back(figure(s));
        return Median(v);
    };
    const auto mark = [](const Start& s, const char* name) {
        const auto it = s.marks.find(name);
        return it == s.marks.end() ? 0.0 : it->second;
    };
    const auto between = [&](const char* from, const char* to) {
        return median([&](const Start& s) { return mark(s, to) - mark(s, from); });
    };
    std::printf("| one start, step by step (median of %d) | time |\n|---|---|\n", runs);
    Row("process created to the program's first static constructor: image load and "
        "relocation, the DLLs it imports loaded, the runtime's start",
        median([&](const Start& s) { return mark(s, "probe"); }));
    Row("C++ static construction", between("probe ready", "wWinMain"));
    Row("common controls initialised", between("wWinMain", "common controls initialised"));
    Row("application window made (with its hint service)",
        between("common controls initialised", "window TApplication made"));
    Row("help objects made, up to the main window's own window",
        between("window TApplication made", "window TMainForm begins"));
    Row("main window's own window made",
        between("window TMainForm begins", "window TMainForm made"));
    Row("its controls and menu bar made, its components loaded, its settings read, the two "
        "dialogs' objects made",
        between("window TMainForm made", "main window show begins"));
    Row("main window shown (ShowWindow)", between("main window show begins", "main window shown"));
    Row("shown to its title read from outside",
        median([&](const Start& s) { return s.visible - mark(s, "main window shown"); }));
    Row("process created to the title read from outside (the start-up figure)",
        median([](const Start& s) { return s.visible; }));
    Row("shown to the first paint done", between("main window shown", "first paint done"));

    std::printf(
        "\n| system calls made by the program (median of %d) | before the window shows "
        "| until the first paint |\n|---|---|---|\n",
        runs);
    for (const auto& [name, unused] : starts.front().before) {
        const double c0 = median([&](const Start& s) { return s.before.at(name).first; });
        const double o0 = median([&](const Start& s) { return s.before.at(name).second; });
        const double c1 = median([&](const Start& s) { return s.paint.at(name).first; });
        const double o1 = median([&](const Start& s) { return s.paint.at(name).second; });
        std::printf("| %s | %.0f calls, %.2f ms | %.0f calls, %.2f ms |\n", name.c_str(), c0, o0,
                    c1, o1);
    }

    const char* phases[] = {"while the main window shows (ShowWindow)",
                            "after it, until the first paint is done"};
    for (int phase = 0; phase < 2; ++phase) {
        std::printf("\n| messages handled %s (median of %d) | count | time |\n|---|---|---|\n",
                    phases[phase], runs);
        std::map<std::string, bool> keys;
        for (const Start& s : starts)
            for (const auto& [key, unused] : s.messages[phase]) keys[key] = true;
        std::vector<std::pair<double, std::string>> rows;
        for (const auto& [key, unused] : keys) {
            rows.push_back({median([&](const Start& s) {
                                const auto it = s.messages[phase].find(key);
                                return it == s.messages[phase].end() ? 0.0 : it->second.second;
                            }),
                            key});
        }
        std::sort(rows.rbegin(), rows.rend());
        for (const auto& [ms, key] : rows) {
            if (ms < 0.05) continue;
            const double count = median([&](const Start& s) {
                const auto it = s.messages[phase].find(key);
                return it == s.messages[phase].end() ? 0.0 : double(it->second.first);
            });
            std::printf("| %s | %.0f | %.2f ms |\n", key.c_str(), count, ms);
        }
    }
    std::printf("\n| controls made before the window shows | count |\n|---|---|\n");
    for (const auto& [name, count] : starts.front().controls)
        std::printf("| %s | %d |\n", name.c_str(), count);

    std::printf("\n| DLL (median of %d) | loaded at |\n|---|---|\n", runs);
    std::vector<std::string> names;
    for (const auto& [name, at] : starts.front().dlls) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    for (const std::string& name : names) {
        std::vector<double> v;
        for (const Start& s : starts) {
            for (const auto& [n, at] : s.dlls) {
                if (n == name) {
                    v.push_back(at);
                    break;
                }
            }
        }
        std::printf("| %s | %.1f ms%s |\n", name.c_str(), Median(v),
                    v.size() < starts.size() ? " (not in every start)" : "");
    }
    return 0;
}
