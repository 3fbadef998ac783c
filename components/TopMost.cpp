#include "components/TopMost.h"

#include "toolkit/Form.h"

namespace rytmalo {

TTopMost::TTopMost(tk::TComponent* owner, WindowPlacer placer)
    : tk::TComponent(owner), placer_(std::move(placer)) {
    SetOnTop(true);
}

TTopMost::~TTopMost() {
    SetOnTop(false);
}

void TTopMost::SetOnTop(bool onTop) {
    onTop_ = onTop;
    auto* form = dynamic_cast<tk::TForm*>(Owner());
    if (!form) return;
    // The toolkit makes a form's window before its components and destroys
    // it before them: without a window the form is being torn down, and a
    // window made now would only be destroyed again.
    HWND window = form->Handle();
    if (!window) return;
    placer_(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
}

std::span<const tk::PublishedProperty> TTopMost::Published() const {
    static constexpr tk::PublishedProperty properties[] = {
        {"OnTop", &tk::Assign<&TTopMost::SetOnTop>},
    };
    return properties;
}

}  // namespace rytmalo
