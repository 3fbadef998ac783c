#include "app/PreferencesLayout.h"

#include "app/DialogFrame.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

FormLayout Build() {
    FormLayout f = DialogFrame("TfrmPreferences", L"Préferences", Bounds(264, 143, 308, 309),
                               L"ICON_PREFERENCES");

    // OK and Annuler end the dialog from their handlers, not by a modal
    // result of their own: a handler that fails leaves the dialog open.
    f.controls = {
        {.kind = ControlKind::PageControl,
         .name = "PageControl1",
         .bounds = Bounds(8, 8, 289, 257),
         .helpContext = kPreferencesHelp,
         .tabOrder = 0},
        // A page fills its tab control's display area whatever its bounds.
        {.kind = ControlKind::TabSheet,
         .name = "OptionsAff",
         .parent = "PageControl1",
         .caption = L"Options d'affichage",
         .helpContext = kPreferencesHelp},
        {.kind = ControlKind::CheckBox,
         .name = "chkFenetrePersistente",
         .parent = "OptionsAff",
         .bounds = Bounds(24, 40, 233, 17),
         .caption = L"Fenêtre persistente",
         .helpContext = kStayOnTopHelp,
         .tabOrder = 0,
         .hint = L"Rend la fenêtre Rytmalo constamment visible",
         .showHint = true},
        {.kind = ControlKind::Button,
         .name = "cmdOK",
         .bounds = Bounds(144, 272, 73, 25),
         .caption = L"OK",
         .helpContext = kPreferencesHelp,
         .tabOrder = 1},
        {.kind = ControlKind::Button,
         .name = "cmdAnnuler",
         .bounds = Bounds(224, 272, 73, 25),
         .caption = L"Annuler",
         .helpContext = kPreferencesHelp,
         .tabOrder = 2,
         .isCancel = true},
    };

    f.components = {
        {.className = "TRegAppUserConfig",
         .name = "RegApp2",
         .properties = {{"Company", L"Vortan Music"},
                        {"ApplicationName", L"Rytmalo95"},
                        {"Version", L"v2.0"}}},
    };
    return f;
}

}  // namespace

const FormLayout& PreferencesLayout() {
    static const FormLayout layout = Build();
    return layout;
}

}  // namespace rytmalo
