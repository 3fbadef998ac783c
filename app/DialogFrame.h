// What the program's dialogs (the about box, the preferences) have in
// common: a single border with the system menu alone, above the other
// windows, centred on the screen, their window made when first shown.
#pragma once

#include "core/Layout.h"

namespace rytmalo {

tk::FormLayout DialogFrame(std::string_view className, std::wstring_view caption, tk::TRect place,
                           std::wstring_view icon);

}  // namespace rytmalo
