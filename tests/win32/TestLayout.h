// The controls of the small layouts that the tests build (on forms made by
// FormAt), one a line: each with its kind, name, place and caption, then
// only what its test is about.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/Layout.h"

namespace tk::testing {

// A control of a test's layout; it converts to the layout's row.
class Control {
public:
    Control(ControlKind kind, std::string_view name, TRect bounds, std::wstring_view caption = {})
        : c_{.kind = kind, .name = name, .bounds = bounds, .caption = caption} {}

    Control& In(std::string_view parent) { return Set(c_.parent, parent); }
    Control& Id(int id) { return Set(c_.id, id); }
    Control& Help(int context) { return Set(c_.helpContext, context); }
    Control& Tab(int order) { return Set(c_.tabOrder, order); }
    Control& Hint(std::wstring_view hint, bool shown = true) {
        c_.hint = hint;
        return Set(c_.showHint, shown);
    }
    Control& Checked() { return Set(c_.checked, true); }
    Control& AutoSize(Alignment alignment = Alignment::Left) {
        c_.alignment = alignment;
        return Set(c_.autoSize, true);
    }
    Control& Font(const FontSpec& font) { return Set(c_.font, font); }
    Control& Colour(Color color) { return Set(c_.color, color); }
    // A button that ends a modal showing with the result, pressed by Enter
    // (Default) or Escape (Cancel).
    Control& Default(int modalResult) {
        c_.isDefault = true;
        return Set(c_.modalResult, modalResult);
    }
    Control& Cancel(int modalResult) {
        c_.isCancel = true;
        return Set(c_.modalResult, modalResult);
    }
    Control& Columns(std::span<const ListColumn> columns) { return Set(c_.columns, columns); }
    Control& Flat() { return Set(c_.ctl3d, false); }

    operator ControlLayout() const { return c_; }

private:
    template <typename Field, typename Value>
    Control& Set(Field& field, const Value& value) {
        field = value;
        return *this;
    }

    ControlLayout c_;
};

// The menu bar of the tests' forms that have one: "&Vue" and its item
// "&Détails".
inline std::vector<MenuItemLayout> ViewMenu() {
    return {{.name = "View", .caption = L"&Vue"},
            {.name = "Details", .parent = "View", .caption = L"&Détails"}};
}

}  // namespace tk::testing
