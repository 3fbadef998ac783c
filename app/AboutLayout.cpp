#include "app/AboutLayout.h"

#include "app/DialogFrame.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

FormLayout Build() {
    FormLayout f = DialogFrame("TfrmAProposDe", L"A propos de ...", Bounds(200, 160, 339, 259),
                               L"ICON_APROPOS");
    f.helpContext = kAboutHelp;

    // The labels take the width of their text: the face standing in for
    // MS Sans Serif may be wider than the one the box was drawn with.
    f.controls = {
        {.kind = ControlKind::GroupBox,
         .name = "GroupBox1",
         .bounds = Bounds(8, 8, 321, 121),
         .tabOrder = 0},
        {.kind = ControlKind::Label,
         .name = "Label1",
         .parent = "GroupBox1",
         .bounds = Bounds(96, 24, 128, 24),
         .caption = L"RYTMALO 95",
         .font = FontSpec{L"MS Sans Serif", -19, fsBold | fsItalic | fsUnderline, clRed},
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label2",
         .parent = "GroupBox1",
         .bounds = Bounds(48, 56, 229, 13),
         .caption = L"Calculatrice de conversion Tempo/Délai",
         .font = FontSpec{L"MS Sans Serif", -11, fsBold, clWindowText},
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label3",
         .parent = "GroupBox1",
         .bounds = Bounds(72, 80, 179, 13),
         .caption = L"Une création de Vortan Music",
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "Label4",
         .parent = "GroupBox1",
         .bounds = Bounds(80, 96, 173, 13),
         .caption = L"Tous droits réservés",
         .font = FontSpec{L"MS Sans Serif", -11, fsItalic, clWindowText},
         .autoSize = true},
        {.kind = ControlKind::BitButton,
         .name = "cmdOK",
         .bounds = Bounds(112, 212, 113, 29),
         .caption = L"&OK",
         .helpContext = kContentsTopic,
         .tabOrder = 1,
         .isDefault = true,
         .modalResult = 1,
         .glyph = L"GLYPH_OK"},
    };
    return f;
}

}  // namespace

const FormLayout& AboutLayout() {
    static const FormLayout layout = Build();
    return layout;
}

}  // namespace rytmalo
