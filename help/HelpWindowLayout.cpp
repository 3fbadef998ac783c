#include "help/HelpWindowLayout.h"

#include "help/HelpViewNames.h"

namespace rytmalo {
namespace {

using namespace tk;

FormLayout Build() {
    FormLayout f = FormAt("TRytmaloHelp", L"", Bounds(0, 0, 420, 320));
    f.icon = L"MAINICON";
    f.controls = {
        {.kind = ControlKind::Label,
         .name = "lblTitre",
         .id = kHelpTitleId,
         .bounds = Bounds(8, 8, 404, 17),
         .noPrefix = true},
        {.kind = ControlKind::Memo,
         .name = "txtTexte",
         .id = kHelpTextId,
         .bounds = Bounds(8, 33, 404, 248),
         .color = clWindow,
         .tabOrder = 0,
         .readOnly = true},
        {.kind = ControlKind::Button,
         .name = "cmdFermer",
         .id = kHelpCloseId,
         .bounds = Bounds(337, 289, 75, 23),
         .caption = L"Fermer",
         .tabOrder = 1,
         .isDefault = true,
         .isCancel = true},
    };
    return f;
}

}  // namespace

const FormLayout& HelpWindowLayout() {
    static const FormLayout layout = Build();
    return layout;
}

}  // namespace rytmalo
