// Declarative window layouts: plain data, readable without any window, so that
// a test can check every control's place and every stored property.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "core/Color.h"
#include "core/Geometry.h"

namespace tk {

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct FontSpec {
    std::wstring_view name = L"MS Sans Serif";
    int height = -11;  // pixels at 96 dpi; negative: character height
    unsigned style = 0;
    Color color = clWindowText;
    bool operator==(const FontSpec&) const = default;
};

enum class ControlKind {
    Label,
    Edit,
    Button,
    BitButton,
    RadioButton,
    CheckBox,
    GroupBox,
    Panel,
    Bevel,
    PageControl,
    TabSheet,
    Memo,      // several lines, scrolled vertically
    ListView,  // rows and columns, with a header
    ListBox,   // one column of lines to choose from
    ComboBox,  // a drop-down list of lines, one chosen
};

enum class Alignment { Left, Right, Center };

// A column of a list view: its header text, width (96-dpi pixels) and how
// its cells are aligned.
struct ListColumn {
    std::wstring_view caption;
    int width = 0;
    Alignment alignment = Alignment::Left;
};
enum class BevelCut { None, Lowered, Raised };

struct ControlLayout {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    // The window identifier; 0: derived from the control's place in the
    // layout (FormLayout::ControlId).
    int id = 0;
    std::string_view parent;  // empty: the form itself
    TRect bounds;             // relative to the parent's client area
    std::wstring_view caption;
    std::optional<FontSpec> font;  // absent: the parent's font
    Color color = clParent;        // background
    Alignment alignment = Alignment::Left;
    int helpContext = 0;
    int tabOrder = -1;  // among siblings; -1: after those with an order, as listed
    std::wstring_view hint;
    bool showHint = false;
    int maxLength = 0;      // edits; 0: no limit
    bool readOnly = false;  // edits and memos
    bool noPrefix = false;  // labels: an & is shown, not taken for a mnemonic
    bool checked = false;
    bool autoSize = false;  // labels take the width of their text
    bool isDefault = false;
    bool isCancel = false;
    int modalResult = 0;  // buttons: ends a modal showing with this result
    BevelCut bevelOuter = BevelCut::None;
    std::wstring_view glyph;  // bitmap buttons: resource name of the glyph strip
    bool ctl3d = true;
    // List views: their columns. Kept where the layout's data is kept, so
    // that a layout is plain data and costs no code to make.
    std::span<const ListColumn> columns;
    // Page controls: the tabs, each page made when the program asks for it
    // (the pages of a layout otherwise make their tabs themselves).
    std::span<const std::wstring_view> tabs;
    // false: the window is made hidden, for the program to show it (a part
    // shown on demand, which no one should see before it is ready).
    bool visible = true;
};

struct MenuItemLayout {
    std::string_view name;
    std::string_view parent;  // empty: an entry of the menu bar
    std::wstring_view caption;
    int helpContext = 0;
    bool checked = false;  // shown with a check mark
};

// Published component properties, as a layout stores them: only those that
// differ from the component's default.
using PropertyValue = std::variant<bool, std::int32_t, std::wstring_view>;

struct PropertyAssignment {
    std::string_view name;
    PropertyValue value;
};

struct ComponentLayout {
    std::string_view className;
    std::string_view name;
    std::vector<PropertyAssignment> properties;
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class FormStyle { Normal, MDIChild, MDIForm, StayOnTop };
enum class FormPosition { Designed, ScreenCenter };

struct FormLayout {
    std::string_view className;
    std::wstring_view caption;
    int left = 0;  // screen position of the window's outer corner
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    BorderStyle borderStyle = BorderStyle::Sizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    FormStyle formStyle = FormStyle::Normal;
    FormPosition position = FormPosition::Designed;
    FontSpec font;
    Color color = clBtnFace;
    int helpContext = 0;
    std::wstring_view icon;  // resource name; empty: the application's icon
    // The window and its controls are made when the form is first shown,
    // not when it is loaded: nobody sees them before.
    bool windowAtFirstShow = false;
    std::vector<ControlLayout> controls;
    std::vector<MenuItemLayout> menu;
    std::vector<ComponentLayout> components;

    const ControlLayout* FindControl(std::string_view name) const;
    // Window identifier of a control: the layout's, else derived from its
    // place in the layout; stable, so that other programs (and tests) can
    // address it.
    int ControlId(std::string_view name) const;
    // Identifier of a menu command.
    int MenuId(std::string_view name) const;
};

// A form of the class whose window has its outer corner at the place's top
// left and a client area of the place's size; the rest as the defaults.
FormLayout FormAt(std::string_view className, std::wstring_view caption, TRect place,
                  BorderStyle border = BorderStyle::Sizeable,
                  unsigned icons = biSystemMenu | biMinimize | biMaximize);

// The letter or digit a caption marks with & (as its virtual key: upper
// case); 0 for none. "&&" is an ampersand.
wchar_t MnemonicOf(std::wstring_view caption);

inline constexpr int kFirstControlId = 1000;
inline constexpr int kFirstMenuId = 500;

}  // namespace tk
