// The main window's detailed view, shown below its usual content when the
// user turns it on: above, what all its pages share (tap tempo, ×2 and ÷2,
// the exact tempo, a delay's tempos); below, the pages of figures. Its
// controls are made when it is first shown, each page's when its tab is
// first chosen; each carries its own window identifier. Places are in
// 96-dpi pixels for the view at its least width; the view widens its
// lists and tabs with the window.
#pragma once

#include <string_view>
#include <vector>

#include "core/Layout.h"

namespace rytmalo {

// Where the view starts in the window, its least width and the height it
// asks for.
inline constexpr int kDetailViewTop = 327;
inline constexpr int kDetailViewWidth = 381;
inline constexpr int kDetailViewHeight = 360;
// Where the pages start; the list of a delay's tempos above them may give
// up height down to two lines when the screen is short.
inline constexpr int kPagesTop = 104;
inline constexpr int kTemposTop = 40;
inline constexpr int kTemposHeight = 43;
inline constexpr int kLeastTemposHeight = 30;
// The least a page's list keeps: its headings and a row.
inline constexpr int kLeastTableHeight = 40;
// The room on a page above its list, where its own settings are.
inline constexpr int kPageSettingsHeight = 28;
// How wide the shared part's first line is, and the widest page's settings
// (the signature and the rates).
inline constexpr int kSharedWidth = 521;
inline constexpr int kPageSettingsWidth = 400;

// What the view says before there is anything to say.
inline constexpr wchar_t kTapPrompt[] = L"Tapez au moins deux temps";
inline constexpr wchar_t kTablePrompt[] = L"Entrez un tempo pour remplir les pages";

// The shared part, in its panel, with the tabs of the pages.
const std::vector<tk::ControlLayout>& DetailViewLayout();
// A control of the view or of a page by name; nullptr for another name.
const tk::ControlLayout* FindDetailControl(std::string_view name);

}  // namespace rytmalo
