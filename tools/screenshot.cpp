// Starts the program, saves a picture of its main window, then ends it with
// its Quit button, as a user would. Usage: rytmalo-screenshot OUTPUT.bmp
#include <cstdio>
#include <string>

#include "app/MainFormLayout.h"
#include "driver/Driver.h"
#include "driver/Screen.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: rytmalo-screenshot OUTPUT.bmp\n", stderr);
        return 2;
    }
    driver::Process program = driver::Process::Launch(driver::ProgramPath());
    HWND window = driver::WaitForTopLevel(program.Id(), L"TMainForm", 20000);
    if (!window) {
        std::fputs("the main window did not appear\n", stderr);
        return 1;
    }
    // Let the window finish painting.
    Sleep(1000);
    const driver::Image picture = driver::Capture(driver::ScreenRect(window));
    if (!driver::SaveBmp(picture, argv[1])) {
        std::fputs("cannot write the picture\n", stderr);
        return 1;
    }
    HWND quit = driver::FindDescendant(window, rytmalo::MainFormLayout().ControlId("cmdQuitter"));
    driver::Activate(window);
    driver::Click(quit);
    if (!program.WaitForExit(10000)) {
        std::fputs("the program did not end on Quit\n", stderr);
        return 1;
    }
    return static_cast<int>(program.ExitCode());
}
