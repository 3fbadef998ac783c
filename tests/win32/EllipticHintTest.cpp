// The elliptic hint component and its window against real windows: what the
// component changes in the application, what the bubble draws over the
// snapshot of the screen and again when uncovered, and that it keeps no GDI
// object. (Its size and place are checked on the real program.)
#include <functional>

#include "GradientFixture.h"
#include "app/ComponentClasses.h"
#include "components/Elihint.h"
#include "driver/Driver.h"
#include "driver/Screen.h"

namespace rytmalo {
namespace {

using tk::Application;

constexpr COLORREF kPaleYellow = RGB(255, 255, 128);

// A plain window of one colour, to lie beneath a bubble.
class ColourWindow {
public:
    ColourWindow(const RECT& r, COLORREF colour) : colour_(colour) {
        WNDCLASSEXW wc{sizeof wc};
        wc.lpfnWndProc = &ColourWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TestColourWindow";
        RegisterClassExW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP,
                                r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
    }
    ~ColourWindow() { DestroyWindow(hwnd_); }
    void SetColour(COLORREF colour) {
        colour_ = colour;
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ColourWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (msg == WM_PAINT && self) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            HBRUSH brush = CreateSolidBrush(self->colour_);
            FillRect(dc, &ps.rcPaint, brush);
            DeleteObject(brush);
            EndPaint(hwnd, &ps);
            return 0;
        }
        if (msg == WM_ERASEBKGND) return 1;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
    COLORREF colour_;
};

// What the window draws when asked to paint itself again.
std::unique_ptr<testing::Bitmap32> Repainted(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    auto image = std::make_unique<testing::Bitmap32>(r.right, r.bottom, RGB(255, 255, 255));
    PrintWindow(window, image->dc(), PW_CLIENTONLY);
    return image;
}

// What the screen shows there once the display has caught up with a window
// just shown: the capture on which the condition holds, or the last one.
driver::Image CaptureWhen(const RECT& r, const std::function<bool(const driver::Image&)>& shown) {
    driver::Image image = driver::Capture(r);
    driver::WaitUntil(
        [&] {
            image = driver::Capture(r);
            return shown(image);
        },
        3000);
    return image;
}

int CountOf(const driver::Image& image, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) n += image.ColorAt(x, y) == colour ? 1 : 0;
    }
    return n;
}

class EllipticHintTest : public tk::testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        Application->Hints().SetShowHint(true);
    }
    void TearDown() override {
        Application->Hints().SetHintPause(500);
        Application->Hints().SetShowHint(true);
        ToolkitTest::TearDown();
    }
};

TEST_F(EllipticHintTest, ComponentInstallsItsWindowClassAndTheDelay) {
    Application->Hints().SetHintWindowClass([] { return std::make_unique<tk::THintWindow>(); });
    Application->Hints().SetShowHint(false);
    Application->Hints().SetShowHint(true);
    Application->Hints().SetHintPause(500);
    Application->Hints().HintWindow()->CreateHandle();
    HWND before = Application->Hints().HintWindow()->Handle();

    TEllipticHint hint(Application);
    EXPECT_EQ(Application->Hints().HintPause(), 600);
    EXPECT_EQ(hint.HintPauseTime(), 600);
    EXPECT_TRUE(Application->Hints().ShowHint());
    EXPECT_FALSE(IsWindow(before)) << "the window of the former class stayed";
    // The new window is made for the first hint.
    ASSERT_NE(Application->Hints().HintWindow(), nullptr);
    Application->Hints().HintWindow()->CreateHandle();
    HWND window = Application->Hints().HintWindow()->Handle();
    WCHAR name[64];
    GetClassNameW(window, name, 64);
    EXPECT_STREQ(name, L"TEllipticHintWindow");
    // As the base hint window, less the border.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & 0xFFFF0000u,
              static_cast<DWORD>(WS_POPUP | WS_DISABLED | WS_CLIPSIBLINGS));
    EXPECT_EQ(GetClassLongW(window, GCL_STYLE), 0x080B);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

    EXPECT_EQ(hint.Pen(), (tk::TPen{tk::clBlack, 1, tk::PenStyle::Solid, tk::PenMode::Copy}));
    EXPECT_EQ(hint.Brush(), (tk::TBrush{0x0080FFFF, tk::BrushStyle::Solid}));
    EXPECT_EQ(hint.FontColor(), tk::clBlack);
}

