// The application's help service: a request goes to the Windows help
// engine, unchanged, where the help file exists and the system has an engine
// to show it; otherwise the program shows the topic itself, in its help
// window (context command) or in a pop-up (context pop-up command).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "help/HelpPopup.h"
#include "help/HelpWindow.h"
#include "toolkit/Application.h"

namespace rytmalo {

class ProgramHelp {
public:
    // Becomes the application's help service; the previous one comes back
    // when this goes.
    explicit ProgramHelp(tk::TApplication& application);
    ~ProgramHelp();
    ProgramHelp(const ProgramHelp&) = delete;
    ProgramHelp& operator=(const ProgramHelp&) = delete;

    bool Request(HWND owner, const std::wstring& file, UINT command, ULONG_PTR data);

    THelpWindow& Window() { return window_; }
    THelpPopup& Popup() { return popup_; }

    // Whether the help engine can show the file; the check of the running
    // system by default.
    std::function<bool(const std::wstring& file)> CanUseWinHelp;
    // Where requests for the engine go; WinHelp by default.
    tk::HelpService WinHelp;

private:
    tk::TApplication& application_;
    THelpWindow window_;
    THelpPopup popup_;
};

}  // namespace rytmalo
