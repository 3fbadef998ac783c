// Menu bar items: commands with a click event and a help context.
#pragma once

#include <functional>
#include <vector>

#include "core/Component.h"
#include "toolkit/Win.h"

namespace tk {

class TForm;

class TMenuItem : public TComponent {
public:
    TMenuItem(TForm& form, TMenuItem* parent, const MenuItemLayout& layout, int command);

    int Command() const { return command_; }
    TMenuItem* ParentItem() const { return parent_; }
    std::wstring_view Caption() const { return layout_.caption; }
    // The item's own help context, else that of the nearest enclosing item
    // that has one; 0 when none has.
    int EffectiveHelpContext() const;
    HMENU SubMenu() const { return subMenu_; }
    // A command shown with a check mark.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    std::function<void()> OnClick;
    void Click();

private:
    friend class MenuBar;
    TMenuItem* parent_;
    MenuItemLayout layout_;
    int command_;
    HMENU subMenu_ = nullptr;
    HMENU container_ = nullptr;
    bool checked_;
};

// Builds the form's menu bar from its layout; the items become components of
// the form.
class MenuBar {
public:
    MenuBar(TForm& form, const std::vector<MenuItemLayout>& layout);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    HMENU Handle() const { return menu_; }
    // Handing the menu to a window makes the window destroy it.
    void Attach(HWND window);
    TMenuItem* FindByCommand(int command) const;
    TMenuItem* FindBySubMenu(HMENU menu) const;

private:
    HMENU menu_;
    bool attached_ = false;
    std::vector<TMenuItem*> items_;
};

}  // namespace tk
