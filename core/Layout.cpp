#include "core/Layout.h"

#include <stdexcept>
#include <string>

namespace tk {

const ControlLayout* FormLayout::FindControl(std::string_view name) const {
    for (const auto& c : controls) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

int FormLayout::ControlId(std::string_view name) const {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name != name) continue;
        return controls[i].id != 0 ? controls[i].id : kFirstControlId + static_cast<int>(i);
    }
    throw std::out_of_range("no control " + std::string(name));
}

int FormLayout::MenuId(std::string_view name) const {
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].name == name) return kFirstMenuId + static_cast<int>(i);
    }
    throw std::out_of_range("no menu item " + std::string(name));
}

}  // namespace tk
