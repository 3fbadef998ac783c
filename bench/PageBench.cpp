// What the detailed view's showings cost, as a user meets them: from the
// command or the key to the last window drawn. The view turned on by its
// menu command; each page shown the first time, and a page already made,
// reached with Ctrl+Tab typed on the keyboard (the system's input queue,
// as a user's keys); and, for comparison, a digit typed in the tempo box.
// Each round makes the main window anew, the view off, its settings
// cleared. Then the yardstick: the same pages made with plain calls, where
// the program placed its own, timed the same way. Prints table rows:
// medians with their quartiles.
// Usage: page-bench ROUNDS
#include <algorithm>

#include "PageTiming.h"
#include "PagesByHand.h"
#include "app/ComponentClasses.h"
#include "app/DetailPages.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/MainFormLayout.h"
#include "toolkit/Application.h"
#include "toolkit/PageControl.h"

namespace {

using bench::Chord;
using bench::PaintedMs;
using bench::Samples;

const wchar_t kSettingsKey[] = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";

void Program() { tk::Application->ProcessMessages(); }

RECT InParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Where the program placed its tab control and every control of its pages.
bench::PageGeometry GeometryOf(const rytmalo::TMainForm& main) {
    const auto handle = [&](std::string_view name) {
        return main.Find<tk::TControl>(name).Handle();
    };
    bench::PageGeometry geometry{.tabs = InParent(handle("pgcPages"))};
    for (const rytmalo::PageRow& row : rytmalo::DetailPages()) {
        geometry.controls[row.sheet] = InParent(handle(row.sheet));
        for (const tk::ControlLayout& c : row.content().controls) {
            geometry.controls[c.name] = InParent(handle(c.name));
            for (std::size_t i = 0; i < c.columns.size(); ++i) {
                geometry.columns[c.name].push_back(
                    ListView_GetColumnWidth(handle(c.name), static_cast<int>(i)));
            }
        }
    }
    return geometry;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    Samples digit{"a digit typed in the tempo box, from the key to the box drawn"};
    Samples view{"detailed view shown the first time, from the command to the window drawn"};
    Samples first{"a page shown the first time, from Ctrl+Tab to the page drawn"};
    Samples again{"a page already made, from Ctrl+Tab to the page drawn"};
    Samples firstByHand{"yardstick: the same page made with plain calls, shown the first time"};
    Samples againByHand{"yardstick: the same page already made, shown again"};
    // The mouse pointer away from the windows: a list heading under it
    // would light up and be drawn again.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    tk::TApplication application;
    rytmalo::RegisterComponentClasses(application);
    application.SetTitle(L"Rytmalo95");
    const int command = rytmalo::MainFormLayout().MenuId("mnuTableauDetaille");
    const auto typed = [](std::initializer_list<WORD> keys) { return [=] { Chord(keys); }; };
    for (int round = 0; round < rounds; ++round) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
        application.CreateForm(rytmalo::MainForm);
        rytmalo::TMainForm& main = *rytmalo::MainForm;
        main.Show();
        HWND window = main.Handle();
        SetForegroundWindow(window);
        bench::UntilPainted(Program);
        main.Find<tk::TControl>("txtTempo").SetFocus();
        for (const WORD key : {'1', '2', '0'}) digit.ms.push_back(PaintedMs(typed({key}), Program));
        PaintedMs(typed({VK_RETURN}), Program);

        view.ms.push_back(
            PaintedMs([&] { PostMessageW(window, WM_COMMAND, command, 0); }, Program));
        const int tabs = main.Find<tk::TPageControl>("pgcPages").TabCount();
        for (int page = 1; page < tabs; ++page)
            first.ms.push_back(PaintedMs(typed({VK_CONTROL, VK_TAB}), Program));
        for (int i = 0; i < 2 * tabs; ++i)
            again.ms.push_back(PaintedMs(typed({VK_CONTROL, VK_TAB}), Program));
        const bench::PageGeometry geometry = GeometryOf(main);
        delete rytmalo::MainForm;
        rytmalo::MainForm = nullptr;

        bench::PagesByHand byHand(geometry);
        const auto pump = [&] { byHand.Pump(); };
        bench::UntilPainted(pump);
        for (int page = 1; page < tabs; ++page)
            firstByHand.ms.push_back(PaintedMs(typed({VK_CONTROL, VK_TAB}), pump));
        for (int i = 0; i < 2 * tabs; ++i)
            againByHand.ms.push_back(PaintedMs(typed({VK_CONTROL, VK_TAB}), pump));
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    for (Samples* samples : {&digit, &view, &first, &again, &firstByHand, &againByHand})
        samples->Print();
    return 0;
}
