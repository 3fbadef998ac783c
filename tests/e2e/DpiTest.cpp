// The program on a display at 144 dpi: the layout, its fonts, the caption
// bar and the hint bubble scaled by one and a half. The display's resolution
// is set for the program this test starts only; the test keeps its own.
#include "DisplayDpi.h"
#include "ProgramFixture.h"
#include "app/DetailViewLayout.h"

namespace rytmalo::e2e {
namespace {

constexpr int kDpi = 144;

int Scaled(int value) { return MulDiv(value, kDpi, 96); }

int MetricForDpi(int index, int dpi) {
    using Fn = int(WINAPI*)(int, UINT);
    const auto f = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    return f ? f(index, static_cast<UINT>(dpi)) : 0;
}

class HighDpi : public ProgramTest {
protected:
    void SetUp() override {
        DisplayDpi dpi(kDpi);
        ProgramTest::SetUp();
    }
};

TEST_F(HighDpi, LayoutAndFontsAreScaledToTheDisplay) {
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, 572);
    EXPECT_EQ(client.bottom, 491);

    // Each control at its layout place scaled, within its parent.
    const auto expectAt = [&](std::string_view name) {
        const tk::ControlLayout* c = MainFormLayout().FindControl(name);
        ASSERT_NE(c, nullptr);
        const RECT r = driver::RectInParent(Control(name));
        EXPECT_EQ(r.left, Scaled(c->bounds.Left)) << name;
        EXPECT_EQ(r.top, Scaled(c->bounds.Top)) << name;
        if (!c->autoSize) {
            EXPECT_EQ(r.right - r.left, Scaled(c->bounds.Width())) << name;
            EXPECT_EQ(r.bottom - r.top, Scaled(c->bounds.Height())) << name;
        }
    };
    for (std::string_view name : {"Panel1", "GroupBox1", "txtTempo", "rdoCroche", "cmdQuitter",
                                  "txtRonde", "txtQuadruple"}) {
        expectAt(name);
    }

    // Value labels fit their text in the scaled font: 2000 is wider than at
    // 96 dpi, where bold 8-point digits take about 7 pixels each.
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    const RECT ronde = driver::RectInParent(Control("txtRonde"));
    EXPECT_GE(ronde.right - ronde.left, 36);
    EXPECT_GE(ronde.bottom - ronde.top, 18);
    // The right-aligned captions still end 7 scaled pixels before their values.
    const RECT caption = driver::RectInParent(Control("Label1"));
    EXPECT_EQ(caption.right, Scaled(113));

    Sleep(300);
    driver::SaveBmp(driver::Capture(driver::ScreenRect(Main())),
                    driver::OwnDirectory() + L"main-window-144dpi.bmp");
}

// At 144 dpi the whole view does not fit a 768-pixel screen: the window
// ends on the work area, the pages give up height, the tools keep their
// scaled places.
TEST_F(HighDpi, DetailedViewIsScaledWithTheRestAndTheWindowFitsTheScreen) {
    // The choice it saves goes with the test.
    struct Forget {
        ~Forget() {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0",
                               L"TableauDetaille");
        }
    } forget;
    driver::Activate(Main());
    driver::PressChord({VK_MENU, 'O'});
    Sleep(200);
    driver::PressKey('T');
    const auto control = [&](std::string_view name) {
        return driver::FindDescendant(Main(), FindDetailControl(name)->id);
    };
    // The view shows once the window has its size and place.
    ASSERT_TRUE(driver::WaitUntil([&] {
        HWND table = control("lvwTableau");
        return table && IsWindowVisible(table);
    }));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT window = driver::ScreenRect(Main());
    EXPECT_GE(window.top, work.top);
    EXPECT_LE(window.bottom, work.bottom);
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_GE(client.bottom, Scaled(327 + kLeastPagesHeight));
    EXPECT_EQ(driver::RectInParent(control("pnlDetail")).top, Scaled(327));
    EXPECT_EQ(driver::RectInParent(control("pnlDetail")).bottom, client.bottom);
    EXPECT_EQ(driver::RectInParent(control("pnlOutils")).left, Scaled(kToolsLeft));
    for (std::string_view name : {"cmdTaper", "lblTempoExact", "lblDelai", "lstTempos"}) {
        const tk::ControlLayout* c = FindDetailControl(name);
        const RECT r = driver::RectInParent(control(name));
        EXPECT_EQ(r.left, Scaled(c->bounds.Left)) << name;
        EXPECT_EQ(r.top, Scaled(c->bounds.Top)) << name;
        // A label is as wide as its text; the others at least as laid out.
        if (c->kind != tk::ControlKind::Label)
            EXPECT_GE(r.right - r.left, Scaled(c->bounds.Width())) << name;
        EXPECT_LE(r.bottom, Scaled(327)) << name << " beside the calculator";
    }
}

TEST_F(HighDpi, CaptionBarTakesTheDisplaysCaptionHeight) {
    // The gradient runs from left to right: a column of the caption bar has
    // one colour from its top row to its bottom row, which at 144 dpi lies
    // where the menu bar would start at 96.
    const RECT window = driver::ScreenRect(Main());
    POINT origin{0, 0};
    ClientToScreen(Main(), &origin);
    const int frame = origin.x - window.left;
    const int height = MetricForDpi(SM_CYCAPTION, kDpi);
    ASSERT_GT(height, MetricForDpi(SM_CYCAPTION, 96));
    Sleep(300);
    const int x = (window.right - window.left) * 3 / 4;
    const driver::Image image = driver::Capture(window);
    const COLORREF top = image.ColorAt(x, frame + 1);
    EXPECT_EQ(image.ColorAt(x, frame + height - 2), top);
    EXPECT_NE(top, GetSysColor(COLOR_MENU)) << "the caption is the gradient's";
}

TEST_F(HighDpi, HintBubbleIsMeasuredAndPlacedAtTheDisplaysResolution) {
    HWND tempo = Control("txtTempo");
    const RECT expected = ExpectedHintBubble(tempo, kTempoHint, kDpi);

    driver::MoveMouse(driver::Center(tempo));
    HWND bubble = nullptr;
    ASSERT_TRUE(driver::WaitUntil(
        [&] { return (bubble = driver::FindTopLevel(Pid(), L"TEllipticHintWindow")) != nullptr; },
        5000));
    const RECT r = driver::ScreenRect(bubble);
    EXPECT_EQ(r.left, expected.left);
    EXPECT_EQ(r.top, expected.top);
    EXPECT_EQ(r.right, expected.right);
    EXPECT_EQ(r.bottom, expected.bottom);
    EXPECT_GE(r.bottom - r.top, 26) << "19 pixels high at 96 dpi";
}

}  // namespace
}  // namespace rytmalo::e2e
