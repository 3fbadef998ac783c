// Start-up: the DLL search made safe, the application's title and help file,
// the forms in their order, then the message loop until Quit.
#include "app/About.h"
#include "app/ComponentClasses.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/Preferences.h"
#include "help/ProgramHelp.h"
#include "toolkit/Application.h"

namespace {

// Every DLL the program loads from now on comes from the system folder,
// never from the program's folder or the current one, where another could
// have been planted. Systems without SetDefaultDllDirectories (Windows 7
// before its 2011 update) at least leave the current folder out.
void LoadDllsFromSystemFolderOnly() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    LoadDllsFromSystemFolderOnly();
    try {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);

        tk::TApplication application;
        rytmalo::RegisterComponentClasses(application);
        application.SetTitle(L"Rytmalo95");
        application.SetHelpFile(L"C:\\Program Files\\HelpScribble\\Rytmalo95.hlp");
        // Shows the topics itself where the system cannot open the help file.
        rytmalo::ProgramHelp help(application);
        application.CreateForm(rytmalo::MainForm);
        application.CreateForm(rytmalo::frmAProposDe);
        application.CreateForm(rytmalo::frmPreferences);
        application.Run();
    } catch (const tk::HaltRequest& halt) {
        return halt.exitCode;
    } catch (...) {
        tk::ReportCurrentException();
    }
    return 0;
}
