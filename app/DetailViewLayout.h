// The main window's detailed view, shown below its usual content when the
// user turns it on: tap tempo, delay to tempo, and the table of note values
// with their dotted values in milliseconds, hertz and samples. Its controls
// are made when it is first shown; each carries its own window identifier.
#pragma once

#include <string_view>
#include <vector>

#include "core/Layout.h"

namespace rytmalo {

// Room the view takes below the main window's content (96-dpi pixels),
// and where in the view its table starts: when the screen is too small for
// the whole view, the table gives up height first.
inline constexpr int kDetailViewTop = 327;
inline constexpr int kDetailViewWidth = 381;
inline constexpr int kDetailViewHeight = 301;
inline constexpr int kTableTop = 121;
// The least the table keeps: its header and a row. Past that, the list of
// a delay's tempos gives up height, down to two lines.
inline constexpr int kLeastTableHeight = 40;
inline constexpr int kTemposTop = 40;
inline constexpr int kTemposHeight = 56;
inline constexpr int kLeastTemposHeight = 30;
inline constexpr int kLeastDetailViewHeight =
    kTableTop - (kTemposHeight - kLeastTemposHeight) + kLeastTableHeight + 8;

// What the view says before there is anything to say.
inline constexpr wchar_t kTapPrompt[] = L"Tapez au moins deux temps";
inline constexpr wchar_t kTablePrompt[] = L"Entrez un tempo pour remplir le tableau";

const std::vector<tk::ControlLayout>& DetailViewLayout();
// A control of the view by name; nullptr for another name.
const tk::ControlLayout* FindDetailControl(std::string_view name);

}  // namespace rytmalo
