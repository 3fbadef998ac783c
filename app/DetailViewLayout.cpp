#include "app/DetailViewLayout.h"

#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

using namespace tk;

constexpr std::wstring_view kSamplesHint =
    L"La fréquence d'échantillonnage de chacune des deux colonnes d'échantillons";

ControlLayout Label(std::string_view name, int id, std::string_view parent, TRect bounds,
                    std::wstring_view caption) {
    return {.kind = ControlKind::Label,
            .name = name,
            .id = id,
            .parent = parent,
            .bounds = bounds,
            .caption = caption};
}

ControlLayout Combo(std::string_view name, int id, std::string_view parent, TRect bounds,
                    int help, int tab, std::wstring_view hint) {
    return {.kind = ControlKind::ComboBox,
            .name = name,
            .id = id,
            .parent = parent,
            .bounds = bounds,
            .helpContext = help,
            .tabOrder = tab,
            .hint = hint,
            .showHint = true};
}

ControlLayout Figures(std::string_view name, int id, std::string_view parent, TRect bounds,
                      int help, int tab, std::wstring_view hint, std::vector<ListColumn> columns) {
    return {.kind = ControlKind::ListView,
            .name = name,
            .id = id,
            .parent = parent,
            .bounds = bounds,
            .helpContext = help,
            .tabOrder = tab,
            .hint = hint,
            .showHint = true,
            .columns = std::move(columns)};
}

ControlLayout Sheet(std::string_view name, int id, std::wstring_view caption, int help) {
    return {.kind = ControlKind::TabSheet,
            .name = name,
            .id = id,
            .parent = "pgcPages",
            .caption = caption,
            .helpContext = help};
}

// The two sample rates, on each page with sample columns: the names of
// the label, the first list, the "et" and the second list.
void AddSampleRates(std::vector<ControlLayout>& page, std::string_view parent, int left, int id,
                    int tab, const std::string_view (&names)[4]) {
    page.push_back(Label(names[0], id, parent, Bounds(left, 7, 78, 13), L"É&chantillons à"));
    page.push_back(Combo(names[1], id + 1, parent, Bounds(left + 80, 3, 72, 21), kSampleRatesHelp,
                         tab, kSamplesHint));
    page.push_back(Label(names[2], id + 2, parent, Bounds(left + 156, 7, 12, 13), L"et"));
    page.push_back(Combo(names[3], id + 3, parent, Bounds(left + 170, 3, 72, 21),
                         kSampleRatesHelp, tab + 1, kSamplesHint));
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
        Label("lblTempoExact", 1110, "pnlDetail", Bounds(154, 15, 70, 13), L"Tempo e&xact :"),
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
        Label("lblDelai", 1103, "pnlDetail", Bounds(286, 15, 34, 13), L"&Délai :"),
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
        Label("lblUniteDelai", 1112, "pnlDetail", Bounds(382, 15, 13, 13), L"e&n"),
        Combo("cboUniteDelai", 1113, "pnlDetail", Bounds(397, 11, 116, 21), kDelayUnitHelp, 5,
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
         .tabs = {L"&Valeurs", L"&Mesures", L"M&ixage", L"Ima&ge"}},
    };
}

std::vector<ControlLayout> Values() {
    std::vector<ControlLayout> page{
        Sheet("tabValeurs", 1119, L"&Valeurs", kTableHelp),
        {.kind = ControlKind::CheckBox,
         .name = "chkToutesDivisions",
         .id = 1120,
         .parent = "tabValeurs",
         .bounds = Bounds(4, 5, 130, 17),
         .caption = L"Toute&s les divisions",
         .helpContext = kDivisionsHelp,
         .tabOrder = 0,
         .hint = L"Ajoute les valeurs doublement pointées, les quintolets et les septolets",
         .showHint = true},
    };
    AddSampleRates(page, "tabValeurs", 138, 1121, 1,
                   {"lblEchantillons", "cboEchantillons1", "lblEt", "cboEchantillons2"});
    page.push_back(Figures(
        "lvwTableau", 1106, "tabValeurs", Bounds(4, kPageSettingsHeight, 357, 160), kTableHelp, 3,
        L"Durées en ms, fréquences en Hz, échantillons aux deux fréquences ; Ctrl+C copie",
        {{L"Valeur", 126},
         {L"ms", 56, Alignment::Right},
         {L"Hz", 46, Alignment::Right},
         {L"44,1 kHz", 58, Alignment::Right},
         {L"48 kHz", 56, Alignment::Right}}));
    return page;
}

