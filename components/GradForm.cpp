#include "components/GradForm.h"

#include <algorithm>

#include "components/CaptionPainter.h"
#include "components/DesktopComposition.h"
#include "core/Checked.h"
#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "core/Exception.h"
#include "toolkit/SdkExtras.h"
#include "toolkit/WindowText.h"

namespace rytmalo {
namespace {

constexpr UINT kFrameChange =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

void FrameChanged(HWND window) { SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChange); }

HWND MdiClientOf(HWND frame) {
    return frame ? FindWindowExW(frame, nullptr, L"MDIClient", nullptr) : nullptr;
}

HWND ActiveMdiChild(HWND client, bool& maximized) {
    BOOL zoomed = FALSE;
    HWND child = client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0,
                                                              reinterpret_cast<LPARAM>(&zoomed)))
                        : nullptr;
    maximized = child && zoomed;
    return child;
}

// The sizing cursors of the borders, by hit-test code; nullptr elsewhere.
LPCWSTR SizingCursor(WORD hitTest) {
    switch (hitTest) {
        case HTLEFT:
        case HTRIGHT: return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM: return IDC_SIZENS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT: return IDC_SIZENWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: return IDC_SIZENESW;
        default: return nullptr;
    }
}

WPARAM HitTestCode(CaptionGlyph glyph) {
    switch (glyph) {
        case CaptionGlyph::Close: return HTCLOSE;
        case CaptionGlyph::Minimize: return HTMINBUTTON;
        case CaptionGlyph::Maximize:
        case CaptionGlyph::Restore: return HTMAXBUTTON;
        case CaptionGlyph::Help: return HTHELP;
    }
    return HTNOWHERE;
}

bool IsCaptionButtonHit(WPARAM hit) {
    return hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTHELP;
}

}  // namespace

TGradientForm::TGradientForm(tk::TComponent* owner, const tk::FormLayout& layout)
    : tk::TForm(owner, layout) {
    ComputeGradientTable();
    // The layout is known already, so the font fits the border style at once.
    CreateCaptionFont();
}

TGradientForm::~TGradientForm() {
    // The window goes while this is still a gradient form, so that the
    // client hook is removed first and the last paints find the font.
    DestroyWindowHandle();
}

std::span<const tk::PublishedProperty> TGradientForm::Published() const {
    static const tk::PublishedProperty properties[] = {
        {"Caption", &tk::Assign<&TGradientForm::SetCaption>},
        {"GradientColors", &tk::Assign<&TGradientForm::SetGradientColors>},
        {"GradientOnInactive", &tk::Assign<&TGradientForm::SetGradientOnInactive>},
    };
    return properties;
}

void TGradientForm::SetCaption(std::wstring_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (!Handle()) return;
    if (GetFormStyle() == tk::FormStyle::MDIChild && IsMaximized()) {
        // The frame's caption shows this title.
        if (tk::TForm* main = Host().MainForm(); main && main->Handle())
            FrameChanged(main->Handle());
    } else {
        RepaintCaption(IsCaptionActive());
    }
}

void TGradientForm::SetGradientColors(int count) {
    if (count == gradientColors_ || count < kMinGradientColors || count > kMaxGradientColors)
        return;
    gradientColors_ = count;
    ComputeGradientTable();
    if (Handle()) FrameChanged(Handle());
}

void TGradientForm::SetGradientOnInactive(bool on) {
    if (on == gradientOnInactive_) return;
    gradientOnInactive_ = on;
    // An active caption does not depend on it.
    if (Handle() && !IsCaptionActive()) FrameChanged(Handle());
}

bool TGradientForm::IsCaptionActive() const {
    if (!Handle()) return false;
    if (GetFormStyle() == tk::FormStyle::MDIChild) {
        const tk::TForm* main = Host().MainForm();
        if (!main || !main->Handle()) return false;
        bool maximized = false;
        return GetActiveWindow() == main->Handle() &&
               ActiveMdiChild(MdiClientOf(main->Handle()), maximized) == Handle();
    }
    return GetActiveWindow() == Handle();
}

void TGradientForm::ComputeGradientTable() {
    ++tablesGeneration_;
    FillGradientTable(gradientTable_[kInactiveGradient], GetSysColor(COLOR_INACTIVECAPTION),
                      gradientColors_);
    FillGradientTable(gradientTable_[kActiveGradient], GetSysColor(COLOR_ACTIVECAPTION),
                      gradientColors_);
}

