#include "app/SheetParts.h"

#include "app/DetailText.h"
#include "help/HelpContexts.h"

namespace rytmalo {

using tk::ControlKind;
using tk::ControlLayout;

namespace {

constexpr std::wstring_view kSamplesHint =
    L"La fréquence d'échantillonnage de chacune des deux colonnes d'échantillons";

ControlLayout Placed(ControlKind kind, std::string_view name, int id, std::string_view parent,
                     tk::TRect bounds) {
    return {.kind = kind, .name = name, .id = id, .parent = parent, .bounds = bounds};
}

}  // namespace

ControlLayout DetailLabel(std::string_view name, int id, std::string_view parent, tk::TRect bounds,
                          std::wstring_view caption) {
    ControlLayout label = Placed(ControlKind::Label, name, id, parent, bounds);
    label.caption = caption;
    label.autoSize = true;
    return label;
}

ControlLayout DetailInput(ControlKind kind, std::string_view name, int id, std::string_view parent,
                          tk::TRect bounds, int help, int tab, std::wstring_view hint) {
    ControlLayout input = Placed(kind, name, id, parent, bounds);
    input.helpContext = help;
    input.tabOrder = tab;
    input.hint = hint;
    input.showHint = true;
    return input;
}

ControlLayout DetailCombo(std::string_view name, int id, std::string_view parent, tk::TRect bounds,
                          int help, int tab, std::wstring_view hint) {
    return DetailInput(ControlKind::ComboBox, name, id, parent, bounds, help, tab, hint);
}

ControlLayout DetailFigures(std::string_view name, int id, std::string_view parent,
                            tk::TRect bounds, int help, int tab, std::wstring_view hint,
                            std::span<const tk::ListColumn> columns) {
    ControlLayout figures =
        DetailInput(ControlKind::ListView, name, id, parent, bounds, help, tab, hint);
    figures.columns = columns;
    return figures;
}

void AddSampleRates(std::vector<ControlLayout>& page, std::string_view parent, int left, int id,
                    int tab, const std::string_view (&names)[4]) {
    page.push_back(
        DetailLabel(names[0], id, parent, tk::Bounds(left, 7, 78, 13), L"É&chantillons à"));
    page.push_back(DetailCombo(names[1], id + 1, parent, tk::Bounds(left + 80, 3, 72, 21),
                               kSampleRatesHelp, tab, kSamplesHint));
    page.push_back(DetailLabel(names[2], id + 2, parent, tk::Bounds(left + 156, 7, 12, 13), L"et"));
    page.push_back(DetailCombo(names[3], id + 3, parent, tk::Bounds(left + 170, 3, 72, 21),
                               kSampleRatesHelp, tab + 1, kSamplesHint));
}

void AddSampleRateSettings(std::vector<SettingControl>& settings, std::string_view first,
                           std::string_view second) {
    settings.push_back({first, L"Echantillons1", SampleRateChoices});
    settings.push_back({second, L"Echantillons2", SampleRateChoices});
}

std::vector<Choice> SampleRateChoices(const DetailSettings&, const tk::NumberStyle& style) {
    std::vector<Choice> choices;
    for (const std::int32_t rate : kSampleRateChoices)
        choices.push_back({RateName(rate, style), rate});
    return choices;
}

Headings WithRates(std::vector<std::wstring> headings, SampleRates rates,
                   const tk::NumberStyle& style) {
    Headings h{headings, std::move(headings)};
    for (const std::int32_t rate : {rates.first, rates.second}) {
        h.shown.push_back(RateName(rate, style));
        h.copied.push_back(L"Échantillons à " + RateName(rate, style));
    }
    return h;
}

}  // namespace rytmalo
