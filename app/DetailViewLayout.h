// The main window's detailed view, shown below its usual content when the
// user turns it on: tap tempo, delay to tempo, and the table of note values
// with their dotted values in milliseconds, hertz and samples. Its controls
// are made when it is first shown; each carries its own window identifier.
#pragma once

#include <string_view>
#include <vector>

#include "toolkit/Layout.h"

namespace rytmalo {

// Room the view takes below the main window's content (96-dpi pixels).
inline constexpr int kDetailViewHeight = 301;

const std::vector<tk::ControlLayout>& DetailViewLayout();
// A control of the view by name; nullptr for another name.
const tk::ControlLayout* FindDetailControl(std::string_view name);

// Help contexts of the view's controls and of the command that shows it.
inline constexpr int kTapHelp = 22;
inline constexpr int kDelayHelp = 23;
inline constexpr int kTemposHelp = 24;
inline constexpr int kTableHelp = 25;
inline constexpr int kDetailCommandHelp = 285;

}  // namespace rytmalo
