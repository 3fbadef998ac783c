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

// The caption label of each, in the same order.
inline constexpr std::string_view kCaptionLabels[] = {
    "Label1", "Label6", "Label7",  "Label8", "Label9",
    "Label4", "Label2", "Label10", "Label5", "Label3",
};

}  // namespace rytmalo
