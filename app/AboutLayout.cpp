#include "app/AboutLayout.h"

#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

FormLayout Build() {
    FormLayout f;
    f.className = "TfrmAProposDe";
    f.caption = L"A propos de ...";
    f.left = 200;
    f.top = 160;
    f.clientWidth = 339;
    f.clientHeight = 259;
    f.borderStyle = BorderStyle::Single;
    f.borderIcons = biSystemMenu;
    f.formStyle = FormStyle::StayOnTop;
    f.position = FormPosition::ScreenCenter;
    f.windowAtFirstShow = true;
    f.font = {L"MS Sans Serif", -11, 0, clWindowText};
    f.helpContext = kAboutHelp;
    f.icon = L"ICON_APROPOS";

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
