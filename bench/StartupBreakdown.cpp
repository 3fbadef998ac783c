// Where one start's time goes, against the yardstick: starts
// Rytmalo95-probe.exe (the program with the start-up probe linked in) and
// controls-window-probe.exe (the yardstick, the same standard controls made
// with plain Win32 calls, with the same probe) in turn, RUNS times each, as
// the start-up benchmark does (after a first start, the detailed view off),
// with Wine's DLL load trace on for them alone, and prints the medians side
// by side: the timeline from process creation to the first paint, the
// system calls start-up is made of (count and own time, before the window
// shows and until the first paint), the messages handled while the window
// shows and paints, and each DLL with the time it was loaded.
// Usage: startup-breakdown RUNS [PROBE.exe YARDSTICK-PROBE.exe [TRACE]]
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

struct Clock {
    DWORD processId;
    double tickMs, tickAt;
};

// The starts of one program, each with the clock its DLL trace is read by.
struct Program {
    std::wstring exe;
    std::vector<Start> starts;
    std::vector<Clock> clocks;

    double Median(const auto& figure) const {
        std::vector<double> v;
        for (const Start& s : starts) v.push_back(figure(s));
        return ::Median(v);
    }
    static double Mark(const Start& s, const char* name) {
        const auto it = s.marks.find(name);
        return it == s.marks.end() ? 0.0 : it->second;
    }
    // Between two marks; 0 where the program has neither (the yardstick has
    // no application window).
    double Between(const char* from, const char* to) const {
        return Median([&](const Start& s) {
            return s.marks.count(from) && s.marks.count(to) ? Mark(s, to) - Mark(s, from) : 0.0;
        });
    }
    double Kind(const std::string& name, bool paint, bool count) const {
        return Median([&](const Start& s) {
            const auto& kinds = paint ? s.paint : s.before;
            const auto it = kinds.find(name);
            if (it == kinds.end()) return 0.0;
            return count ? double(it->second.first) : it->second.second;
        });
    }
    double Message(int phase, const std::string& key, bool count) const {
        return Median([&](const Start& s) {
            const auto it = s.messages[phase].find(key);
            if (it == s.messages[phase].end()) return 0.0;
            return count ? double(it->second.first) : it->second.second;
        });
    }
};

