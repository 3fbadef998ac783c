#include "app/DetailSettings.h"

#include <algorithm>
#include <array>

namespace rytmalo {
namespace {

constexpr bool IsFlag(std::int32_t v) { return v == 0 || v == 1; }

constexpr std::array<SettingRow, 13> kRows{{
    {L"TableauDetaille", L"l'affichage du tableau détaillé",
     [](const DetailSettings& s) -> std::int32_t { return s.shown; },
     [](DetailSettings& s, std::int32_t v) { s.shown = v != 0; }, IsFlag, 0, false},
    {L"PageDetail", L"la page affichée",
     [](const DetailSettings& s) { return static_cast<std::int32_t>(s.page); },
     [](DetailSettings& s, std::int32_t v) { s.page = static_cast<PageId>(v); },
     [](std::int32_t v) { return v >= 0 && static_cast<std::size_t>(v) < kPageCount; }, 1, false},
    {L"ToutesDivisions", L"le choix de toutes les divisions",
     [](const DetailSettings& s) -> std::int32_t { return s.allDivisions; },
     [](DetailSettings& s, std::int32_t v) { s.allDivisions = v != 0; }, IsFlag, 2, true},
    {L"MesureHaut", L"la mesure", [](const DetailSettings& s) { return s.signature.numerator; },
     [](DetailSettings& s, std::int32_t v) { s.signature.numerator = v; },
     [](std::int32_t v) {
         return IsValidSignature({v, 4});
     },
     3, true},
    {L"MesureBas", L"la mesure", [](const DetailSettings& s) { return s.signature.denominator; },
     [](DetailSettings& s, std::int32_t v) { s.signature.denominator = v; },
     [](std::int32_t v) {
         return IsValidSignature({4, v});
     },
     3, true},
    {L"PreDelai", L"le pré-délai de la réverbération",
     [](const DetailSettings& s) { return static_cast<std::int32_t>(s.preDelay); },
     [](DetailSettings& s, std::int32_t v) { s.preDelay = static_cast<PreDelay>(v); },
     [](std::int32_t v) { return IsPreDelay(v); }, 4, true},
    {L"Echantillons1", L"la première fréquence d'échantillonnage",
     [](const DetailSettings& s) { return s.rates.first; },
     [](DetailSettings& s, std::int32_t v) { s.rates.first = v; },
     [](std::int32_t v) { return IsSampleRateChoice(v); }, 5, true},
    {L"Echantillons2", L"la seconde fréquence d'échantillonnage",
     [](const DetailSettings& s) { return s.rates.second; },
     [](DetailSettings& s, std::int32_t v) { s.rates.second = v; },
     [](std::int32_t v) { return IsSampleRateChoice(v); }, 6, true},
    {L"UniteDelai", L"l'unité du délai",
     [](const DetailSettings& s) { return static_cast<std::int32_t>(s.delayUnit); },
     [](DetailSettings& s, std::int32_t v) { s.delayUnit = static_cast<DelayUnit>(v); },
     [](std::int32_t v) { return IsDelayUnit(v); }, 7, false},
    {L"UniteLongueur", L"l'unité de la longueur d'une boucle",
     [](const DetailSettings& s) { return static_cast<std::int32_t>(s.lengthUnit); },
     [](DetailSettings& s, std::int32_t v) { s.lengthUnit = static_cast<LengthUnit>(v); },
     [](std::int32_t v) { return IsLengthUnit(v); }, 8, true},
    {L"TempoVise", L"le tempo visé", [](const DetailSettings& s) { return s.targetTempo; },
     [](DetailSettings& s, std::int32_t v) { s.targetTempo = v; },
     [](std::int32_t v) { return v == 0 || IsTempoInRange(v); }, 9, true},
    {L"Decalage", L"le décalage en demi-tons", [](const DetailSettings& s) { return s.shift; },
     [](DetailSettings& s, std::int32_t v) { s.shift = v; },
     [](std::int32_t v) { return v >= -kLargestShift && v <= kLargestShift; }, 10, true},
    {L"Swing", L"le swing", [](const DetailSettings& s) { return s.swing; },
     [](DetailSettings& s, std::int32_t v) { s.swing = v; },
     [](std::int32_t v) { return IsSwing(v); }, 11, true},
}};

}  // namespace

std::span<const SettingRow> DetailSettingRows() { return kRows; }

const SettingRow* FindSettingRow(std::wstring_view name) {
    for (const SettingRow& row : kRows) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

std::int32_t DefaultOf(const SettingRow& row) { return row.get(DetailSettings{}); }

std::vector<const SettingRow*> WholeGroups(const std::vector<const SettingRow*>& rows) {
    std::vector<const SettingRow*> whole;
    for (const SettingRow& row : kRows) {
        const bool inGroup = std::any_of(
            rows.begin(), rows.end(), [&](const SettingRow* r) { return r->group == row.group; });
        if (inGroup) whole.push_back(&row);
    }
    return whole;
}

std::vector<const SettingRow*> ChangedRows(const DetailSettings& before,
                                           const DetailSettings& after) {
    std::vector<const SettingRow*> changed;
    for (const SettingRow& row : kRows) {
        if (row.get(before) != row.get(after)) changed.push_back(&row);
    }
    return WholeGroups(changed);
}

std::wstring ResetNotice(const std::vector<const SettingRow*>& reset) {
    std::vector<std::wstring_view> said;
    for (const SettingRow* row : reset) {
        if (std::find(said.begin(), said.end(), row->what) == said.end()) said.push_back(row->what);
    }
    std::wstring text = said.size() == 1
                            ? L"Un réglage enregistré était illisible ou hors limites : "
                            : L"Des réglages enregistrés étaient illisibles ou hors limites : ";
    for (std::size_t i = 0; i < said.size(); ++i) {
        if (i > 0) text += i + 1 == said.size() ? L" et " : L", ";
        text += said[i];
    }
    text += said.size() == 1 ? L". Il a repris sa valeur par défaut, qui est enregistrée."
                             : L". Ils ont repris leur valeur par défaut, qui est enregistrée.";
    return text;
}

}  // namespace rytmalo
