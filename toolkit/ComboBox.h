// A drop-down list to choose one of a few texts; choosing one reports it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class TComboBox : public TControl {
public:
    using TControl::TControl;
    bool IsTabStop() const override { return true; }

    void SetItems(const std::vector<std::wstring>& items);
    // The chosen line, or -1.
    int ItemIndex() const;
    // Shows a line as chosen; no change is reported.
    void SetItemIndex(int index);

    // The user chose another line.
    std::function<void()> OnChange;
    bool Reflected(Message& m) override;

    // The widest line, the button that drops the list and the frame.
    int TextWidth() const override;

protected:
    const wchar_t* WindowClass() const override { return L"COMBOBOX"; }
    DWORD Style() const override { return TControl::Style() | CBS_DROPDOWNLIST | WS_VSCROLL; }
    Color DefaultBackground() const override { return clWindow; }
    // The layout gives the closed box's height; the window holds the list
    // that drops from it too.
    RECT CreationRect() const override;
    void HandleCreated() override;

private:
    void AddItems();

    std::vector<std::wstring> items_;
    // The line shown chosen, until the window is made.
    int index_ = -1;
};

}  // namespace tk
