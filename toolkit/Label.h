// Static text; optionally as wide as its text.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class TLabel : public TControl {
public:
    using TControl::TControl;
    void SetCaption(std::wstring_view text) override;
    void ApplyDpi() override;

protected:
    const wchar_t* WindowClass() const override { return L"STATIC"; }
    DWORD Style() const override;
    // A label that takes the size of its text is created at that size.
    RECT CreationRect() const override;

private:
    // Fits the width and height to the text, keeping the edge the text is
    // aligned to.
    void AdjustSize();
    RECT FittedTo(RECT r, std::wstring text) const;
};

}  // namespace tk