void TGradientForm::CreateCaptionFont() {
    captionFont_.reset();
    captionFontDpi_ = Dpi();
    NONCLIENTMETRICSW metrics{};
    if (!tk::NonClientMetricsForDpi(metrics, captionFontDpi_)) return;
    const LOGFONTW& font =
        IsToolStyle(GetBorderStyle()) ? metrics.lfSmCaptionFont : metrics.lfCaptionFont;
    captionFont_.reset(CreateFontIndirectW(&font));
}

TRect TGradientForm::GetCaptionRect() const {
    if (GetBorderStyle() == tk::BorderStyle::None || !Handle()) return {};
    RECT window;
    GetWindowRect(Handle(), &window);
    return CaptionRect(GetBorderStyle(), tk::CheckedSub(window.right, window.left),
                       tk::CheckedSub(window.bottom, window.top), Metrics());
}

HICON TGradientForm::CaptionIcon() const {
    // The form's icon (its own or, as the toolkit sets it, the application's),
    // else the system's application icon.
    for (WPARAM which : {ICON_SMALL, ICON_BIG}) {
        if (auto icon = reinterpret_cast<HICON>(SendMessageW(Handle(), WM_GETICON, which, 0)))
            return icon;
    }
    if (HICON icon = Host().Icon()) return icon;
    return LoadIconW(nullptr, IDI_APPLICATION);
}

std::wstring TGradientForm::CaptionText() const {
    if (GetFormStyle() == tk::FormStyle::MDIForm) {
        bool maximized = false;
        HWND child = ActiveMdiChild(ClientHook.Hooked(), maximized);
        if (maximized) return caption_ + L" - [" + tk::WindowText(child) + L"]";
    }
    return caption_;
}

const CaptionMetrics& TGradientForm::Metrics() const {
    if (metricsDpi_ != Dpi()) {
        metrics_ = CaptionMetricsForDpi(Dpi());
        metricsDpi_ = Dpi();
    }
    return metrics_;
}

CaptionLayout TGradientForm::LayOutCaptionFor(const TRect& caption) const {
    CaptionLayout layout = LayOutCaption(GetBorderStyle(), BorderIcons(), IsMaximized(),
                                         caption.Width(), caption.Height(), Metrics());
    for (CaptionButton& b : layout.buttons)
        b.pushed = pressedInside_ && HitTestCode(b.glyph) == pressedButton_;
    return layout;
}

WPARAM TGradientForm::CaptionButtonAt(POINT screen) const {
    const TRect caption = GetCaptionRect();
    if (caption.IsEmpty()) return 0;
    RECT window;
    GetWindowRect(Handle(), &window);
    const CaptionLayout layout = LayOutCaptionFor(caption);
    const CaptionButton* button = rytmalo::CaptionButtonAt(
        layout, screen.x - window.left - caption.Left, screen.y - window.top - caption.Top);
    return button ? HitTestCode(button->glyph) : 0;
}

bool TGradientForm::PressCaptionButton(WPARAM hit, POINT screen) {
    if (!IsCaptionButtonHit(hit) || CaptionButtonAt(screen) != hit) return false;
    pressedButton_ = hit;
    pressedInside_ = true;
    SetCapture(Handle());
    RepaintCaption(IsCaptionActive());
    return true;
}

void TGradientForm::FollowPointer(POINT screen) {
    const bool inside = CaptionButtonAt(screen) == pressedButton_;
    if (inside == pressedInside_) return;
    pressedInside_ = inside;
    RepaintCaption(IsCaptionActive());
}

void TGradientForm::ReleaseCaptionButton(POINT screen) {
    const WPARAM hit = pressedButton_;
    const bool inside = CaptionButtonAt(screen) == hit;
    pressedButton_ = 0;
    pressedInside_ = false;
    // Drawn back up before the command runs: it may hide the window.
    ReleaseCapture();
    RepaintCaption(IsCaptionActive());
    if (!inside) return;
    WPARAM command = SC_CONTEXTHELP;
    switch (hit) {
        case HTCLOSE: command = SC_CLOSE; break;
        case HTMINBUTTON: command = SC_MINIMIZE; break;
        case HTMAXBUTTON: command = IsMaximized() ? SC_RESTORE : SC_MAXIMIZE; break;
        default: break;
    }
    SendMessageW(Handle(), WM_SYSCOMMAND, command, MAKELPARAM(screen.x, screen.y));
}