TEST_F(EllipticHintTest, HintPauseTimeSetsTheDelayOnlyWhenItChanges) {
    TEllipticHint hint(Application);
    Application->Hints().SetHintPause(1234);
    hint.SetHintPauseTime(600);
    EXPECT_EQ(Application->Hints().HintPause(), 1234);
    hint.SetHintPauseTime(750);
    EXPECT_EQ(Application->Hints().HintPause(), 750);
    EXPECT_EQ(hint.HintPauseTime(), 750);
}

TEST_F(EllipticHintTest, WithHintsOffTheyStayOffAndTheClassServesWhenTheyComeOn) {
    Application->Hints().SetShowHint(false);
    TEllipticHint hint(Application);
    EXPECT_FALSE(Application->Hints().ShowHint());
    EXPECT_EQ(Application->Hints().HintWindow(), nullptr);
    Application->Hints().SetShowHint(true);
    ASSERT_NE(Application->Hints().HintWindow(), nullptr);
    EXPECT_NE(dynamic_cast<TEllipticHintWindow*>(Application->Hints().HintWindow()), nullptr);
}

TEST_F(EllipticHintTest, LayoutSetsPenAndBrushValueByValue) {
    TEllipticHint hint(Application);
    hint.AssignProperties({
        {"FontColor", std::int32_t{0x00FF0000}},
        {"Brush.Style", static_cast<std::int32_t>(tk::BrushStyle::Clear)},
        {"Pen.Width", std::int32_t{3}},
        {"Brush.Color", std::int32_t{8454143}},
        {"Pen.Style", static_cast<std::int32_t>(tk::PenStyle::Dash)},
        {"HintPauseTime", std::int32_t{900}},
    });
    EXPECT_EQ(hint.Pen(), (tk::TPen{tk::clBlack, 3, tk::PenStyle::Dash, tk::PenMode::Copy}));
    EXPECT_EQ(hint.Brush(), (tk::TBrush{8454143, tk::BrushStyle::Clear}));
    EXPECT_EQ(hint.FontColor(), 0x00FF0000u);
    EXPECT_EQ(Application->Hints().HintPause(), 900);
}

class BubbleTest : public EllipticHintTest {
protected:
    void SetUp() override {
        EllipticHintTest::SetUp();
        window_.CreateHandle();
        // Away from the bubbles, whatever an earlier test left under it.
        driver::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    }
    // The text rectangle at (300, 300), 200 by 40: the bubble is 282 by 55.
    void Activate(std::wstring_view text = L"Essai") {
        window_.ActivateHint({300, 300, 500, 340}, text);
        UpdateWindow(window_.Handle());
    }
    static constexpr RECT kBubble{300 - 41, 300 - 7, 500 + 41, 340 + 7};
    TEllipticHintWindow window_;
};

