// Push button with a two-state glyph (normal, disabled) left of its caption,
// drawn by the program; still a standard button for the keyboard, the mouse
// and screen readers.
#pragma once

#include "toolkit/Button.h"

namespace tk {

class TBitButton : public TButton {
public:
    using TButton::TButton;
    bool Reflected(Message& m) override;
    void ApplyDpi() override;

protected:
    DWORD Style() const override;
    void HandleCreated() override;

private:
    void Draw(const DRAWITEMSTRUCT& item);
    void DrawGlyph(HDC dc, int x, int y, bool enabled) const;
    void LoadGlyph();

    BitmapHandle glyph_;
    SIZE glyphSize_{0, 0};  // one state's image
    SIZE drawnSize_{0, 0};  // on the screen
};

}  // namespace tk
