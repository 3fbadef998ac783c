// Push button; may end a modal showing of its form with a result, and may be
// the form's default (Enter) or cancel (Escape) button.
#pragma once

#include <functional>

#include "toolkit/Control.h"

namespace tk {

class TButton : public TControl {
public:
    using TControl::TControl;
    bool IsDefault() const { return Layout().isDefault; }
    bool IsCancel() const { return Layout().isCancel; }
    int ModalResult() const { return Layout().modalResult; }
    bool IsTabStop() const override { return true; }
    void Click() override;
    bool Reflected(Message& m) override;

    // The button goes down (the mouse button or Space pressed on it), before
    // the click that its release makes; the time is the input's own, in
    // milliseconds of the system's tick count.
    std::function<void(DWORD time)> OnPress;

    int TextWidth() const override;

protected:
    const wchar_t* WindowClass() const override { return L"BUTTON"; }
    DWORD Style() const override;
    void WndProc(Message& m) override;
};

}  // namespace tk
