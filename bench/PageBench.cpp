// What the detailed view's showings cost, as a user meets them: from the
// command or the key to the last window drawn. The view turned on by its
// menu command; each page shown the first time, and a page already made,
// reached with Ctrl+Tab typed on the keyboard (the system's input queue,
// as a user's keys); and, for comparison, a digit typed in the tempo box.
// Each round makes the main window anew, the view off, its settings
// cleared. Prints table rows: medians with their quartiles.
// Usage: page-bench ROUNDS
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/ComponentClasses.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/MainFormLayout.h"
#include "toolkit/Application.h"
#include "toolkit/PageControl.h"

namespace {

const wchar_t kSettingsKey[] = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";

double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Messages handled until none is left and no window of the thread waits to
// be drawn; Wine puts what was drawn on the screen when a look for messages
// finds none. (Asking each window whether it has something left to draw
// costs a call to the system per window: more than a page's switch.)
void UntilPainted() {
    do {
        tk::Application->ProcessMessages();
    } while (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0);
}

// Keys typed as a keyboard types them, held in order, let go in reverse.
void Chord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *key;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Milliseconds from the action to the window drawn.
double PaintedMs(const std::function<void()>& action) {
    const double start = Now();
    action();
    UntilPainted();
    return (Now() - start) * 1000;
}

struct Samples {
    const char* figure;
    std::vector<double> ms;
    void Print() {
        if (ms.empty()) return;
        std::sort(ms.begin(), ms.end());
        const auto at = [&](double q) {
            return ms[static_cast<std::size_t>(q * (ms.size() - 1) + 0.5)];
        };
        std::printf("| %s (median of %zu) | %.1f ms (quartiles %.1f–%.1f) |\n", figure, ms.size(),
                    at(0.5), at(0.25), at(0.75));
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    Samples digit{"a digit typed in the tempo box, from the key to the box drawn"};
    Samples view{"detailed view shown the first time, from the command to the window drawn"};
    Samples first{"a page shown the first time, from Ctrl+Tab to the page drawn"};
    Samples again{"a page already made, from Ctrl+Tab to the page drawn"};
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        tk::TApplication application;
        rytmalo::RegisterComponentClasses(application);
        application.SetTitle(L"Rytmalo95");
        const int command = rytmalo::MainFormLayout().MenuId("mnuTableauDetaille");
        for (int round = 0; round < rounds; ++round) {
            RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
            delete rytmalo::MainForm;
            rytmalo::MainForm = nullptr;
            application.CreateForm(rytmalo::MainForm);
            rytmalo::TMainForm& main = *rytmalo::MainForm;
            main.Show();
            HWND window = main.Handle();
            SetForegroundWindow(window);
            UntilPainted();
            auto& tempo = main.Find<tk::TControl>("txtTempo");
            tempo.SetFocus();
            for (const WORD key : {'1', '2', '0'})
                digit.ms.push_back(PaintedMs([&] { Chord({key}); }));
            Chord({VK_RETURN});
            UntilPainted();

            view.ms.push_back(
                PaintedMs([&] { PostMessageW(window, WM_COMMAND, command, 0); }));
            auto& pages = main.Find<tk::TPageControl>("pgcPages");
            for (int page = 1; page < pages.TabCount(); ++page)
                first.ms.push_back(PaintedMs([&] { Chord({VK_CONTROL, VK_TAB}); }));
            for (int i = 0; i < 2 * pages.TabCount(); ++i)
                again.ms.push_back(PaintedMs([&] { Chord({VK_CONTROL, VK_TAB}); }));
        }
        delete rytmalo::MainForm;
        rytmalo::MainForm = nullptr;
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    digit.Print();
    view.Print();
    first.Print();
    again.Print();
    return 0;
}
