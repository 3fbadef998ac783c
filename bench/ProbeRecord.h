// What the start-up probe records in the benchmark-only copy of the
// program: marks, the own time of each kind of system call, the messages
// each window handles while the main window shows and paints; and the report
// it writes for startup-breakdown.exe.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace probe {

std::int64_t Now();

enum KindId {
    kDllLoad,
    kCommonControls,
    kSettingsRegistry,
    kAppPathsRegistry,
    kFonts,
    kGdiObjects,
    kImages,
    kSingleInstance,
    kClasses,
    kTopLevelWindows,
    kControls,
    kSubclass,
    kMenus,
    kShowApplication,
    kShowMain,
    kSendMessage,
    kSetFont,
    kWindowPos,
    kDeviceContexts,
    kText,
    kForeground,
    kSystemInfo,
    kFocus,
    kKindCount
};

struct Mark {
    std::string name;
    std::int64_t at;
};

struct Kind {
    const char* name;
    int count[2] = {0, 0};
    std::int64_t own[2] = {0, 0};
};

struct State {
    std::vector<Mark> marks;
    DWORD tick = 0;
    std::int64_t tickAt = 0;
    Kind kinds[kKindCount] = {{"DLLs loaded by the program"},
                              {"common controls initialised"},
                              {"registry, settings key"},
                              {"registry, App Paths entry"},
                              {"fonts made"},
                              {"other GDI objects made"},
                              {"icons, cursors, images loaded"},
                              {"single-instance objects (mapping, message, hook, broadcast)"},
                              {"window classes looked up and registered"},
                              {"top-level windows made (without their controls)"},
                              {"controls made"},
                              {"controls hooked (SetWindowSubclass)"},
                              {"menus made"},
                              {"application window shown"},
                              {"main window shown (ShowWindow)"},
                              {"messages sent (SendMessageW), fonts apart"},
                              {"fonts given to windows (WM_SETFONT)"},
                              {"windows moved and sized (SetWindowPos)"},
                              {"device contexts got and released"},
                              {"text measured, drawn and set"},
                              {"foreground asked for"},
                              {"system settings and monitors read"},
                              {"keyboard focus set"}};
    // Calls in progress: their start and the time of the calls inside them.
    struct Frame {
        std::int64_t start, inner;
    };
    std::vector<Frame> stack;
    std::vector<HKEY> appPathKeys;
    std::vector<std::string> loaded;
    // Messages handled by the program's windows (not those sent inside
    // them), by window class and message, while the main window shows and
    // until the first paint is done: count and whole time.
    std::map<std::string, std::pair<int, std::int64_t>> messages[2];
    struct Handling {
        std::string key;
        std::int64_t start;
    };
    std::vector<Handling> handling;
    std::map<std::string, int> controls;
    bool showing = false;
    HHOOK before = nullptr, after = nullptr;
    HWND mainWindow = nullptr;
    bool inMain = false;
    bool shown = false;
    bool written = false;
};

// The one record of the process, made by the probe's constructor.
extern State* state;

// One timed call: its own time goes to its kind, its whole time to the call
// that made it.
class Timed {
public:
    explicit Timed(KindId kind);
    ~Timed();
    Timed(const Timed&) = delete;
    Timed& operator=(const Timed&) = delete;

private:
    KindId kind_;
};

void AddMark(std::string name);
// ASCII of a name; "#atom" for a class given by its atom.
std::string Narrow(const wchar_t* text);
std::string ClassOf(HWND hwnd);
// Whether the messages are being watched: while the main window shows and
// until the first paint is done.
bool Watching();
// A message handled by a window, with what it was handled inside.
void BeginHandling(HWND hwnd, UINT msg);
void EndHandling(const char* prefix = "");
// The hooks that watch the messages sent to the program's windows.
LRESULT CALLBACK BeforeHandling(int code, WPARAM w, LPARAM l);
LRESULT CALLBACK AfterHandling(int code, WPARAM w, LPARAM l);
// Unhooks, and writes the report to the file that RYTMALO_PROBE_FILE names.
void WriteReport();

}  // namespace probe
