// Starts the program, saves a picture of its main window, then ends it with
// its Quit button, as a user would. Usage:
//   rytmalo-screenshot OUTPUT.bmp     the main window as it opens
//   rytmalo-screenshot --pages FOLDER the window at tempo 120 with the
//                                     detailed view on, one picture a page
//                                     (page-1.bmp...), the view then turned
//                                     off again as it was
#include <cstdio>
#include <string>

#include "app/MainFormLayout.h"
#include "driver/Driver.h"
#include "driver/Screen.h"

#include <commctrl.h>

namespace {

bool Save(HWND window, const std::wstring& path) {
    // Let the window finish painting.
    Sleep(1000);
    if (driver::SaveBmp(driver::Capture(driver::ScreenRect(window)), path)) return true;
    std::fputs("cannot write the picture\n", stderr);
    return false;
}

// The detailed view turned on or off from the Options menu.
void ToggleView(HWND window) {
    driver::Activate(window);
    driver::PressChord({VK_MENU, 'O'});
    Sleep(300);
    driver::PressKey('T');
    Sleep(500);
}

HWND TabStrip(HWND window) {
    for (HWND child = FindWindowExW(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(window, child, nullptr, nullptr)) {
        if (driver::ClassOf(child) == WC_TABCONTROLW) return child;
        if (HWND inside = TabStrip(child)) return inside;
    }
    return nullptr;
}

bool SavePages(HWND window, const std::wstring& folder) {
    driver::Activate(window);
    driver::Click(driver::FindDescendant(window, rytmalo::MainFormLayout().ControlId("txtTempo")));
    driver::TypeText(L"120");
    driver::PressKey(VK_RETURN);
    ToggleView(window);
    HWND tabs = TabStrip(window);
    const int count = tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    bool saved = count > 0;
    for (int page = 0; page < count && saved; ++page) {
        saved = Save(window, folder + L"\\page-" + std::to_wstring(page + 1) + L".bmp");
        driver::PressChord({VK_CONTROL, VK_TAB});
    }
    ToggleView(window);
    return saved;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool pages = argc == 3 && std::wstring(argv[1]) == L"--pages";
    if (argc != 2 && !pages) {
        std::fputs("usage: rytmalo-screenshot OUTPUT.bmp | --pages FOLDER\n", stderr);
        return 2;
    }
    // A caret that blinks would make two pictures of one window differ.
    SetCaretBlinkTime(INFINITE);
    driver::Process program = driver::Process::Launch(driver::ProgramPath());
    HWND window = driver::WaitForTopLevel(program.Id(), L"TMainForm", 20000);
    if (!window) {
        std::fputs("the main window did not appear\n", stderr);
        return 1;
    }
    if (!(pages ? SavePages(window, argv[2]) : Save(window, argv[1]))) return 1;
    HWND quit = driver::FindDescendant(window, rytmalo::MainFormLayout().ControlId("cmdQuitter"));
    driver::Activate(window);
    driver::Click(quit);
    if (!program.WaitForExit(10000)) {
        std::fputs("the program did not end on Quit\n", stderr);
        return 1;
    }
    return static_cast<int>(program.ExitCode());
}
