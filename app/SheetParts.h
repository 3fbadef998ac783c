// What the detailed view's layouts and pages have in common: the kinds of
// control they use, written once, and the two sample rates that the pages
// with sample columns choose and name in their headings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/DetailPages.h"
#include "app/DetailViewLayout.h"

namespace rytmalo {

tk::ControlLayout DetailLabel(std::string_view name, int id, std::string_view parent,
                              tk::TRect bounds, std::wstring_view caption);
// A control a user works with: its help, its place in the tab order and its
// hint, always shown.
tk::ControlLayout DetailInput(tk::ControlKind kind, std::string_view name, int id,
                              std::string_view parent, tk::TRect bounds, int help, int tab,
                              std::wstring_view hint);
tk::ControlLayout DetailCombo(std::string_view name, int id, std::string_view parent,
                              tk::TRect bounds, int help, int tab, std::wstring_view hint);
tk::ControlLayout DetailFigures(std::string_view name, int id, std::string_view parent,
                                tk::TRect bounds, int help, int tab, std::wstring_view hint,
                                std::span<const tk::ListColumn> columns);

// The two sample rates' controls at a left edge of a page: the label, the
// first list, the "et" and the second list, named as given.
void AddSampleRates(std::vector<tk::ControlLayout>& page, std::string_view parent, int left, int id,
                    int tab, const std::string_view (&names)[4]);
// Those two lists as settings.
void AddSampleRateSettings(std::vector<SettingControl>& settings, std::string_view first,
                           std::string_view second);
std::vector<Choice> SampleRateChoices(const DetailSettings&, const tk::NumberStyle& style);
// A list's own headings, then one for each rate ("48 kHz", copied as
// "Échantillons à 48 kHz").
Headings WithRates(std::vector<std::wstring> headings, SampleRates rates,
                   const tk::NumberStyle& style);

}  // namespace rytmalo