TRect TGradientForm::PaintCaption(HDC dc, bool active) {
    const TRect caption = GetCaptionRect();
    if (caption.IsEmpty()) return caption;
    const int width = caption.Width();
    const int height = caption.Height();

    // Composed in the kept image, over the kept gradient, and only when it
    // would show something else than it does: the same caption is copied as
    // it is. A caption-paint handler may draw anything: it is asked each time.
    HDC m = captionCache_.Composition(dc, width, height);
    const bool gradient = active || gradientOnInactive_;
    const CaptionLayout layout = LayOutCaptionFor(caption);
    const HICON icon = layout.iconCell ? CaptionIcon() : nullptr;
    std::optional<CaptionCache::Composed> what;
    if (!OnCaptionPaint) {
        what = CaptionCache::Composed{active, gradient,      tablesGeneration_, CaptionFont(),
                                      icon,   CaptionText(), layout.buttons};
    }
    if (!what || !captionCache_.Shows(*what)) {
        captionCache_.Remember(std::nullopt);
        const COLORREF inactiveColor = GetSysColor(COLOR_INACTIVECAPTION);
        if (!gradient) {
            FillCaptionFlat(m, width, height, inactiveColor);
        } else {
            const GradientState state = active ? kActiveGradient : kInactiveGradient;
            captionCache_.CopyGradient(state, gradientTable_[state], gradientColors_,
                                       tablesGeneration_);
        }
        // A gradient starts black at the left, where the icon sits.
        if (layout.iconCell)
            DrawCaptionIcon(m, layout, icon, gradient ? RGB(0, 0, 0) : inactiveColor);
        DrawCaptionButtons(m, layout.buttons);

        TRect textArea = layout.textArea;
        if (OnCaptionPaint) {
            // A copy: the handler may replace itself.
            const TGFOnCaptionPaint handler = OnCaptionPaint;
            tk::TCanvas canvas(m);
            canvas.SetFont(CaptionFont());
            handler(*this, canvas, textArea);
        }
        DrawCaptionText(m, what ? what->text : CaptionText(), textArea, CaptionFont());
        captionCache_.Remember(std::move(what));
    }

    BitBlt(dc, caption.Left, caption.Top, width, height, m, 0, 0, SRCCOPY);
    return caption;
}

void TGradientForm::RepaintCaption(bool active) {
    if (!Handle()) return;
    tk::WindowDc dc(Handle(), tk::WindowDc::Whole);
    if (dc.get()) PaintCaption(dc.get(), active);
}

LRESULT TGradientForm::PaintNonClient(WPARAM updateRegion, LPARAM lParam) {
    tk::WindowDc dc(Handle(), tk::WindowDc::Whole);
    if (!dc.get()) return DefWindowProcW(Handle(), WM_NCPAINT, updateRegion, lParam);
    RECT window;
    GetWindowRect(Handle(), &window);

    // The update region is in screen coordinates; 1 stands for the whole
    // window and is no region.
    tk::RegionHandle whole;
    if (SelectClipRgn(dc.get(), reinterpret_cast<HRGN>(updateRegion)) == ERROR) {
        whole.reset(CreateRectRgn(window.left, window.top, window.right, window.bottom));
        if (!whole) throw tk::EOutOfResources();
        SelectClipRgn(dc.get(), whole.get());
    }
    OffsetClipRgn(dc.get(), -window.left, -window.top);
    const TRect caption = PaintCaption(dc.get(), IsCaptionActive());
    ExcludeClipRect(dc.get(), caption.Left, caption.Top, caption.Right, caption.Bottom);
    OffsetClipRgn(dc.get(), window.left, window.top);

    // The system paints the rest of the frame, outside the caption. The
    // region it handed in stays as it was.
    tk::RegionHandle rest(CreateRectRgn(0, 0, 0, 0));
    if (!rest) throw tk::EOutOfResources();
    GetClipRgn(dc.get(), rest.get());
    return DefWindowProcW(Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(rest.get()), lParam);
}

LRESULT TGradientForm::CopyCaption(WPARAM size, LPARAM buffer) const {
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    // No room even for the terminating zero: nothing is written.
    if (size == 0 || !out) return 0;
    const std::size_t n = std::min<std::size_t>(caption_.size(), size - 1);
    caption_.copy(out, n);
    out[n] = L'\0';
    return static_cast<LRESULT>(n);
}

