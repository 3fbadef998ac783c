// How the user writes numbers, read from their settings.
#pragma once

#include "core/NumberFormat.h"

namespace tk {

// The decimal mark, thousands separator, grouping and minus sign of the
// user's settings; the defaults where the system gives none.
NumberStyle UserNumberStyle();

}  // namespace tk
