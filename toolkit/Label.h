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
    void HandleCreated() override;

private:
    // Fits the width and height to the text, keeping the edge the text is
    // aligned to.
    void AdjustSize();
};

}  // namespace tk
