// A list of lines to choose from; double-clicking a line reports it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class TListBox : public TControl {
public:
    using TControl::TControl;
    bool IsTabStop() const override { return true; }

    void SetItems(const std::vector<std::wstring>& items);
    int Count() const;
    // The selected line, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // A line was double-clicked.
    std::function<void()> OnDoubleClick;
    bool Reflected(Message& m) override;

protected:
    const wchar_t* WindowClass() const override { return L"LISTBOX"; }
    DWORD Style() const override {
        return TControl::Style() | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    }
    DWORD ExStyle() const override { return Layout().ctl3d ? WS_EX_CLIENTEDGE : 0; }
    Color DefaultBackground() const override { return clWindow; }
};

}  // namespace tk
