#include "app/DetailViewLayout.h"

#include "app/DetailPages.h"
#include "app/SheetParts.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

std::span<const std::wstring_view> Tabs() {
    static const std::vector<std::wstring_view> tabs = [] {
        std::vector<std::wstring_view> made;
        for (const PageRow& page : DetailPages()) made.push_back(page.tab);
        return made;
    }();
    return tabs;
}

std::vector<ControlLayout> Shared() {
    return {
        // Beside the calculator: what the pages share.
        {.kind = ControlKind::Panel,
         .name = "pnlOutils",
         .id = 1098,
         .bounds = Bounds(kToolsLeft, 0, kToolsWidth, kCalculatorHeight),
         .tabOrder = 3,
         .visible = false},
        {.kind = ControlKind::Bevel,
         .name = "bvlOutils",
         .id = 1097,
         .parent = "pnlOutils",
         .bounds = Bounds(0, 8, 2, kCalculatorHeight - 16),
         .bevelOuter = BevelCut::Lowered},
        {.kind = ControlKind::Button,
         .name = "cmdTaper",
         .id = 1101,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin, 8, 70, 25),
         .caption = L"&Taper",
         .helpContext = kTapHelp,
         .tabOrder = 0,
         .hint = L"Cliquez ou appuyez sur Espace au rythme du morceau ; Échap recommence",
         .showHint = true},
        {.kind = ControlKind::Button,
         .name = "cmdDouble",
         .id = 1108,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin + 74, 8, 30, 25),
         .caption = L"×2",
         .helpContext = kStepHelp,
         .tabOrder = 1,
         .hint = L"Double le tempo",
         .showHint = true},
        {.kind = ControlKind::Button,
         .name = "cmdMoitie",
         .id = 1109,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin + 108, 8, 30, 25),
         .caption = L"÷2",
         .helpContext = kStepHelp,
         .tabOrder = 2,
         .hint = L"Divise le tempo par deux",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblTempoTape",
         .id = 1102,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin, 39, kToolsWidth - 2 * kToolsMargin, 13),
         .caption = kTapPrompt,
         .noPrefix = true},
        DetailLabel("lblTempoExact", 1110, "pnlOutils", Bounds(kToolsMargin, 62, 70, 13),
                    L"Tempo e&xact :"),
        {.kind = ControlKind::Edit,
         .name = "txtTempoExact",
         .id = 1111,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin + 74, 58, 56, 21),
         .helpContext = kExactTempoHelp,
         .tabOrder = 3,
         .hint = L"Le tempo avec ses décimales, de 10 à 250, puis Entrée ; Échap remet le tempo "
                 L"en cours",
         .showHint = true,
         .maxLength = 7},
        DetailLabel("lblDelai", 1103, "pnlOutils", Bounds(kToolsMargin, 90, 34, 13), L"&Délai :"),
        {.kind = ControlKind::Edit,
         .name = "txtDelai",
         .id = 1104,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin + 38, 86, 56, 21),
         .helpContext = kDelayHelp,
         .tabOrder = 4,
         .hint = L"Un délai puis Entrée ; sur la page Image, un clic comme 12-2",
         .showHint = true,
         .maxLength = 14},
        DetailLabel("lblUniteDelai", 1112, "pnlOutils", Bounds(kToolsMargin + 98, 90, 13, 13),
                    L"e&n"),
        DetailCombo("cboUniteDelai", 1113, "pnlOutils", Bounds(kToolsMargin + 115, 86, 116, 21),
                    kDelayUnitHelp, 5, L"L'unité du délai : millisecondes, hertz ou échantillons"),
        {.kind = ControlKind::ListBox,
         .name = "lstTempos",
         .id = 1105,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin, kTemposTop, kToolsWidth - 2 * kToolsMargin,
                          kCalculatorHeight - kTemposTop - 8 - kClosestHeight - 4),
         .helpContext = kTemposHelp,
         .tabOrder = 6,
         .hint = L"Double-cliquez sur un tempo, ou Entrée, pour le calculer",
         .showHint = true},
        {.kind = ControlKind::Label,
         .name = "lblProche",
         .id = 1114,
         .parent = "pnlOutils",
         .bounds = Bounds(kToolsMargin, kCalculatorHeight - 8 - kClosestHeight,
                          kToolsWidth - 2 * kToolsMargin, kClosestHeight),
         .noPrefix = true},
        // Below the calculator: the pages.
        {.kind = ControlKind::Panel,
         .name = "pnlDetail",
         .id = 1099,
         .bounds = Bounds(0, kCalculatorHeight, kCalculatorWidth, kDetailViewHeight),
         .tabOrder = 4,
         .visible = false},
        {.kind = ControlKind::Bevel,
         .name = "bvlTableau",
         .id = 1100,
         .parent = "pnlDetail",
         .bounds = Bounds(8, 1, kCalculatorWidth - 16, 2),
         .bevelOuter = BevelCut::Lowered},
        {.kind = ControlKind::Label,
         .name = "lblTableau",
         .id = 1107,
         .parent = "pnlDetail",
         .bounds = Bounds(8, 8, kCalculatorWidth - 16, 13),
         .caption = kTablePrompt,
         .noPrefix = true},
        {.kind = ControlKind::PageControl,
         .name = "pgcPages",
         .id = 1115,
         .parent = "pnlDetail",
         .bounds = Bounds(8, kPagesTop, kCalculatorWidth - 16, kDetailViewHeight - kPagesTop - 8),
         .helpContext = kPagesHelp,
         .tabOrder = 0,
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
