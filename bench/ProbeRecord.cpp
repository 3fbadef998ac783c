#include "ProbeRecord.h"

#include <cstdio>

namespace probe {
namespace {

std::string MessageName(UINT msg) {
    switch (msg) {
        case WM_NCPAINT: return "WM_NCPAINT";
        case WM_PAINT: return "WM_PAINT";
        case WM_ERASEBKGND: return "WM_ERASEBKGND";
        case WM_NCACTIVATE: return "WM_NCACTIVATE";
        case WM_ACTIVATE: return "WM_ACTIVATE";
        case WM_ACTIVATEAPP: return "WM_ACTIVATEAPP";
        case WM_SETFOCUS: return "WM_SETFOCUS";
        case WM_KILLFOCUS: return "WM_KILLFOCUS";
        case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
        case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
        case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
        case WM_SIZE: return "WM_SIZE";
        case WM_MOVE: return "WM_MOVE";
        case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
        case WM_GETICON: return "WM_GETICON";
        case WM_GETTEXT: return "WM_GETTEXT";
        case WM_CTLCOLORSTATIC: return "WM_CTLCOLORSTATIC";
        case WM_CTLCOLORBTN: return "WM_CTLCOLORBTN";
        case WM_CTLCOLOREDIT: return "WM_CTLCOLOREDIT";
        case WM_DRAWITEM: return "WM_DRAWITEM";
        case WM_TIMER: return "WM_TIMER";
        case WM_IME_SETCONTEXT: return "WM_IME_SETCONTEXT";
        case WM_IME_NOTIFY: return "WM_IME_NOTIFY";
        case WM_SYNCPAINT: return "WM_SYNCPAINT";
        case WM_CHILDACTIVATE: return "WM_CHILDACTIVATE";
        case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
        case WM_MOUSEACTIVATE: return "WM_MOUSEACTIVATE";
        case WM_SETCURSOR: return "WM_SETCURSOR";
        case WM_NCHITTEST: return "WM_NCHITTEST";
        case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
        default: {
            char n[16];
            std::snprintf(n, sizeof n, "0x%04x", msg);
            return n;
        }
    }
}

}  // namespace

State* state = nullptr;

std::int64_t Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

Timed::Timed(KindId kind) : kind_(kind) { state->stack.push_back({Now(), 0}); }

Timed::~Timed() {
    const State::Frame f = state->stack.back();
    state->stack.pop_back();
    const std::int64_t whole = Now() - f.start;
    const int phase = state->shown ? 1 : 0;
    state->kinds[kind_].count[phase] += 1;
    state->kinds[kind_].own[phase] += whole - f.inner;
    if (!state->stack.empty()) state->stack.back().inner += whole;
}

void AddMark(std::string name) { state->marks.push_back({std::move(name), Now()}); }

std::string Narrow(const wchar_t* text) {
    std::string s;
    if (reinterpret_cast<ULONG_PTR>(text) < 0x10000) return "#atom";
    for (; *text; ++text) s += *text < 128 ? char(*text) : '?';
    return s;
}

std::string ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return Narrow(name);
}

bool Watching() { return state->showing || (state->shown && !state->written); }

void BeginHandling(HWND hwnd, UINT msg) {
    state->handling.push_back({ClassOf(hwnd) + " " + MessageName(msg), Now()});
}

void EndHandling(const char* prefix) {
    if (state->handling.empty()) return;
    const State::Handling h = state->handling.back();
    state->handling.pop_back();
    // Only the outermost: what it handled inside is part of its time.
    if (!state->handling.empty()) return;
    auto& entry = state->messages[state->shown ? 1 : 0][prefix + h.key];
    entry.first += 1;
    entry.second += Now() - h.start;
}

LRESULT CALLBACK BeforeHandling(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION && Watching()) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(l);
        BeginHandling(m->hwnd, m->message);
    }
    return CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK AfterHandling(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION) EndHandling();
    return CallNextHookEx(nullptr, code, w, l);
}

void WriteReport() {
    state->written = true;
    UnhookWindowsHookEx(state->before);
    UnhookWindowsHookEx(state->after);
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"RYTMALO_PROBE_FILE", path, MAX_PATH)) return;
    // Written aside and renamed: a reader never sees half of it.
    const std::wstring partial = std::wstring(path) + L".part";
    FILE* f = _wfopen(partial.c_str(), L"w");
    if (!f) return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::fprintf(f, "frequency %lld\n", frequency.QuadPart);
    std::fprintf(f, "tick %lu %lld\n", state->tick, state->tickAt);
    for (const Mark& m : state->marks) std::fprintf(f, "mark %lld %s\n", m.at, m.name.c_str());
    for (const Kind& k : state->kinds) {
        std::fprintf(f, "kind %d %lld %d %lld %s\n", k.count[0], k.own[0], k.count[1], k.own[1],
                     k.name);
    }
    for (const std::string& dll : state->loaded) std::fprintf(f, "loadlibrary %s\n", dll.c_str());
    for (int phase = 0; phase < 2; ++phase) {
        for (const auto& [key, figure] : state->messages[phase]) {
            std::fprintf(f, "message %d %d %lld %s\n", phase, figure.first, figure.second,
                         key.c_str());
        }
    }
    for (const auto& [name, count] : state->controls) {
        std::fprintf(f, "control %d %s\n", count, name.c_str());
    }
    std::fclose(f);
    MoveFileExW(partial.c_str(), path, MOVEFILE_REPLACE_EXISTING);
}

}  // namespace probe
