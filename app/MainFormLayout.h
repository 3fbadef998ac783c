// The main window's layout: window, controls, menu bar and components.
#pragma once

#include "core/Layout.h"

namespace rytmalo {

const tk::FormLayout& MainFormLayout();

// The value labels in the order of the delay table.
inline constexpr std::string_view kValueLabels[] = {
    "txtRonde",   "txtBlanche", "txtNoire",         "txtTrioletNoire", "txtCroche",
    "txtTriolet", "txtDouble",  "txtTrioletDouble", "txtTriple",       "txtQuadruple",
};

}  // namespace rytmalo
