#include "app/MainFormLayout.h"

#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

constexpr FontSpec kWindowFont{L"MS Sans Serif", -11, 0, clWindowText};
constexpr FontSpec kCaptionLabelFont{L"MS Sans Serif", -11, fsBold, clYellow};
constexpr FontSpec kValueLabelFont{L"MS Sans Serif", -11, fsBold, clWhite};
constexpr FontSpec kHeaderFont{L"MS Sans Serif", -13, fsBold | fsItalic, clYellow};
constexpr FontSpec kButtonFont{L"MS Sans Serif", -11, 0, clBtnText};

// Caption labels end 7 pixels before their value label.
constexpr int kLeftCaptionRight = 113;
constexpr int kRightCaptionRight = 297;
constexpr int kLeftValueLeft = 120;
constexpr int kRightValueLeft = 304;

ControlLayout CaptionLabel(std::string_view name, std::wstring_view caption, int right, int top) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = "Panel1",
            .bounds = Bounds(right - 100, top, 100, 13),
            .caption = caption,
            .font = kCaptionLabelFont,
            .alignment = Alignment::Right,
            .autoSize = true};
}

ControlLayout ValueLabel(std::string_view name, int left, int top) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = "Panel1",
            .bounds = Bounds(left, top, 0, 13),
            .font = kValueLabelFont,
            .autoSize = true};
}

