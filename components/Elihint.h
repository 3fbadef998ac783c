// Elliptic hint bubbles: the TEllipticHint component makes every hint of the
// application appear as a filled and outlined ellipse drawn over a snapshot
// of the screen, and holds the bubble's pen, brush and text colour.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/Component.h"
#include "toolkit/Gdi.h"
#include "toolkit/HintWindow.h"
#include "toolkit/PenBrush.h"

namespace tk {
class HintService;
}

namespace rytmalo {

class TEllipticHint : public tk::TComponent {
public:
    static constexpr int kDefaultHintPauseTime = 600;
    static constexpr tk::Color kDefaultBrushColor = 0x0080FFFF;  // pale yellow

    // Installs TEllipticHintWindow as the application's hint window class,
    // puts a window of that class in place of the current one (when hints
    // are on) and sets the application's hint delay to 600 ms.
    explicit TEllipticHint(tk::TComponent* owner);

    int HintPauseTime() const { return hintPauseTime_; }
    // Sets the application's hint delay, unless the value is the one
    // already stored.
    void SetHintPauseTime(int milliseconds);
    const tk::TPen& Pen() const { return pen_; }
    void SetPen(const tk::TPen& pen) { pen_ = pen; }
    const tk::TBrush& Brush() const { return brush_; }
    void SetBrush(const tk::TBrush& brush) { brush_ = brush; }
    tk::Color FontColor() const { return fontColor_; }
    void SetFontColor(tk::Color color) { fontColor_ = color; }

    // The sub-values of Pen and Brush, as a layout assigns them.
    void SetPenColor(tk::Color color) { pen_.color = color; }
    void SetPenMode(tk::PenMode mode) { pen_.mode = mode; }
    void SetPenStyle(tk::PenStyle style) { pen_.style = style; }
    void SetPenWidth(std::int32_t width) { pen_.width = width; }
    void SetBrushColor(tk::Color color) { brush_.color = color; }
    void SetBrushStyle(tk::BrushStyle style) { brush_.style = style; }

    std::span<const tk::PublishedProperty> Published() const override;

private:
    tk::HintService& hints_;
    int hintPauseTime_ = 0;
    tk::TPen pen_;
    tk::TBrush brush_;
    tk::Color fontColor_ = tk::clBlack;
};

// What a bubble is drawn with.
struct BubbleStyle {
    tk::TPen pen;
    tk::TBrush brush{TEllipticHint::kDefaultBrushColor, tk::BrushStyle::Solid};
    tk::Color fontColor = tk::clBlack;
    bool operator==(const BubbleStyle&) const = default;
};

class TEllipticHintWindow : public tk::THintWindow {
public:
    ~TEllipticHintWindow() override;

    // Grows the rectangle so that the ellipse encloses the text, takes a
    // snapshot of the screen there and shows itself over it, showing the
    // snapshot at once; the ellipse and the text follow with the paint.
    void ActivateHint(const RECT& rect, std::wstring_view text) override;

    // The style of the bubble showing or last shown: that of the first
    // TEllipticHint of the main window when it was activated, else the
    // component's defaults.
    const BubbleStyle& Style() const { return style_; }

protected:
    std::wstring_view WindowClassName() const override { return L"TEllipticHintWindow"; }
    // Without the border: the ellipse is the bubble's only outline.
    void CreateParams(tk::WindowParams& params) const override;
    void Paint(HDC dc) override;

private:
    void Compose(HDC dc, int width, int height);

    BubbleStyle style_;
    std::wstring text_;
    // The pen and brush of the style, kept while the style and the
    // resolution stay the same.
    tk::PenHandle pen_;
    tk::BrushHandle brush_;
    BubbleStyle madeFor_;
    int madeAt_ = 0;
    // From the window's corner to its client area's.
    std::optional<POINT> frame_;
};

}  // namespace rytmalo
