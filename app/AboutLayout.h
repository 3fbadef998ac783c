// The about box's layout: what the program is and who made it.
#pragma once

#include "core/Layout.h"

namespace rytmalo {

const tk::FormLayout& AboutLayout();

}  // namespace rytmalo
