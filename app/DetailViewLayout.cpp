#include "app/DetailViewLayout.h"

#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

// Every control sits in one panel below the main window's content, so that
// the view shows and hides as one.
std::vector<ControlLayout> Build() {
    return {
        {.kind = ControlKind::Panel,
         .name = "pnlDetail",
         .id = 1099,
         .bounds = Bounds(0, kDetailViewTop, kDetailViewWidth, kDetailViewHeight),
         .tabOrder = 3,
         .visible = false},
        {.kind = ControlKind::Bevel,
         .name = "bvlTableau",
         .id = 1100,
         .parent = "pnlDetail",
         .bounds = Bounds(8, 1, 365, 2),
         .bevelOuter = BevelCut::Lowered},
        {.kind = ControlKind::Button,
         .name = "cmdTaper",
         .id = 1101,
         .parent = "pnlDetail",
         .bounds = Bounds(8, 9, 89, 25),
         .caption = L"&Taper",
         .helpContext = kTapHelp,
         .tabOrder = 0,
         .hint = L"Cliquez ou appuyez sur Espace au rythme du morceau",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblTempoTape",
         .id = 1102,
         .parent = "pnlDetail",
         .bounds = Bounds(105, 15, 268, 13),
         .caption = kTapPrompt,
         .noPrefix = true},
        {.kind = ControlKind::Label,
         .name = "lblDelai",
         .id = 1103,
         .parent = "pnlDetail",
         .bounds = Bounds(8, 46, 68, 13),
         .caption = L"&Délai (ms) :"},
        {.kind = ControlKind::Edit,
         .name = "txtDelai",
         .id = 1104,
         .parent = "pnlDetail",
         .bounds = Bounds(78, 42, 67, 21),
         .helpContext = kDelayHelp,
         .tabOrder = 1,
         .hint = L"Tapez un délai en millisecondes puis Entrée",
         .showHint = true,
         .maxLength = 12},
        {.kind = ControlKind::ListBox,
         .name = "lstTempos",
         .id = 1105,
         .parent = "pnlDetail",
         .bounds = Bounds(153, kTemposTop, 220, kTemposHeight),
         .helpContext = kTemposHelp,
         .tabOrder = 2,
         .hint = L"Double-cliquez sur un tempo, ou Entrée, pour le calculer",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblTableau",
         .id = 1107,
         .parent = "pnlDetail",
         .bounds = Bounds(8, kTableTop - 17, 365, 13),
         .caption = kTablePrompt,
         .noPrefix = true},
        {.kind = ControlKind::ListView,
         .name = "lvwTableau",
         .id = 1106,
         .parent = "pnlDetail",
         .bounds = Bounds(8, kTableTop, 365, kDetailViewHeight - kTableTop - 8),
         .helpContext = kTableHelp,
         .tabOrder = 3,
         .hint = L"Durées en ms, fréquences en Hz, échantillons à 44,1 et 48 kHz ; Ctrl+C copie",
         .showHint = true,
         .columns = {{L"Valeur", 126},
                     {L"ms", 56, Alignment::Right},
                     {L"Hz", 46, Alignment::Right},
                     {L"44,1 kHz", 58, Alignment::Right},
                     {L"48 kHz", 56, Alignment::Right}}},
    };
}

}  // namespace

const std::vector<ControlLayout>& DetailViewLayout() {
    static const std::vector<ControlLayout> layout = Build();
    return layout;
}

const ControlLayout* FindDetailControl(std::string_view name) {
    for (const ControlLayout& c : DetailViewLayout()) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

}  // namespace rytmalo
