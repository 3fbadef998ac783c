#include "components/Elihint.h"

#include <algorithm>
#include <memory>

#include "core/HintGeometry.h"
#include "toolkit/HintService.h"
#include "toolkit/Dpi.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/WinGeometry.h"

namespace rytmalo {
namespace {

// The program's one snapshot of the screen beneath the bubble (it has one
// hint window): taken at each activation, composed with the ellipse and the
// text at the first paint after it, and copied again by later repaints until
// the next activation. The screen's context, the snapshot's context and its
// image are kept from one bubble to the next, the image made again only for
// a bubble of another size.
struct Snapshot {
    const TEllipticHintWindow* window = nullptr;
    tk::MemoryDcHandle screen;
    tk::MemoryImage image;
    bool taken = false;
    bool composed = false;

    // The memory context holding an image of that size.
    HDC Image(int width, int height) {
        if (!screen) screen.reset(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
        return image.Hold(screen.get(), width, height);
    }
};
Snapshot snapshot;

// The program whose hints are bubbles: the one the last component was made
// for (one per process).
tk::FormHost* program = nullptr;

BubbleStyle CurrentStyle() {
    tk::TForm* main = program ? program->MainForm() : nullptr;
    if (main) {
        for (tk::TComponent* c : main->Components()) {
            if (auto* hint = dynamic_cast<TEllipticHint*>(c)) {
                return {hint->Pen(), hint->Brush(), hint->FontColor()};
            }
        }
    }
    return {};
}

// The width is in 96-dpi pixels, as everything in a layout.
tk::PenHandle MakePen(const tk::TPen& pen, int dpi) {
    return tk::PenHandle(CreatePen(static_cast<int>(pen.style), tk::ScaleToDpi(pen.width, dpi),
                                   tk::ColorToRgb(pen.color)));
}

int HatchOf(tk::BrushStyle style) {
    switch (style) {
        case tk::BrushStyle::Horizontal: return HS_HORIZONTAL;
        case tk::BrushStyle::Vertical: return HS_VERTICAL;
        case tk::BrushStyle::FDiagonal: return HS_FDIAGONAL;
        case tk::BrushStyle::BDiagonal: return HS_BDIAGONAL;
        case tk::BrushStyle::Cross: return HS_CROSS;
        default: return HS_DIAGCROSS;
    }
}

tk::BrushHandle MakeBrush(const tk::TBrush& brush) {
    LOGBRUSH lb{BS_SOLID, tk::ColorToRgb(brush.color), 0};
    if (brush.style == tk::BrushStyle::Clear) {
        lb.lbStyle = BS_NULL;
    } else if (brush.style != tk::BrushStyle::Solid) {
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = static_cast<ULONG_PTR>(HatchOf(brush.style));
    }
    return tk::BrushHandle(CreateBrushIndirect(&lb));
}

// Restores a DC's mix mode.
class Rop2Guard {
public:
    Rop2Guard(HDC dc, int mode) : dc_(dc), old_(SetROP2(dc, mode)) {}
    ~Rop2Guard() {
        if (old_) SetROP2(dc_, old_);
    }
    Rop2Guard(const Rop2Guard&) = delete;
    Rop2Guard& operator=(const Rop2Guard&) = delete;

private:
    HDC dc_;
    int old_;
};

}  // namespace

TEllipticHint::TEllipticHint(tk::TComponent* owner)
    : tk::TComponent(owner), hints_(tk::HostOf(owner).Hints()) {
    program = &tk::HostOf(owner);
    brush_.color = kDefaultBrushColor;
    fontColor_ = tk::clBlack;
    hintPauseTime_ = kDefaultHintPauseTime;
    hints_.SetHintPause(kDefaultHintPauseTime);
    hints_.SetHintWindowClass([] { return std::make_unique<TEllipticHintWindow>(); });
    // Twice inverted: with hints on, the window in use is replaced by one of
    // the new class; with hints off, one is made and goes again.
    hints_.SetShowHint(!hints_.ShowHint());
    hints_.SetShowHint(!hints_.ShowHint());
}

void TEllipticHint::SetHintPauseTime(int milliseconds) {
    if (milliseconds == hintPauseTime_) return;
    hintPauseTime_ = milliseconds;
    hints_.SetHintPause(milliseconds);
}

std::span<const tk::PublishedProperty> TEllipticHint::Published() const {
    static const tk::PublishedProperty properties[] = {
        {"HintPauseTime", &tk::Assign<&TEllipticHint::SetHintPauseTime>},
        {"Pen.Color", &tk::Assign<&TEllipticHint::SetPenColor>},
        {"Pen.Mode", &tk::Assign<&TEllipticHint::SetPenMode>},
        {"Pen.Style", &tk::Assign<&TEllipticHint::SetPenStyle>},
        {"Pen.Width", &tk::Assign<&TEllipticHint::SetPenWidth>},
        {"Brush.Color", &tk::Assign<&TEllipticHint::SetBrushColor>},
        {"Brush.Style", &tk::Assign<&TEllipticHint::SetBrushStyle>},
        {"FontColor", &tk::Assign<&TEllipticHint::SetFontColor>},
    };
    return properties;
}

TEllipticHintWindow::~TEllipticHintWindow() {
    if (snapshot.window == this) {
        snapshot.window = nullptr;
        snapshot.taken = snapshot.composed = false;
    }
}

void TEllipticHintWindow::CreateParams(tk::WindowParams& params) const {
    THintWindow::CreateParams(params);
    params.style &= ~static_cast<DWORD>(WS_BORDER);
}

void TEllipticHintWindow::ActivateHint(const RECT& rect, std::wstring_view text) {
    snapshot.window = this;
    snapshot.taken = snapshot.composed = false;
    SetCaption(text);
    text_ = text;
    style_ = CurrentStyle();

    const tk::TRect bubble = EnlargeForEllipse(tk::FromRECT(rect));
    const int width = std::max(0, bubble.Width());
    const int height = std::max(0, bubble.Height());
    // Where the client area will be (without a border, the window's corner);
    // the window's styles do not change, so neither does its frame.
    if (!frame_) {
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
        frame_ = POINT{-frame.left, -frame.top};
    }
    const POINT origin{bubble.Left + frame_->x, bubble.Top + frame_->y};

    // Taken while the window is still hidden: what the screen shows there.
    // The ellipse and the text are drawn over it before the window shows,
    // which shows the whole bubble at once (the paint that follows copies
    // it again, for a display that missed the first copy).
    HDC image = snapshot.Image(width, height);
    BitBlt(image, 0, 0, width, height, snapshot.screen.get(), origin.x, origin.y, SRCCOPY);
    snapshot.taken = true;
    Compose(image, width, height);
    snapshot.composed = true;
    SetWindowPos(Handle(), HWND_TOPMOST, bubble.Left, bubble.Top, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const tk::WindowDc window(Handle());
    BitBlt(window.get(), 0, 0, width, height, image, 0, 0, SRCCOPY);
}

void TEllipticHintWindow::Paint(HDC dc) {
    if (snapshot.window != this || !snapshot.taken) return;
    HDC image = snapshot.image.get();
    const int width = snapshot.image.width();
    const int height = snapshot.image.height();
    if (!snapshot.composed) {
        Compose(image, width, height);
        snapshot.composed = true;
    }
    // One copy: the bubble never shows half drawn.
    BitBlt(dc, 0, 0, width, height, image, 0, 0, SRCCOPY);
}

void TEllipticHintWindow::Compose(HDC dc, int width, int height) {
    if (!pen_ || !brush_ || !(madeFor_ == style_) || madeAt_ != Dpi()) {
        pen_ = MakePen(style_.pen, Dpi());
        brush_ = MakeBrush(style_.brush);
        madeFor_ = style_;
        madeAt_ = Dpi();
    }
    {
        const tk::SelectGuard selectPen(dc, pen_.get());
        const tk::SelectGuard selectBrush(dc, brush_.get());
        const Rop2Guard mode(dc, static_cast<int>(style_.pen.mode));
        Ellipse(dc, 0, 0, width, height);
    }
    const tk::TextStateGuard state(dc);
    const tk::SelectGuard font(dc, Font());
    SetTextColor(dc, tk::ColorToRgb(style_.fontColor));
    if (style_.brush.style == tk::BrushStyle::Solid) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, tk::ColorToRgb(style_.brush.color));
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
    // One line, line breaks not interpreted: a wrapped text is clipped at
    // both sides.
    const int length = static_cast<int>(text_.size());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text_.c_str(), length, &extent);
    TextOutW(dc, CentredOffset(width, extent.cx), CentredOffset(height, extent.cy), text_.c_str(),
             length);
}

}  // namespace rytmalo
