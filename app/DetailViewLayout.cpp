#include "app/DetailViewLayout.h"

namespace rytmalo {
namespace {

using namespace tk;

std::vector<ControlLayout> Build() {
    return {
        {.kind = ControlKind::Bevel,
         .name = "bvlTableau",
         .id = 1100,
         .bounds = Bounds(8, 328, 365, 2),
         .bevelOuter = BevelCut::Lowered},
        {.kind = ControlKind::Button,
         .name = "cmdTaper",
         .id = 1101,
         .bounds = Bounds(8, 336, 89, 25),
         .caption = L"&Taper",
         .helpContext = kTapHelp,
         .tabOrder = 3,
         .hint = L"Cliquez ou appuyez sur Espace au rythme du morceau",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblTempoTape",
         .id = 1102,
         .bounds = Bounds(105, 342, 268, 13),
         .caption = L"Tapez au moins deux temps",
         .noPrefix = true},
        {.kind = ControlKind::Label,
         .name = "lblDelai",
         .id = 1103,
         .bounds = Bounds(8, 373, 68, 13),
         .caption = L"&Délai (ms) :"},
        {.kind = ControlKind::Edit,
         .name = "txtDelai",
         .id = 1104,
         .bounds = Bounds(78, 369, 67, 21),
         .helpContext = kDelayHelp,
         .tabOrder = 4,
         .hint = L"Tapez un délai en millisecondes puis Entrée",
         .showHint = true,
         .maxLength = 12},
        {.kind = ControlKind::ListBox,
         .name = "lstTempos",
         .id = 1105,
         .bounds = Bounds(153, 367, 220, 56),
         .helpContext = kTemposHelp,
         .tabOrder = 5,
         .hint = L"Double-cliquez sur un tempo, ou Entrée, pour le calculer",
         .showHint = true},
        {.kind = ControlKind::ListView,
         .name = "lvwTableau",
         .id = 1106,
         .bounds = Bounds(8, 431, 365, 189),
         .helpContext = kTableHelp,
         .tabOrder = 6,
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
