#include "components/TopMost.h"

#include "toolkit/Form.h"

namespace rytmalo {
namespace {

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Wine keeps an owned window in the top band when its owner lies right
// below it: it takes "not topmost" for "just above the owner", which is
// where the window already is. Asked without the owner, the window leaves
// the band; the owner is given back at once. Windows itself never needs
// this.
void LeaveTopBandAboveOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (!owner) return;
    SetWindowLongPtrW(window, GWLP_HWNDPARENT, 0);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, TTopMost::kFlags);
    SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

}  // namespace

// Made by its owner's layout, it waits for the layout's value: the window
// is not put into the band only to be taken out of it again.
TTopMost::TTopMost(tk::TComponent* owner, WindowPlacer placer)
    : tk::TComponent(owner), placer_(std::move(placer)) {
    if (owner && owner->IsLoading()) {
        BeginLoading();
        onTop_ = true;
    } else {
        SetOnTop(true);
    }
}

void TTopMost::Loaded() {
    tk::TComponent::Loaded();
    SetOnTop(onTop_);
}

TTopMost::~TTopMost() { SetOnTop(false); }

void TTopMost::SetOnTop(bool onTop) {
    onTop_ = onTop;
    if (IsLoading()) return;
    auto* form = dynamic_cast<tk::TForm*>(Owner());
    if (!form) return;
    // The toolkit makes a form's window before its components and destroys
    // it before them: without a window the form is being torn down, and a
    // window made now would only be destroyed again.
    HWND window = form->Handle();
    if (!window) return;
    placer_(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
    if (!onTop && IsTopmost(window)) LeaveTopBandAboveOwner(window);
}

std::span<const tk::PublishedProperty> TTopMost::Published() const {
    static constexpr tk::PublishedProperty properties[] = {
        {"OnTop", &tk::Assign<&TTopMost::SetOnTop>},
    };
    return properties;
}

}  // namespace rytmalo
