#include "app/ToolsPanel.h"

#include <algorithm>

#include "app/DelayLookup.h"
#include "app/DetailViewLayout.h"
#include "toolkit/ControlFlow.h"
#include "toolkit/Form.h"

namespace rytmalo {
namespace {

bool AcrossThePanel(const tk::ControlLayout& c) {
    return c.bounds.Width() >= kToolsWidth - 2 * kToolsMargin;
}

bool InThePanel(const tk::ControlLayout& c) {
    return c.parent == "pnlOutils" && c.kind != tk::ControlKind::Bevel;
}

}  // namespace

ToolsPanel::ToolsPanel(tk::TForm& form, const DelayLookup& lookup) : form_(form), lookup_(lookup) {}

// The controls in rows.
std::vector<const tk::ControlLayout*> ToolsPanel::InRows() {
    std::vector<const tk::ControlLayout*> controls;
    for (const tk::ControlLayout& c : DetailViewLayout())
        if (InThePanel(c) && !AcrossThePanel(c)) controls.push_back(&c);
    return controls;
}

int ToolsPanel::Width() const {
    const int margin = form_.Scale(kToolsMargin);
    return std::max({form_.Scale(kToolsWidth),
                     tk::FlowedRight(tk::RowItemsOf(form_, InRows())) + margin,
                     lookup_.LinesWidth() + 2 * margin});
}

void ToolsPanel::Place() const {
    const int width = Width();
    const int margin = form_.Scale(kToolsMargin);
    form_.Find<tk::TControl>("pnlOutils")
        .SetBounds(form_.Scale(kToolsLeft), 0, width, form_.Scale(kCalculatorHeight));
    for (const tk::ControlLayout& c : DetailViewLayout()) {
        if (!InThePanel(c) || !AcrossThePanel(c)) continue;
        const tk::TRect laidOut = form_.Scale(c.bounds);
        form_.Find<tk::TControl>(c.name).SetBounds(laidOut.Left, laidOut.Top, width - 2 * margin,
                                                   laidOut.Height());
    }
    tk::FlowInRows(form_, InRows());
}

}  // namespace rytmalo
