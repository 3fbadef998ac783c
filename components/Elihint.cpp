#include "components/Elihint.h"

#include <algorithm>
#include <memory>

#include "components/HintGeometry.h"
#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/WinGeometry.h"

namespace rytmalo {
namespace {

// The program's one snapshot of the screen beneath the bubble (it has one
// hint window): taken at each activation, composed with the ellipse and the
// text at the first paint after it, and copied again by later repaints until
// the next activation.
struct Snapshot {
    const TEllipticHintWindow* window = nullptr;
    tk::BitmapHandle bitmap;
    int width = 0;
    int height = 0;
    bool composed = false;
};
Snapshot snapshot;

BubbleStyle CurrentStyle() {
    tk::TForm* main = tk::Application ? tk::Application->MainForm() : nullptr;
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

TEllipticHint::TEllipticHint(tk::TComponent* owner) : tk::TComponent(owner) {
    brush_.color = kDefaultBrushColor;
    fontColor_ = tk::clBlack;
    hintPauseTime_ = kDefaultHintPauseTime;
    tk::Application->Hints().SetHintPause(kDefaultHintPauseTime);
    tk::Application->Hints().SetHintWindowClass(
        [] { return std::make_unique<TEllipticHintWindow>(); });
    // Twice inverted: with hints on, the window in use is replaced by one of
    // the new class; with hints off, one is made and goes again.
    tk::Application->Hints().SetShowHint(!tk::Application->Hints().ShowHint());
    tk::Application->Hints().SetShowHint(!tk::Application->Hints().ShowHint());
}

void TEllipticHint::SetHintPauseTime(int milliseconds) {
    if (milliseconds == hintPauseTime_) return;
    hintPauseTime_ = milliseconds;
    tk::Application->Hints().SetHintPause(milliseconds);
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
    if (snapshot.window == this) snapshot = {};
}

void TEllipticHintWindow::CreateParams(tk::WindowParams& params) const {
    THintWindow::CreateParams(params);
    params.style &= ~static_cast<DWORD>(WS_BORDER);
}

void TEllipticHintWindow::ActivateHint(const RECT& rect, std::wstring_view text) {
    snapshot = {};
    snapshot.window = this;
    SetCaption(text);
    style_ = CurrentStyle();

    const tk::TRect bubble = EnlargeForEllipse(tk::FromRECT(rect));
    const int width = std::max(0, bubble.Width());
    const int height = std::max(0, bubble.Height());
    SetWindowPos(Handle(), nullptr, bubble.Left, bubble.Top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const tk::MemoryDcHandle screen(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    snapshot.bitmap.reset(CreateCompatibleBitmap(screen.get(), width, height));
    snapshot.width = width;
    snapshot.height = height;
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);

    const tk::MemoryDcHandle memory(CreateCompatibleDC(screen.get()));
    const tk::SelectGuard select(memory.get(), snapshot.bitmap.get());
    // Taken while the window is still hidden: what the screen shows there.
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
    SetWindowPos(Handle(), HWND_TOPMOST, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // Looks transparent until the paint draws the bubble.
    const tk::WindowDc window(Handle());
    BitBlt(window.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

void TEllipticHintWindow::Paint(HDC dc) {
    if (snapshot.window != this || !snapshot.bitmap) return;
    const tk::MemoryDcHandle memory(CreateCompatibleDC(dc));
    const tk::SelectGuard select(memory.get(), snapshot.bitmap.get());
    if (!snapshot.composed) {
        Compose(memory.get(), snapshot.width, snapshot.height);
        snapshot.composed = true;
    }
    // One copy: the bubble never shows half drawn.
    BitBlt(dc, 0, 0, snapshot.width, snapshot.height, memory.get(), 0, 0, SRCCOPY);
}

void TEllipticHintWindow::Compose(HDC dc, int width, int height) {
    {
        const tk::PenHandle pen = MakePen(style_.pen, Dpi());
        const tk::BrushHandle brush = MakeBrush(style_.brush);
        const tk::SelectGuard selectPen(dc, pen.get());
        const tk::SelectGuard selectBrush(dc, brush.get());
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
    const std::wstring text = Caption();
    const int length = static_cast<int>(text.size());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
    TextOutW(dc, CentredOffset(width, extent.cx), CentredOffset(height, extent.cy), text.c_str(),
             length);
}

}  // namespace rytmalo