FormLayout Build() {
    FormLayout f = FormAt("TMainForm", L"Rytmalo 95", Bounds(323, 141, 381, 327),
                          BorderStyle::Single, biMinimize | biMaximize | biHelp);
    f.font = kWindowFont;
    f.helpContext = kContentsTopic;

    f.controls = {
        {.kind = ControlKind::Bevel,
         .name = "Bevel1",
         .bounds = Bounds(8, 256, 361, 65),
         .bevelOuter = BevelCut::Raised},
        {.kind = ControlKind::GroupBox,
         .name = "GroupBox1",
         .bounds = Bounds(8, 8, 129, 73),
         .caption = L"Tempo",
         .tabOrder = 0},
        {.kind = ControlKind::Edit,
         .name = "txtTempo",
         .parent = "GroupBox1",
         .bounds = Bounds(40, 32, 57, 21),
         .helpContext = kTempoHelp,
         .tabOrder = 0,
         .hint = L"Entrez ici le tempo servant de base au calcul",
         .showHint = true,
         .maxLength = 3},
        {.kind = ControlKind::GroupBox,
         .name = "GroupBox2",
         .bounds = Bounds(144, 8, 225, 73),
         .caption = L"Unité de temps",
         .tabOrder = 1},
        // Named after the whole note, it chooses the half note.
        {.kind = ControlKind::RadioButton,
         .name = "rdoRonde",
         .parent = "GroupBox2",
         .bounds = Bounds(24, 24, 105, 17),
         .caption = L"Blanche (x/2)",
         .helpContext = kBeatUnitHelp},
        {.kind = ControlKind::RadioButton,
         .name = "rdoNoire",
         .parent = "GroupBox2",
         .bounds = Bounds(24, 48, 81, 17),
         .caption = L"Noire (x/4)",
         .helpContext = kBeatUnitHelp,
         .checked = true},
        {.kind = ControlKind::RadioButton,
         .name = "rdoCroche",
         .parent = "GroupBox2",
         .bounds = Bounds(120, 24, 81, 17),
         .caption = L"Croche (x/8)",
         .helpContext = kBeatUnitHelp},
        {.kind = ControlKind::RadioButton,
         .name = "rdoDouble",
         .parent = "GroupBox2",
         .bounds = Bounds(120, 48, 89, 17),
         .caption = L"Double (x/16)",
         .helpContext = kBeatUnitHelp},
        {.kind = ControlKind::Panel,
         .name = "Panel1",
         .bounds = Bounds(8, 88, 361, 161),
         .color = clBlack,
         .bevelOuter = BevelCut::Lowered},
        {.kind = ControlKind::Panel,
         .name = "Panel2",
         .parent = "Panel1",
         .bounds = Bounds(1, 1, 358, 26),
         .caption = L"  Délai (ms)",
         .font = kHeaderFont,
         .color = clGray,
         .bevelOuter = BevelCut::Raised},
        CaptionLabel("Label1", L"Ronde :", kLeftCaptionRight, 40),
        ValueLabel("txtRonde", kLeftValueLeft, 40),
        CaptionLabel("Label6", L"Blanche :", kLeftCaptionRight, 64),
        ValueLabel("txtBlanche", kLeftValueLeft, 64),
        CaptionLabel("Label7", L"Noire :", kLeftCaptionRight, 88),
        ValueLabel("txtNoire", kLeftValueLeft, 88),
        CaptionLabel("Label8", L"Triolet de noire :", kLeftCaptionRight, 112),
        ValueLabel("txtTrioletNoire", kLeftValueLeft, 112),
        CaptionLabel("Label9", L"Croche :", kLeftCaptionRight, 136),
        ValueLabel("txtCroche", kLeftValueLeft, 136),
        CaptionLabel("Label4", L"Triolet :", kRightCaptionRight, 40),
        ValueLabel("txtTriolet", kRightValueLeft, 40),
        CaptionLabel("Label2", L"Double-Croche :", kRightCaptionRight, 64),
        ValueLabel("txtDouble", kRightValueLeft, 64),
        CaptionLabel("Label10", L"Triolet de Double :", kRightCaptionRight, 88),
        ValueLabel("txtTrioletDouble", kRightValueLeft, 88),
        CaptionLabel("Label5", L"Triple-Croche :", kRightCaptionRight, 112),
        ValueLabel("txtTriple", kRightValueLeft, 112),
        CaptionLabel("Label3", L"Quadruple croche :", kRightCaptionRight, 136),
        ValueLabel("txtQuadruple", kRightValueLeft, 136),
        {.kind = ControlKind::BitButton,
         .name = "cmdQuitter",
         .bounds = Bounds(128, 272, 121, 33),
         .caption = L"Quitter",
         .font = kButtonFont,
         .helpContext = kQuitHelp,
         .tabOrder = 2,
         .glyph = L"GLYPH_QUITTER"},
    };

    f.menu = {
        {.name = "Options1", .caption = L"&Options", .helpContext = kOptionsMenuHelp},
        {.name = "Prferences1",
         .parent = "Options1",
         .caption = L"&Préferences",
         .helpContext = kPreferencesCommandHelp},
        {.name = "N1", .caption = L"&?", .helpContext = kHelpMenuHelp},
        {.name = "N1Sommairedelaide1", .parent = "N1", .caption = L"&Sommaire de l'aide..."},
        {.name = "mnuAProposDe", .parent = "N1", .caption = L"&A propos de ..."},
        {.name = "mnuTableauDetaille",
         .parent = "Options1",
         .caption = L"&Tableau détaillé",
         .helpContext = kDetailCommandHelp},
    };

    // Only what differs from each class's defaults: the store is a closed
    // per-user store, the window is not kept on top until the saved choice
    // says so, the path registration is enabled, and a brush's default
    // colour is white, hence the stored pale yellow.
    f.components = {
        {.className = "TRegAppUserConfig",
         .name = "RegApp",
         .properties = {{"Company", L"Vortan Music"},
                        {"ApplicationName", L"Rytmalo95"},
                        {"Version", L"v2.0"}}},
        {.className = "TEllipticHint",
         .name = "EllipticHint1",
         .properties = {{"Brush.Color", std::int32_t{8454143}}}},
        {.className = "TTopMost", .name = "TopMost1", .properties = {{"OnTop", false}}},
        {.className = "TOnlyOpenOnce",
         .name = "OnlyOpenOnce1",
         .properties = {{"UniqueString", std::wstring_view(L"Kestro")}, {"IsAppVisible", true}}},
        {.className = "TPlomexAppPath", .name = "PlomexAppPath1"},
    };
    return f;
}

}  // namespace

const FormLayout& MainFormLayout() {
    static const FormLayout layout = Build();
    return layout;
}

}  // namespace rytmalo