TEST_F(BubbleTest, EllipseOverTheSnapshotTakenAtActivation) {
    ColourWindow beneath({200, 250, 700, 400}, RGB(255, 0, 0));
    Activate();
    const RECT r = driver::ScreenRect(window_.Handle());
    ASSERT_EQ(r.left, kBubble.left);
    ASSERT_EQ(r.bottom, kBubble.bottom);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;

    // Outline and text are checked on the real program's bubble (end to end).
    const driver::Image shown = CaptureWhen(
        r, [&](const driver::Image& i) { return i.ColorAt(w / 4, h / 2) == kPaleYellow; });
    EXPECT_EQ(shown.ColorAt(0, 0), RGB(255, 0, 0)) << "outside the ellipse: the snapshot";
    EXPECT_EQ(shown.ColorAt(w / 4, h / 2), kPaleYellow) << "the fill";

    // Uncovered later, the bubble is drawn again as it was, over the same
    // snapshot, though the screen beneath has changed.
    window_.Hide();
    beneath.SetColour(RGB(0, 0, 255));
    const auto again = Repainted(window_.Handle());
    int differences = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) differences += again->At(x, y) != shown.ColorAt(x, y);
    }
    EXPECT_EQ(differences, 0);

    // The next activation takes a new snapshot.
    Activate();
    const driver::Image next =
        CaptureWhen(driver::ScreenRect(window_.Handle()),
                    [&](const driver::Image& i) { return i.ColorAt(w / 4, h / 2) == kPaleYellow; });
    EXPECT_EQ(next.ColorAt(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(next.ColorAt(w / 4, h / 2), kPaleYellow);
}

// What the bubble keeps from one activation to the next fits the next one:
// a larger bubble is snapshot and drawn whole.
TEST_F(BubbleTest, ABubbleOfAnotherSizeIsDrawnWhole) {
    ColourWindow beneath({150, 250, 850, 450}, RGB(255, 0, 0));
    Activate();
    window_.ActivateHint({300, 300, 700, 380}, L"Un texte plus long");
    UpdateWindow(window_.Handle());
    // Margins (400 - 4) x 0.2071 = 82 and (80 - 4) x 0.2071 = 16.
    const RECT r = driver::ScreenRect(window_.Handle());
    ASSERT_EQ(r.right - r.left, 400 + 2 * 82);
    ASSERT_EQ(r.bottom - r.top, 80 + 2 * 16);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const driver::Image shown = CaptureWhen(
        r, [&](const driver::Image& i) { return i.ColorAt(w * 3 / 4, h / 2) == kPaleYellow; });
    EXPECT_EQ(shown.ColorAt(w - 1, h - 1), RGB(255, 0, 0)) << "the snapshot at the far corner";
    EXPECT_EQ(shown.ColorAt(w * 3 / 4, h / 2), kPaleYellow) << "the fill across the new width";
    EXPECT_EQ(Repainted(window_.Handle())->At(w - 1, h - 1), RGB(255, 0, 0));
}

// A main window whose first elliptic hint component gives the style.
const tk::FormLayout& StyledLayout() {
    static const tk::FormLayout layout = [] {
        tk::FormLayout f = tk::FormAt("TTestStyledMain", L"", tk::Bounds(20, 20, 100, 50));
        f.components = {
            {.className = "TEllipticHint",
             .name = "First",
             .properties = {{"Pen.Color", std::int32_t{0x000000FF}},
                            {"Brush.Style", static_cast<std::int32_t>(tk::BrushStyle::Clear)},
                            {"FontColor", std::int32_t{0x00FF0000}}}},
            {.className = "TEllipticHint",
             .name = "Second",
             .properties = {{"Pen.Width", std::int32_t{5}}}},
        };
        return f;
    }();
    return layout;
}

class StyledMain : public tk::TForm {
public:
    explicit StyledMain(tk::TApplication& application) : TForm(&application, StyledLayout()) {}
};

TEST_F(BubbleTest, StyleComesFromTheMainWindowsComponent) {
    RegisterComponentClasses(*Application);
    StyledMain* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);

    ColourWindow beneath({200, 250, 700, 400}, RGB(0, 255, 0));
    Activate(L"Bonjour");
    EXPECT_EQ(window_.Style().pen.width, 1) << "the first component's style";
    const RECT r = driver::ScreenRect(window_.Handle());
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const driver::Image shown =
        CaptureWhen(r, [&](const driver::Image& i) { return CountOf(i, RGB(0, 0, 255)) > 10; });
    delete main;

    // A clear brush: the snapshot inside too, the text drawn transparently.
    EXPECT_EQ(shown.ColorAt(w / 4, h / 2), RGB(0, 255, 0));
    EXPECT_EQ(shown.ColorAt(0, h / 2), RGB(255, 0, 0)) << "the red outline";
    EXPECT_GT(CountOf(shown, RGB(0, 0, 255)), 10) << "blue text";
    EXPECT_EQ(CountOf(shown, kPaleYellow), 0);
}

TEST_F(BubbleTest, GdiObjectsStayPutOverAThousandBubbles) {
    const auto cycle = [&] {
        Activate();
        window_.Hide();
    };
    cycle();
    Application->ProcessMessages();
    const long before = tk::testing::GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 1000; ++i) cycle();
    Repainted(window_.Handle());
    Application->ProcessMessages();
    EXPECT_EQ(tk::testing::GdiObjectCount(), before);

    // Nor do the hint windows that the show-hints switch makes and destroys.
    TEllipticHint hint(Application);
    const long withHint = tk::testing::GdiObjectCount();
    for (int i = 0; i < 100; ++i) {
        Application->Hints().SetShowHint(false);
        Application->Hints().SetShowHint(true);
    }
    EXPECT_EQ(tk::testing::GdiObjectCount(), withHint);
}

}  // namespace
}  // namespace rytmalo
