#include "toolkit/ControlFlow.h"

#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace tk {

std::vector<RowItem> RowItemsOf(const TForm& form,
                                const std::vector<const ControlLayout*>& controls) {
    std::vector<RowItem> items;
    items.reserve(controls.size());
    for (const ControlLayout* c : controls) {
        RECT now;
        GetWindowRect(form.Find<TControl>(c->name).Handle(), &now);
        items.push_back({form.Scale(c->bounds), static_cast<int>(now.right - now.left)});
    }
    return items;
}

void FlowInRows(const TForm& form, const std::vector<const ControlLayout*>& controls) {
    const std::vector<RowItem> items = RowItemsOf(form, controls);
    const std::vector<int> lefts = FlowedLefts(items);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SetWindowPos(form.Find<TControl>(controls[i]->name).Handle(), nullptr, lefts[i],
                     items[i].laidOut.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace tk