void TGradientForm::WndProc(tk::Message& m) {
    switch (m.msg) {
        case WM_NCACTIVATE:
            // The system's activation drawing would paint its own caption.
            RepaintCaption(m.wParam != 0);
            m.result = TRUE;
            return;
        case WM_NCPAINT: m.result = PaintNonClient(m.wParam, m.lParam); return;
        case WM_SYSCOLORCHANGE:
            ComputeGradientTable();
            TForm::WndProc(m);
            return;
        case WM_SIZE:
            TForm::WndProc(m);
            if (m.wParam == SIZE_RESTORED || m.wParam == SIZE_MAXIMIZED)
                RepaintCaption(IsCaptionActive());
            return;
        case WM_SETCURSOR:
            if (LPCWSTR cursor = SizingCursor(LOWORD(m.lParam))) {
                SetCursor(LoadCursorW(nullptr, cursor));
                m.result = 1;
            } else {
                TForm::WndProc(m);
            }
            return;
        case WM_SETTEXT: {
            const auto* text = reinterpret_cast<const wchar_t*>(m.lParam);
            SetCaption(text ? std::wstring_view(text) : std::wstring_view());
            m.result = TRUE;
            return;
        }
        case WM_GETTEXT: m.result = CopyCaption(m.wParam, m.lParam); return;
        case WM_GETTEXTLENGTH: m.result = static_cast<LRESULT>(caption_.size()); return;
        case WM_WININICHANGE:
            if (m.wParam == SPI_SETNONCLIENTMETRICS) CreateCaptionFont();
            // Any setting may move the caption's metrics.
            metricsDpi_ = 0;
            TForm::WndProc(m);
            return;
        case WM_DISPLAYCHANGE:
        case WM_THEMECHANGED:
            // Another colour depth, or other metrics.
            metricsDpi_ = 0;
            captionCache_.Clear();
            TForm::WndProc(m);
            return;
        // Without a system menu the system neither finds nor works the
        // caption buttons: the form does, for those it draws.
        case WM_NCHITTEST:
            TForm::WndProc(m);
            if (const WPARAM hit = CaptionButtonAt(tk::PointOf(m.lParam))) m.result = hit;
            return;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (PressCaptionButton(m.wParam, tk::PointOf(m.lParam))) {
                m.result = 0;
            } else {
                TForm::WndProc(m);
            }
            return;
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            if (!pressedButton_) {
                TForm::WndProc(m);
                return;
            }
            {
                // Client coordinates while the form holds the mouse.
                POINT screen = tk::PointOf(m.lParam);
                ClientToScreen(Handle(), &screen);
                if (m.msg == WM_MOUSEMOVE) {
                    FollowPointer(screen);
                } else {
                    ReleaseCaptionButton(screen);
                }
            }
            m.result = 0;
            return;
        case WM_CAPTURECHANGED:
            // Another window took the mouse: the press is void.
            if (pressedButton_ && reinterpret_cast<HWND>(m.lParam) != Handle()) {
                pressedButton_ = 0;
                pressedInside_ = false;
                RepaintCaption(IsCaptionActive());
            }
            TForm::WndProc(m);
            return;
        default: TForm::WndProc(m);
    }
}

void TGradientForm::CreateWindowHandle() {
    TForm::CreateWindowHandle();
    // The window opened on a monitor of another resolution than the font's.
    if (captionFontDpi_ != Dpi()) CreateCaptionFont();
    UseOwnNonClientPainting(Handle());
    if (GetFormStyle() == tk::FormStyle::MDIForm) HookClient();
}

void TGradientForm::DpiChanged(int) {
    metricsDpi_ = 0;
    CreateCaptionFont();
}

void TGradientForm::DestroyWindowHandle() {
    ClientHook.Unhook();
    captionCache_.Clear();
    TForm::DestroyWindowHandle();
}

void TGradientForm::HookClient() {
    // The client window is made while the frame is created.
    ClientHook.Hook(MdiClientOf(Handle()));
}

void TGradientForm::TClientHook::WndProc(tk::Message& m) {
    Default(m);
    if (m.msg == tk::kWmMdiCaptionChange) form_.RepaintCaption(form_.IsCaptionActive());
}

}  // namespace rytmalo