std::vector<ControlLayout> Bars() {
    std::vector<ControlLayout> page{
        Sheet("tabMesures", 1129, L"&Mesures", kBarsHelp),
        Label("lblMesure", 1130, "tabMesures", Bounds(4, 7, 44, 13), L"Mes&ure :"),
        Combo("cboMesureHaut", 1131, "tabMesures", Bounds(50, 3, 42, 21), kBarsHelp, 0,
              L"Le nombre de temps de la mesure, de 1 à 32"),
        Label("lblSur", 1132, "tabMesures", Bounds(96, 7, 6, 13), L"/"),
        Combo("cboMesureBas", 1133, "tabMesures", Bounds(104, 3, 42, 21), kBarsHelp, 1,
              L"La valeur qui fait le temps : 1, 2, 4, 8, 16 ou 32"),
    };
    AddSampleRates(page, "tabMesures", 154, 1134, 2,
                   {"lblEchantillonsMesures", "cboEchantillonsMesures1", "lblEtMesures",
                    "cboEchantillonsMesures2"});
    page.push_back(Figures("lvwMesures", 1138, "tabMesures", Bounds(4, kPageSettingsHeight, 357, 160),
                           kBarsHelp, 4, L"Durées des mesures à ce tempo ; Ctrl+C copie",
                           {{L"Durée", 110},
                            {L"ms", 60, Alignment::Right},
                            {L"min:s.ms", 60, Alignment::Right},
                            {L"44,1 kHz", 60, Alignment::Right},
                            {L"48 kHz", 60, Alignment::Right}}));
    return page;
}

std::vector<ControlLayout> Mixing() {
    return {
        Sheet("tabMixage", 1139, L"M&ixage", kMixingHelp),
        Label("lblPreDelai", 1140, "tabMixage", Bounds(4, 7, 56, 13), L"&Pré-délai :"),
        Combo("cboPreDelai", 1141, "tabMixage", Bounds(62, 3, 110, 21), kMixingHelp, 0,
              L"Le pré-délai de la réverbération : selon sa taille, ou le même pour toutes"),
        Figures("lvwReverb", 1142, "tabMixage", Bounds(4, kPageSettingsHeight, 357, 84), kMixingHelp,
                1, L"Réverbération en mesure avec le morceau ; Ctrl+C copie",
                {{L"Réverbération", 120},
                 {L"Pré-délai (ms)", 70, Alignment::Right},
                 {L"Déclin (ms)", 70, Alignment::Right},
                 {L"Longueur (ms)", 70, Alignment::Right}}),
        Figures("lvwCompresseur", 1143, "tabMixage", Bounds(4, kPageSettingsHeight + 88, 357, 100),
                kMixingHelp, 2, L"Attaque et relâchement du compresseur sur le temps ; Ctrl+C copie",
                {{L"Compresseur", 200}, {L"ms", 70, Alignment::Right}}),
    };
}

std::vector<ControlLayout> Picture() {
    return {
        Sheet("tabImage", 1149, L"Ima&ge", kPictureHelp),
        Figures("lvwImage", 1150, "tabImage", Bounds(4, 4, 357, 160), kPictureHelp, 0,
                L"Images par temps et par mesure, et le clic en images et huitièmes ; Ctrl+C copie",
                {{L"Images/s", 60},
                 {L"Par temps", 70, Alignment::Right},
                 {L"Par mesure", 70, Alignment::Right},
                 {L"Clic", 50, Alignment::Right}}),
    };
}

}  // namespace

const std::vector<ControlLayout>& DetailViewLayout() {
    static const std::vector<ControlLayout> layout = Shared();
    return layout;
}

const std::vector<ControlLayout>& DetailPageLayout(int page) {
    static const std::vector<ControlLayout> pages[] = {Values(), Bars(), Mixing(), Picture()};
    return pages[page < 0 || page > 3 ? 0 : page];
}

const ControlLayout* FindDetailControl(std::string_view name) {
    for (const ControlLayout& c : DetailViewLayout()) {
        if (c.name == name) return &c;
    }
    for (int page = 0; page < 4; ++page) {
        for (const ControlLayout& c : DetailPageLayout(page)) {
            if (c.name == name) return &c;
        }
    }
    return nullptr;
}

}  // namespace rytmalo
