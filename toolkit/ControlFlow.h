// Controls of a form in rows, some wider than laid out because their text
// needs it in the font the system gives: each keeps the gap laid out after
// the one before it in its row.
#pragma once

#include <vector>

#include "core/Layout.h"
#include "core/RowFlow.h"

namespace tk {

class TForm;

// The controls as laid out and as wide as they are now.
std::vector<RowItem> RowItemsOf(const TForm& form,
                                const std::vector<const ControlLayout*>& controls);

// Each control moved to its place in its row.
void FlowInRows(const TForm& form, const std::vector<const ControlLayout*>& controls);

}  // namespace tk
