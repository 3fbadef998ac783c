// A window moved to a monitor of another resolution (WM_DPICHANGED): every
// control, font, glyph and the caption bar follow; back at 96 dpi everything
// is exactly as the layout says.
#include "GradientFixture.h"
#include "TestLayout.h"
#include "driver/Driver.h"
#include "toolkit/Dpi.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"

namespace rytmalo::testing {
namespace {

using tk::ControlKind;
using tk::testing::Control;
using tk::testing::TestForm;

const tk::FormLayout& Layout() {
    static const tk::FormLayout layout = [] {
        tk::FormLayout f = tk::FormAt("TDpiForm", L"Résolution", tk::Bounds(120, 80, 381, 327),
                                      tk::BorderStyle::Single, tk::biSystemMenu);
        const tk::FontSpec bold{.style = tk::fsBold};
        f.controls = {
            Control(ControlKind::GroupBox, "Group", tk::Bounds(8, 8, 129, 73), L"Tempo"),
            Control(ControlKind::Edit, "Tempo", tk::Bounds(40, 32, 57, 21)).In("Group"),
            Control(ControlKind::Panel, "Panel", tk::Bounds(8, 88, 361, 161)).Colour(tk::clBlack),
            Control(ControlKind::Label, "Caption", tk::Bounds(20, 40, 93, 13), L"Ronde :")
                .In("Panel")
                .Font(bold)
                .AutoSize(tk::Alignment::Right),
            Control(ControlKind::Label, "Value", tk::Bounds(120, 40, 0, 13), L"2000")
                .In("Panel")
                .Font(bold)
                .AutoSize(),
            Control(ControlKind::PageControl, "Pages", tk::Bounds(150, 8, 220, 73)),
            Control(ControlKind::TabSheet, "Page", {}, L"Options").In("Pages"),
            Control(ControlKind::CheckBox, "Check", tk::Bounds(8, 8, 120, 17), L"Coche").In("Page"),
            Control(ControlKind::BitButton, "Quit", tk::Bounds(128, 272, 121, 33), L"Quitter"),
        };
        return f;
    }();
    return layout;
}

using driver::RectInParent;

LONG FontHeight(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Every control with a fixed size at its layout place scaled, in its font
// scaled; auto-sized labels keep the edge they are aligned to.
void ExpectLaidOutAt(TestForm& form, int dpi) {
    for (const tk::ControlLayout& c : Layout().controls) {
        if (c.kind == ControlKind::TabSheet) continue;
        SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(dpi));
        HWND w = form.Find<tk::TControl>(c.name).Handle();
        const RECT r = RectInParent(w);
        const int left = tk::ScaleToDpi(c.bounds.Left, dpi);
        const int top = tk::ScaleToDpi(c.bounds.Top, dpi);
        EXPECT_EQ(r.top, top);
        if (c.autoSize && c.alignment == tk::Alignment::Right) {
            EXPECT_EQ(r.right, left + tk::ScaleToDpi(c.bounds.Width(), dpi));
        } else {
            EXPECT_EQ(r.left, left);
        }
        if (!c.autoSize) {
            EXPECT_EQ(r.right - r.left, tk::ScaleToDpi(c.bounds.Width(), dpi));
            EXPECT_EQ(r.bottom - r.top, tk::ScaleToDpi(c.bounds.Height(), dpi));
        }
        EXPECT_EQ(FontHeight(w), tk::ScaleToDpi(-11, dpi));
    }
}

using Dpi = tk::testing::ToolkitTest;

TEST_F(Dpi, ControlsAndFontsFollowTheResolutionAndComeBackExactly) {
    TestForm& form = MakeForm(Layout());
    ASSERT_EQ(form.Dpi(), 96);
    ExpectLaidOutAt(form, 96);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 381);
    const RECT value96 = RectInParent(form.Find<tk::TControl>("Value").Handle());

    // The system suggests where the window goes on the other monitor.
    MoveToDpi(form.Handle(), 144, {200, 150, 200 + 600, 150 + 560});
    EXPECT_EQ(form.Dpi(), 144);
    RECT window;
    GetWindowRect(form.Handle(), &window);
    EXPECT_EQ(window.left, 200);
    EXPECT_EQ(window.top, 150);
    EXPECT_EQ(window.right, 800);
    EXPECT_EQ(window.bottom, 710);
    ExpectLaidOutAt(form, 144);
    const RECT value144 = RectInParent(form.Find<tk::TControl>("Value").Handle());
    EXPECT_GT(value144.right - value144.left, (value96.right - value96.left) * 4 / 3)
        << "its text measured again";

