// What the running program holds, read from outside while it is driven:
// working set, GDI objects and USER objects after start, after computations
// (a tempo set and Enter in the tempo box), after caption repaints and after
// hint bubbles (the pointer resting on the tempo box until the bubble shows,
// then moving onto the delay panel). The minimal one-window program after
// start is the yardstick. Prints one table row per figure; exits non-zero when a step
// did not have its effect.
// Usage: resources-bench COMPUTATIONS REPAINTS BUBBLES
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "ProcessResources.h"
#include "core/DelayTable.h"
#include "app/MainFormLayout.h"
#include "driver/Driver.h"

namespace {

// A program settles (first paints, deferred work) before it is measured;
// a message sent to its window returns once it has handled all before it.
void Settle(HWND window) {
    Sleep(300);
    SendMessageW(window, WM_NULL, 0, 0);
}

void PrintRows(const char* moment, const bench::ProcessResources& r) {
    std::printf("| working set, %s | %.1f MiB |\n", moment,
                static_cast<double>(r.workingSetBytes) / (1024.0 * 1024.0));
    std::printf("| GDI objects, %s | %ld%s%s%s |\n", moment, r.gdiObjects,
                r.gdiKinds.empty() ? "" : " (", r.gdiKinds.c_str(), r.gdiKinds.empty() ? "" : ")");
    std::printf("| %s, %s | %ld |\n", r.userObjectsAreWindows ? "windows" : "USER objects", moment,
                r.userObjects);
}

bool Readable(const bench::ProcessResources& r) {
    return r.workingSetBytes > 0 && r.gdiObjects > 0 && r.userObjects > 0;
}

bool Fail(const char* what) {
    std::printf("| resources | failed: %s |\n", what);
    return false;
}

// Says where the pointer is, when it did not do what was expected.
bool PointerFail(const char* what) {
    POINT p{};
    GetCursorPos(&p);
    const std::wstring under = driver::ClassOf(WindowFromPoint(p));
    std::printf("| resources | failed: %s (pointer at %ld,%ld over %ls) |\n", what, p.x, p.y,
                under.c_str());
    return false;
}

bool MinimalProgram() {
    driver::Process minimal =
        driver::Process::Launch(driver::OwnDirectory() + L"minimal-window.exe");
    HWND window = driver::WaitForTopLevel(minimal.Id(), L"MinimalWindow", 30000);
    if (!window) return Fail("the minimal program showed no window");
    Settle(window);
    const bench::ProcessResources r = bench::ReadResources(minimal.Handle(), minimal.Id());
    PrintRows("minimal program after start", r);
    PostMessageW(window, WM_CLOSE, 0, 0);
    minimal.WaitForExit(5000);
    return Readable(r) || Fail("the minimal program's resources could not be read");
}

// Tempos 10 to 250 in turn, each entered with Enter as a user does; the
// last one's figures must be on screen.
bool Compute(HWND main, int count) {
    const auto& layout = rytmalo::MainFormLayout();
    HWND tempo = driver::FindDescendant(main, layout.ControlId("txtTempo"));
    HWND whole = driver::FindDescendant(main, layout.ControlId(rytmalo::kValueLabels[0]));
    if (!tempo || !whole) return Fail("no tempo box or value label");
    int last = 0;
    for (int i = 0; i < count; ++i) {
        last = 10 + i % 241;
        const std::wstring text = std::to_wstring(last);
        SendMessageW(tempo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(tempo, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(tempo, WM_KEYUP, VK_RETURN, 0);
    }
    const auto expected = rytmalo::ComputeDelays(static_cast<float>(last), 4);
    return (expected && driver::TextOf(whole) == std::to_wstring((*expected)[0])) ||
           Fail("the computations did not reach the window");
}

void RepaintCaption(HWND main, int count) {
    for (int i = 0; i < count; ++i) SendMessageW(main, WM_NCPAINT, 1, 0);
}

bool ShowBubbles(DWORD processId, HWND main, int count) {
    const auto& layout = rytmalo::MainFormLayout();
    const POINT tempo = driver::Center(driver::FindDescendant(main, layout.ControlId("txtTempo")));
    // Away from the tempo box but inside the window: under Wine a move from
    // another program's window (the desktop) onto this one is more often
    // undone by a late report of the old position.
    const POINT away = driver::Center(driver::FindDescendant(main, layout.ControlId("Panel1")));
    const auto bubbleShown = [&] {
        return driver::FindTopLevel(processId, L"TEllipticHintWindow") != nullptr;
    };
    const auto leave = [&] {
        driver::MoveMouse(away);
        return driver::WaitUntil([&] { return !bubbleShown(); }, 5000);
    };
    // A move that such a late report undid leaves the program unaware that
    // the pointer left: the bubble is then tried again, at most twice more.
    int retried = 0;
    for (int i = 0; i < count; ++i) {
        bool shown = false;
        for (int attempt = 0; attempt < 3 && !shown; ++attempt) {
            if (!leave()) return PointerFail("the hint bubble did not go");
            driver::MoveMouse(tempo);
            shown = driver::WaitUntil(bubbleShown, 5000);
            if (!shown) ++retried;
        }
        if (!shown) return PointerFail("no hint bubble came");
    }
    std::printf("| hint bubbles tried again (the pointer's move undone under Wine) | %d of %d |\n",
                retried, count);
    return leave() || PointerFail("the hint bubble did not go");
}

bool Program(int computations, int repaints, int bubbles) {
    driver::Process program = driver::Process::Launch(driver::ProgramPath());
    HWND main = driver::WaitForTopLevel(program.Id(), L"TMainForm", 30000);
    if (!main) return Fail("the program showed no main window");
    driver::Activate(main);
    const auto measure = [&](const std::string& moment) {
        Settle(main);
        const bench::ProcessResources r = bench::ReadResources(program.Handle(), program.Id());
        PrintRows(moment.c_str(), r);
        return Readable(r) || Fail("the program's resources could not be read");
    };
    bool ok = measure("program after start") && Compute(main, computations) &&
              measure("after " + std::to_string(computations) + " computations");
    if (ok) {
        RepaintCaption(main, repaints);
        ok = measure("after " + std::to_string(repaints) + " caption repaints");
    }
    ok = ok && ShowBubbles(program.Id(), main, bubbles) &&
         measure("after " + std::to_string(bubbles) + " hint bubbles");
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit(5000);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const auto arg = [&](int i, int fallback) {
        return argc > i ? std::max(1, _wtoi(argv[i])) : fallback;
    };
    const bool ok = MinimalProgram() && Program(arg(1, 1000), arg(2, 1000), arg(3, 100));
    return ok ? 0 : 1;
}
