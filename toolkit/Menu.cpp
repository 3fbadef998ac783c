#include "toolkit/Menu.h"

#include <string>

#include "core/Exception.h"
#include "toolkit/Form.h"

namespace tk {

TMenuItem::TMenuItem(TForm& form, TMenuItem* parent, const MenuItemLayout& layout, int command)
    : TComponent(&form),
      parent_(parent),
      layout_(layout),
      command_(command),
      checked_(layout.checked) {
    SetName(layout.name);
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (container_)
        CheckMenuItem(container_, static_cast<UINT>(command_),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int TMenuItem::EffectiveHelpContext() const {
    for (const TMenuItem* item = this; item; item = item->parent_) {
        if (item->layout_.helpContext != 0) return item->layout_.helpContext;
    }
    return 0;
}

void TMenuItem::Click() {
    if (OnClick) OnClick();
}

MenuBar::MenuBar(TForm& form, const std::vector<MenuItemLayout>& layout) : menu_(CreateMenu()) {
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const MenuItemLayout& entry = layout[i];
        TMenuItem* parent = nullptr;
        if (!entry.parent.empty()) {
            for (TMenuItem* candidate : items_) {
                if (candidate->Name() == entry.parent) parent = candidate;
            }
            if (!parent) throw ProgrammingError({"menu item before its parent"});
        }
        auto* item = new TMenuItem(form, parent, entry, kFirstMenuId + static_cast<int>(i));
        items_.push_back(item);
    }
    // Items with children open a submenu; the others are commands.
    for (TMenuItem* item : items_) {
        for (TMenuItem* other : items_) {
            if (other->parent_ == item && !item->subMenu_) item->subMenu_ = CreatePopupMenu();
        }
    }
    for (TMenuItem* item : items_) {
        HMENU container = item->parent_ ? item->parent_->subMenu_ : menu_;
        item->container_ = container;
        const std::wstring caption(item->Caption());
        if (item->subMenu_) {
            AppendMenuW(container, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(item->subMenu_),
                        caption.c_str());
        } else {
            AppendMenuW(container, MF_STRING | (item->checked_ ? MF_CHECKED : 0),
                        static_cast<UINT_PTR>(item->Command()), caption.c_str());
        }
    }
}

MenuBar::~MenuBar() {
    if (!attached_) DestroyMenu(menu_);
}

void MenuBar::Attach(HWND window) {
    // A window made with its menu bar has it already; setting it again
    // would lay the window's frame out anew.
    if (GetMenu(window) != menu_) SetMenu(window, menu_);
    attached_ = true;
}

TMenuItem* MenuBar::FindByCommand(int command) const {
    for (TMenuItem* item : items_) {
        if (!item->SubMenu() && item->Command() == command) return item;
    }
    return nullptr;
}

TMenuItem* MenuBar::FindBySubMenu(HMENU menu) const {
    for (TMenuItem* item : items_) {
        if (item->SubMenu() == menu) return item;
    }
    return nullptr;
}

}  // namespace tk
