#include "app/SheetParts.h"

#include "app/DetailText.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

constexpr std::wstring_view kSamplesHint =
    L"La fréquence d'échantillonnage de chacune des deux colonnes d'échantillons";

}  // namespace

using tk::ControlKind;
using tk::ControlLayout;

ControlLayout DetailLabel(std::string_view name, int id, std::string_view parent, tk::TRect bounds,
                          std::wstring_view caption) {
    return {.kind = ControlKind::Label,
            .name = name,
            .id = id,
            .parent = parent,
            .bounds = bounds,
            .caption = caption,
            .autoSize = true};
}

ControlLayout DetailCombo(std::string_view name, int id, std::string_view parent, tk::TRect bounds,
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

ControlLayout DetailFigures(std::string_view name, int id, std::string_view parent,
                            tk::TRect bounds, int help, int tab, std::wstring_view hint,
                            std::span<const tk::ListColumn> columns) {
    return {.kind = ControlKind::ListView,
            .name = name,
            .id = id,
            .parent = parent,
            .bounds = bounds,
            .helpContext = help,
            .tabOrder = tab,
            .hint = hint,
            .showHint = true,
            .columns = columns};
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
