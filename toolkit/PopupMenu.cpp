#include "toolkit/PopupMenu.h"

#include <memory>
#include <string>
#include <type_traits>

namespace tk {
namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

}  // namespace

std::optional<int> ShowPopupMenu(HWND owner, POINT screen,
                                 std::initializer_list<PopupCommand> commands, MenuFrom from) {
    const std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter> menu(CreatePopupMenu());
    if (!menu) return std::nullopt;
    UINT id = 1;
    for (const PopupCommand& command : commands) {
        const std::wstring caption(command.caption);
        AppendMenuW(menu.get(), MF_STRING | (command.enabled ? 0 : MF_GRAYED), id++,
                    caption.c_str());
    }
    if (screen.x == -1 && screen.y == -1) {
        RECT r;
        GetWindowRect(owner, &r);
        screen = {r.left, r.top};
    }
    // The menu's loop takes the key from the queue as the user's first Down.
    if (from == MenuFrom::Keyboard) PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                         screen.x, screen.y, 0, owner, nullptr));
    if (chosen == 0) return std::nullopt;
    return static_cast<int>(chosen - 1);
}

}  // namespace tk
