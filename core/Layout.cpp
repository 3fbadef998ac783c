#include "core/Layout.h"

#include <string>

#include "core/Exception.h"

namespace tk {

FormLayout FormAt(std::string_view className, std::wstring_view caption, TRect place,
                  BorderStyle border, unsigned icons) {
    FormLayout f;
    f.className = className;
    f.caption = caption;
    f.left = place.Left;
    f.top = place.Top;
    f.clientWidth = place.Width();
    f.clientHeight = place.Height();
    f.borderStyle = border;
    f.borderIcons = icons;
    return f;
}

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
    throw ProgrammingError({"no control ", name});
}

int FormLayout::MenuId(std::string_view name) const {
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].name == name) return kFirstMenuId + static_cast<int>(i);
    }
    throw ProgrammingError({"no menu item ", name});
}

wchar_t MnemonicOf(std::wstring_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        const wchar_t c = caption[i + 1];
        if (c == L'&') {
            ++i;
            continue;
        }
        if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return c;
        return 0;
    }
    return 0;
}

}  // namespace tk
