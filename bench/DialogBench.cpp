// What the dialogs and the stay-on-top component cost: making each of the
// program's forms, one assignment of OnTop, and a showing of each dialog
// from the menu command to the main window activated again (the posted
// close comes in as soon as the dialog is up). Prints table rows.
// Usage: dialog-bench RUNS
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "Clock.h"
#include "app/About.h"
#include "app/ComponentClasses.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "toolkit/PageControl.h"
#include "app/Preferences.h"
#include "components/TopMost.h"
#include "toolkit/Application.h"

namespace {

const wchar_t kSettingsKey[] = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";

// Milliseconds, the median of the runs.
double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        work();
        ms.push_back((Now() - start) * 1000);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

template <class F>
void Remake(tk::TApplication& application, F*& form) {
    delete form;
    form = nullptr;
    application.CreateForm(form);
}

// Shows the dialog modally; a close posted beforehand ends it once it is up.
// Its window is made first if it has never been shown.
void RoundTrip(tk::TForm& dialog) {
    dialog.HandleNeeded();
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    dialog.ShowModal();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
    const bool keyExisted = KeyExists();
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        tk::TApplication application;
        rytmalo::RegisterComponentClasses(application);
        application.SetTitle(L"Rytmalo95");

        double start = Now();
        application.CreateForm(rytmalo::MainForm);
        const double mainMs = (Now() - start) * 1000;
        std::printf("| making the main window (once) | %.2f ms |\n", mainMs);
        std::printf("| making the about box (its window made when first shown) | %.2f ms |\n",
                    MedianMs(runs, [&] { Remake(application, rytmalo::frmAProposDe); }));
        std::printf(
            "| making the preferences dialog (its window made when first shown) | %.2f ms |\n",
            MedianMs(runs, [&] { Remake(application, rytmalo::frmPreferences); }));

        rytmalo::MainForm->Show();
        start = Now();
        rytmalo::MainForm->ShowDetailView(true);
        std::printf("| detailed view shown the first time (made then) | %.2f ms |\n",
                    (Now() - start) * 1000);
        std::printf("| detailed view hidden and shown again | %.2f ms |\n", MedianMs(runs, [&] {
                        rytmalo::MainForm->ShowDetailView(false);
                        rytmalo::MainForm->ShowDetailView(true);
                    }));
        // The pages: each made at its first choosing, then switched between.
        // A switch counts once what it changed is painted: the page control
        // and the pages' controls, not the rest of the window.
        auto& pages = rytmalo::MainForm->Find<tk::TPageControl>("pgcPages");
        const auto choose = [&](int page) {
            pages.SetTabIndex(page);
            RedrawWindow(rytmalo::MainForm->Handle(), nullptr, nullptr,
                         RDW_ALLCHILDREN | RDW_UPDATENOW);
        };
        const int shown = pages.TabIndex();
        double slowestFirst = 0;
        for (int page = 0; page < pages.TabCount(); ++page) {
            if (page == shown) continue;
            start = Now();
            choose(page);
            slowestFirst = std::max(slowestFirst, (Now() - start) * 1000);
        }
        std::printf(
            "| a page of the detailed view shown the first time (made then, slowest) | "
            "%.2f ms |\n",
            slowestFirst);
        std::printf("| switching to another page of the detailed view | %.2f ms |\n",
                    MedianMs(runs, [&] {
                        for (int page = 0; page < pages.TabCount(); ++page) choose(page);
                    }) / pages.TabCount());
        rytmalo::MainForm->ShowDetailView(false);
        start = Now();
        RoundTrip(*rytmalo::frmAProposDe);
        std::printf("| about box shown the first time, its window made | %.2f ms |\n",
                    (Now() - start) * 1000);
        rytmalo::TTopMost& topMost = rytmalo::MainForm->TopMost1();
        constexpr int kAssignments = 200;
        const auto perAssignment = [&](std::initializer_list<bool> values) {
            const double ms = MedianMs(runs, [&] {
                for (int i = 0; i < kAssignments; ++i) {
                    for (bool v : values) topMost.SetOnTop(v);
                }
            });
            return ms * 1000 / (kAssignments * static_cast<double>(values.size()));
        };
        std::printf("| OnTop := True, already on top | %.1f us |\n", perAssignment({true}));
        std::printf("| OnTop := False, already off | %.1f us |\n", perAssignment({false}));
        std::printf("| OnTop := True then False, alternately (per assignment) | %.1f us |\n",
                    perAssignment({true, false}));

        std::printf("| about box shown and closed, main window active again | %.2f ms |\n",
                    MedianMs(runs, [&] { RoundTrip(*rytmalo::frmAProposDe); }));
        std::printf("| preferences shown and closed, main window active again | %.2f ms |\n",
                    MedianMs(runs, [&] { RoundTrip(*rytmalo::frmPreferences); }));
    }
    if (!keyExisted) RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    return 0;
}
