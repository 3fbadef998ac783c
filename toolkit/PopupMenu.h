// A menu of commands shown at a point of the screen (a context menu): the
// command chosen, or nothing when the user dismissed it.
#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>

#include "toolkit/Win.h"

namespace tk {

struct PopupCommand {
    std::wstring_view caption;
    bool enabled = true;
};

// The index of the command chosen. A point of (-1, -1), as the keyboard's
// context menu key gives it, shows the menu at the owner's top-left corner.
// A menu asked for from the keyboard opens with its first command
// highlighted, as the system's do.
enum class MenuFrom { Mouse, Keyboard };
std::optional<int> ShowPopupMenu(HWND owner, POINT screen,
                                 std::initializer_list<PopupCommand> commands,
                                 MenuFrom from = MenuFrom::Mouse);

}  // namespace tk
