// Start-up: the application's title and help file, the forms in their order,
// then the message loop until Quit.
#include "app/About.h"
#include "app/ComponentClasses.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/Preferences.h"
#include "toolkit/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);

        tk::TApplication application;
        rytmalo::RegisterComponentClasses(application);
        application.SetTitle(L"Rytmalo95");
        application.SetHelpFile(L"C:\\Program Files\\HelpScribble\\Rytmalo95.hlp");
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
