// The main window's detailed view, shown when the user turns it on: beside
// the calculator, its tools, what all its pages share (tap tempo, ×2 and
// ÷2, the exact tempo, a delay's tempos); below, the pages of figures. Its
// controls are made when it is first shown, each page's when its tab is
// first chosen; each carries its own window identifier. Places are in
// 96-dpi pixels for the view at its least size; the view moves and widens
// its controls to their texts, and its lists and tabs with the window.
#pragma once

#include <string_view>
#include <vector>

#include "core/Layout.h"

namespace rytmalo {

// The calculator's part of the window: the view's tools stand beside it,
// its pages below it.
inline constexpr int kCalculatorWidth = 381;
inline constexpr int kCalculatorHeight = 327;
// The tools: where they start, their least width, the margin within.
inline constexpr int kToolsLeft = 373;
inline constexpr int kToolsWidth = 270;
inline constexpr int kToolsMargin = 10;
// The list of a delay's tempos, and below it the note value nearest to it.
inline constexpr int kTemposTop = 114;
inline constexpr int kClosestHeight = 28;
// The pages' height when no list of theirs counts its rows (before any
// page is made), and where the tabs start in it.
inline constexpr int kDetailViewHeight = 300;
inline constexpr int kPagesTop = 26;
// The least a page's list keeps: its headings and a row.
inline constexpr int kLeastTableHeight = 40;
// The least the pages keep on a screen too short for them: the tempo's
// line, the tabs, a page's settings and a list.
inline constexpr int kLeastPagesHeight = kPagesTop + 24 + 28 + kLeastTableHeight + 8;
// The room on a page above its list, where its own settings are.
inline constexpr int kPageSettingsHeight = 28;

// What the view says before there is anything to say.
inline constexpr wchar_t kTapPrompt[] = L"Tapez au moins deux temps";
inline constexpr wchar_t kTablePrompt[] = L"Entrez un tempo pour remplir les pages";

// The shared part, in its panel, with the tabs of the pages.
const std::vector<tk::ControlLayout>& DetailViewLayout();
// A control of the view or of a page by name; nullptr for another name.
const tk::ControlLayout* FindDetailControl(std::string_view name);

}  // namespace rytmalo
