// The preferences dialog's layout: one page of display options.
#pragma once

#include "core/Layout.h"

namespace rytmalo {

const tk::FormLayout& PreferencesLayout();

}  // namespace rytmalo