    // The page fills its page control's display area again.
    auto& pages = form.Find<tk::TPageControl>("Pages");
    const RECT area = pages.DisplayRect();
    const RECT page = RectInParent(form.Find<tk::TControl>("Page").Handle());
    EXPECT_EQ(page.left, area.left);
    EXPECT_EQ(page.right, area.right);
    EXPECT_EQ(page.bottom, area.bottom);

    form.ChangeDpi(96);
    ExpectLaidOutAt(form, 96);
    EXPECT_EQ(RectInParent(form.Find<tk::TControl>("Value").Handle()).right, value96.right);
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 381);
    EXPECT_EQ(client.bottom, 327);
    EXPECT_TRUE(reported.empty());
}

TEST_F(Dpi, ScaledSizeAskedBeforeTheMoveKeepsTheClientArea) {
    TestForm& form = MakeForm(Layout());
    SIZE size{};
    ASSERT_TRUE(SendMessageW(form.Handle(), 0x02E4 /* WM_GETDPISCALEDSIZE */, 144,
                             reinterpret_cast<LPARAM>(&size)));
    RECT expected{0, 0, 572, 491};
    tk::AdjustWindowRectForDpi(expected, GetWindowLongW(form.Handle(), GWL_STYLE), false,
                               GetWindowLongW(form.Handle(), GWL_EXSTYLE), 144);
    EXPECT_EQ(size.cx, expected.right - expected.left);
    EXPECT_EQ(size.cy, expected.bottom - expected.top);
}

class GradientDpi : public GradientTest {};

TEST_F(GradientDpi, CaptionMetricsAndFontAreTheResolutions) {
    TestGradientForm& form =
        Make(GradientLayout("TDpiGradient", tk::BorderStyle::Single, tk::biSystemMenu));
    const TRect at96 = form.GetCaptionRect();
    EXPECT_EQ(at96.Height(), GetSystemMetrics(SM_CYCAPTION) - 1);
    LOGFONTW font96{};
    GetObjectW(form.CaptionFont(), sizeof font96, &font96);

    form.ChangeDpi(144);
    EXPECT_EQ(form.GetCaptionRect().Height(), tk::SystemMetricForDpi(SM_CYCAPTION, 144) - 1);
    EXPECT_GT(form.GetCaptionRect().Height(), at96.Height());
    NONCLIENTMETRICSW metrics{};
    ASSERT_TRUE(tk::NonClientMetricsForDpi(metrics, 144));
    LOGFONTW font144{};
    GetObjectW(form.CaptionFont(), sizeof font144, &font144);
    EXPECT_EQ(font144.lfHeight, metrics.lfCaptionFont.lfHeight);
    EXPECT_GT(std::abs(font144.lfHeight), std::abs(font96.lfHeight));
    // Composing at the new size leaves nothing behind and reports nothing.
    form.RepaintCaption(true);

    form.ChangeDpi(96);
    EXPECT_EQ(form.GetCaptionRect(), at96);
    LOGFONTW back{};
    GetObjectW(form.CaptionFont(), sizeof back, &back);
    EXPECT_EQ(back.lfHeight, font96.lfHeight);
    EXPECT_TRUE(reported.empty());
}

TEST(HintDpi, HintTextIsMeasuredInTheFontOfTheResolution) {
    tk::THintWindow window;
    window.CreateHandle();
    const std::wstring text = L"Entrez ici le tempo servant de base au calcul";
    const RECT at96 = window.CalcHintRect(2000, text);
    window.SetDpi(144);
    EXPECT_EQ(window.Dpi(), 144);
    const RECT at144 = window.CalcHintRect(2000, text);
    EXPECT_GT(at144.right * 10, at96.right * 13);
    EXPECT_GT(at144.bottom * 10, at96.bottom * 13);
    window.SetDpi(96);
    const RECT back = window.CalcHintRect(2000, text);
    EXPECT_EQ(back.right, at96.right);
    EXPECT_EQ(back.bottom, at96.bottom);
}

}  // namespace
}  // namespace rytmalo::testing
