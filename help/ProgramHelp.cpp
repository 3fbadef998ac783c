#include "help/ProgramHelp.h"

#include "help/WinHelpEngine.h"

namespace rytmalo {

ProgramHelp::ProgramHelp(tk::TApplication& application)
    : CanUseWinHelp(&WinHelpCanOpen),
      WinHelp(&tk::WinHelpService),
      application_(application),
      window_(application),
      popup_(application) {
    application_.SetHelpService(
        [this](HWND owner, const std::wstring& file, UINT command, ULONG_PTR data) {
            return Request(owner, file, command, data);
        });
}

ProgramHelp::~ProgramHelp() { application_.SetHelpService(&tk::WinHelpService); }

bool ProgramHelp::Request(HWND owner, const std::wstring& file, UINT command, ULONG_PTR data) {
    if (CanUseWinHelp && CanUseWinHelp(file)) return WinHelp && WinHelp(owner, file, command, data);

    // The window the help is about: the one the user is in.
    HWND active = GetActiveWindow();
    HWND anchor = active ? active : owner;
    const auto topic = [data] {
        const HelpTopic* found = FindHelpTopic(static_cast<int>(data));
        return found ? found : FindHelpTopic(kContentsTopic);
    };
    switch (command) {
        case HELP_CONTEXT:
            popup_.Close();
            window_.ShowTopic(*topic(), anchor);
            return true;
        case HELP_CONTEXTPOPUP: popup_.ShowTopic(*topic()); return true;
        case HELP_CONTENTS:
        case HELP_FINDER: window_.ShowTopic(*FindHelpTopic(kContentsTopic), anchor); return true;
        case HELP_QUIT:
            popup_.Close();
            window_.Close();
            return true;
        default: return false;
    }
}

}  // namespace rytmalo
