#include "app/DetailViewLayout.h"

#include "app/DetailPages.h"
#include "app/SheetParts.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

std::vector<std::wstring_view> Tabs() {
    std::vector<std::wstring_view> tabs;
    for (const PageRow& page : DetailPages()) tabs.push_back(page.tab);
    return tabs;
}

std::vector<ControlLayout> Shared() {
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
         .bounds = Bounds(8, 9, 70, 25),
         .caption = L"&Taper",
         .helpContext = kTapHelp,
         .tabOrder = 0,
         .hint = L"Cliquez ou appuyez sur Espace au rythme du morceau ; Échap recommence",
         .showHint = true},
        {.kind = ControlKind::Button,
         .name = "cmdDouble",
         .id = 1108,
         .parent = "pnlDetail",
         .bounds = Bounds(82, 9, 30, 25),
         .caption = L"×2",
         .helpContext = kStepHelp,
         .tabOrder = 1,
         .hint = L"Double le tempo",
         .showHint = true},
        {.kind = ControlKind::Button,
         .name = "cmdMoitie",
         .id = 1109,
         .parent = "pnlDetail",
         .bounds = Bounds(116, 9, 30, 25),
         .caption = L"÷2",
         .helpContext = kStepHelp,
         .tabOrder = 2,
         .hint = L"Divise le tempo par deux",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblTempoTape",
         .id = 1102,
         .parent = "pnlDetail",
         .bounds = Bounds(242, kTemposTop + 2, 131, 13),
         .caption = kTapPrompt,
         .noPrefix = true},
        DetailLabel("lblTempoExact", 1110, "pnlDetail", Bounds(154, 15, 70, 13), L"Tempo e&xact :"),
        {.kind = ControlKind::Edit,
         .name = "txtTempoExact",
         .id = 1111,
         .parent = "pnlDetail",
         .bounds = Bounds(226, 11, 52, 21),
         .helpContext = kExactTempoHelp,
         .tabOrder = 3,
         .hint = L"Le tempo avec ses décimales, de 10 à 250, puis Entrée",
         .showHint = true,
         .maxLength = 7},
        DetailLabel("lblDelai", 1103, "pnlDetail", Bounds(286, 15, 34, 13), L"&Délai :"),
        {.kind = ControlKind::Edit,
         .name = "txtDelai",
         .id = 1104,
         .parent = "pnlDetail",
         .bounds = Bounds(322, 11, 56, 21),
         .helpContext = kDelayHelp,
         .tabOrder = 4,
         .hint = L"Un délai puis Entrée ; sur la page Image, un clic comme 12-2",
         .showHint = true,
         .maxLength = 14},
        DetailLabel("lblUniteDelai", 1112, "pnlDetail", Bounds(382, 15, 13, 13), L"e&n"),
        DetailCombo("cboUniteDelai", 1113, "pnlDetail", Bounds(397, 11, 116, 21), kDelayUnitHelp, 5,
                    L"L'unité du délai : millisecondes, hertz ou échantillons"),
        {.kind = ControlKind::ListBox,
         .name = "lstTempos",
         .id = 1105,
         .parent = "pnlDetail",
         .bounds = Bounds(8, kTemposTop, 226, kTemposHeight),
         .helpContext = kTemposHelp,
         .tabOrder = 6,
         .hint = L"Double-cliquez sur un tempo, ou Entrée, pour le calculer",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblProche",
         .id = 1114,
         .parent = "pnlDetail",
         .bounds = Bounds(242, kTemposTop + 18, 131, 26),
         .noPrefix = true},
        {.kind = ControlKind::Label,
         .name = "lblTableau",
         .id = 1107,
         .parent = "pnlDetail",
         .bounds = Bounds(8, kPagesTop - 17, 365, 13),
         .caption = kTablePrompt,
         .noPrefix = true},
        {.kind = ControlKind::PageControl,
         .name = "pgcPages",
         .id = 1115,
         .parent = "pnlDetail",
         .bounds = Bounds(8, kPagesTop, 365, kDetailViewHeight - kPagesTop - 8),
         .helpContext = kPagesHelp,
         .tabOrder = 7,
         .tabs = Tabs()},
    };
}

}  // namespace

const std::vector<ControlLayout>& DetailViewLayout() {
    static const std::vector<ControlLayout> layout = Shared();
    return layout;
}

const ControlLayout* FindDetailControl(std::string_view name) {
    for (const ControlLayout& c : DetailViewLayout()) {
        if (c.name == name) return &c;
    }
    for (const PageRow& page : DetailPages()) {
        for (const ControlLayout& c : page.content().controls) {
            if (c.name == name) return &c;
        }
    }
    return nullptr;
}

}  // namespace rytmalo
