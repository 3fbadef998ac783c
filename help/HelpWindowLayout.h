// The layout of the program's own help window: the topic's title, its text
// and a Close button, placed in 96-dpi pixels for the window's first size; the
// window lays them out again whenever its size changes.
#pragma once

#include "core/Layout.h"

namespace rytmalo {

const tk::FormLayout& HelpWindowLayout();

}  // namespace rytmalo