void Row(const char* what, double program, double yardstick) {
    std::printf("| %s | %.1f ms | %.1f ms | %+.1f ms |\n", what, program, yardstick,
                program - yardstick);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 11;
    const std::wstring dir = driver::OwnDirectory();
    Program programs[2] = {{dir + (argc > 2 ? argv[2] : L"Rytmalo95-probe.exe")},
                           {dir + (argc > 3 ? argv[3] : L"controls-window-probe.exe")}};
    Program& program = programs[0];
    Program& yardstick = programs[1];
    // The detailed view off, as the program starts by default.
    DWORD saved = 0, size = sizeof saved;
    const bool hadChoice = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille",
                                        RRF_RT_REG_DWORD, nullptr, &saved, &size) == ERROR_SUCCESS;
    const DWORD off = 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille", REG_DWORD, &off,
                    sizeof off);
    const bool traceDlls = argc > 4;
    bool firstRan = true;
    for (Program& p : programs) {
        Start first;
        Clock c{};
        firstRan = firstRan && RunOnce(p.exe, traceDlls, first, c.processId, c.tickMs, c.tickAt);
    }
    for (int i = 0; firstRan && i < runs; ++i) {
        for (Program& p : programs) {
            Start s;
            Clock c{};
            if (RunOnce(p.exe, traceDlls, s, c.processId, c.tickMs, c.tickAt)) {
                p.starts.push_back(std::move(s));
                p.clocks.push_back(c);
            }
        }
    }
    if (traceDlls) {
        // Process numbers may come back: each start reads its own lines, the
        // later ones last.
        for (Program& p : programs) {
            for (std::size_t i = 0; i < p.starts.size(); ++i) {
                ReadDllTrace(argv[4], p.clocks[i].processId, p.clocks[i].tickMs, p.clocks[i].tickAt,
                             p.starts[i]);
            }
        }
    }
    if (hadChoice) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille", REG_DWORD, &saved,
                        sizeof saved);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TableauDetaille");
    }
    for (const Program& p : programs) {
        if (p.starts.size() < static_cast<std::size_t>(runs)) {
            std::printf("| start-up breakdown | %d of %d starts gave no report |\n",
                        runs - static_cast<int>(p.starts.size()), runs);
            return 1;
        }
    }

    std::printf(
        "| one start, step by step (median of %d, the two started in turn) | program | "
        "yardstick | difference |\n|---|---|---|---|\n",
        runs);
    const auto both = [&](const char* what, const auto& figure) {
        Row(what, figure(program), figure(yardstick));
    };
    both(
        "process created to the program's first static constructor: image load and "
        "relocation, the DLLs it imports loaded, the runtime's start",
        [](const Program& p) {
            return p.Median([](const Start& s) { return Program::Mark(s, "probe"); });
        });
    both("C++ static construction",
         [](const Program& p) { return p.Between("probe ready", "wWinMain"); });
    both("wWinMain to the main window's own window begun",
         [](const Program& p) { return p.Between("wWinMain", "window TMainForm begins"); });
    Row("of which: application window made (with its hint service)",
        program.Between("common controls initialised", "window TApplication made"), 0);
    Row("of which: help objects made, up to the main window's own window",
        program.Between("window TApplication made", "window TMainForm begins"), 0);
    both("main window's own window made", [](const Program& p) {
        return p.Between("window TMainForm begins", "window TMainForm made");
    });
    both(
        "its controls and menu bar made (the program: its components loaded, its settings "
        "read, the two dialogs' objects made)",
        [](const Program& p) {
            return p.Between("window TMainForm made", "main window show begins");
        });
    both("main window shown (ShowWindow)", [](const Program& p) {
        return p.Between("main window show begins", "main window shown");
    });
    both("shown to its title read from outside", [](const Program& p) {
        return p.Median([&](const Start& s) { return s.visible - p.Mark(s, "main window shown"); });
    });
    both("process created to the title read from outside (the start-up figure)",
         [](const Program& p) { return p.Median([](const Start& s) { return s.visible; }); });
    both("shown to the first paint done",
         [](const Program& p) { return p.Between("main window shown", "first paint done"); });

    std::printf(
        "\n| system calls (median of %d) | program, before the window shows | yardstick, before "
        "| program, until the first paint | yardstick, until the first paint |\n"
        "|---|---|---|---|---|\n",
        runs);
    for (const auto& [name, unused] : program.starts.front().before) {
        std::printf("| %s |", name.c_str());
        for (bool paint : {false, true}) {
            for (const Program* p : {&program, &yardstick}) {
                std::printf(" %.0f calls, %.2f ms |", p->Kind(name, paint, true),
                            p->Kind(name, paint, false));
            }
        }
        std::printf("\n");
    }

    const char* phases[] = {"while the main window shows (ShowWindow)",
                            "after it, until the first paint is done"};
    for (int phase = 0; phase < 2; ++phase) {
        std::printf(
            "\n| messages handled %s (median of %d) | program | yardstick |\n|---|---|---|\n",
            phases[phase], runs);
        std::map<std::string, bool> keys;
        for (const Program* p : {&program, &yardstick})
            for (const Start& s : p->starts)
                for (const auto& [key, unused] : s.messages[phase]) keys[key] = true;
        std::vector<std::pair<double, std::string>> rows;
        for (const auto& [key, unused] : keys) {
            rows.push_back(
                {std::max(program.Message(phase, key, false), yardstick.Message(phase, key, false)),
                 key});
        }
        std::sort(rows.rbegin(), rows.rend());
        for (const auto& [ms, key] : rows) {
            if (ms < 0.05) continue;
            std::printf("| %s | %.0f, %.2f ms | %.0f, %.2f ms |\n", key.c_str(),
                        program.Message(phase, key, true), program.Message(phase, key, false),
                        yardstick.Message(phase, key, true), yardstick.Message(phase, key, false));
        }
    }
    std::printf(
        "\n| controls made before the window shows | program | yardstick |\n|---|---|---|\n");
    std::map<std::string, bool> controls;
    for (const Program* p : {&program, &yardstick})
        for (const auto& [name, count] : p->starts.front().controls) controls[name] = true;
    for (const auto& [name, unused] : controls) {
        const auto count = [&](const Program& p) {
            const auto it = p.starts.front().controls.find(name);
            return it == p.starts.front().controls.end() ? 0 : it->second;
        };
        std::printf("| %s | %d | %d |\n", name.c_str(), count(program), count(yardstick));
    }

    std::printf("\n| DLL (median of %d) | loaded at, program | yardstick |\n|---|---|---|\n", runs);
    std::vector<std::string> names;
    for (const Program* p : {&program, &yardstick})
        for (const auto& [name, at] : p->starts.front().dlls)
            if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    for (const std::string& name : names) {
        std::printf("| %s |", name.c_str());
        for (const Program* p : {&program, &yardstick}) {
            std::vector<double> v;
            for (const Start& s : p->starts) {
                for (const auto& [n, at] : s.dlls) {
                    if (n == name) {
                        v.push_back(at);
                        break;
                    }
                }
            }
            if (v.empty()) {
                std::printf(" — |");
            } else {
                std::printf(" %.1f ms%s |", Median(v),
                            v.size() < p->starts.size() ? " (not in every start)" : "");
            }
        }
        std::printf("\n");
    }
    return 0;
}
