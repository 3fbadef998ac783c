// The main window's own caption bar as the screen shows it, and its title as
// another program reads it.
#include "ProgramFixture.h"
#include "components/CaptionGeometry.h"

namespace rytmalo::e2e {
namespace {

using Caption = ProgramTest;

CaptionMetrics SystemCaptionMetrics() {
    return {.cxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME),
            .cyDlgFrame = GetSystemMetrics(SM_CYDLGFRAME),
            .cxFrame = GetSystemMetrics(SM_CXFRAME),
            .cyFrame = GetSystemMetrics(SM_CYFRAME),
            .cyCaption = GetSystemMetrics(SM_CYCAPTION),
            .cySmCaption = GetSystemMetrics(SM_CYSMCAPTION),
            .cxSmIcon = GetSystemMetrics(SM_CXSMICON),
            .cxSmSize = GetSystemMetrics(SM_CXSMSIZE)};
}

// The caption bar on the screen and where its title goes, in screen pixels.
struct CaptionOnScreen {
    driver::Image image;
    TRect title;  // within the image

    COLORREF Left() const { return image.ColorAt(0, 0); }
    COLORREF Right() const { return image.ColorAt(image.width - 1, 0); }
    int WhiteTitlePixels() const {
        int n = 0;
        for (int y = title.Top; y < title.Bottom; ++y) {
            for (int x = title.Left; x < title.Right; ++x)
                n += image.ColorAt(x, y) == RGB(255, 255, 255);
        }
        return n;
    }
};

CaptionOnScreen CaptureCaption(HWND window) {
    const RECT wr = driver::ScreenRect(window);
    const CaptionMetrics metrics = SystemCaptionMetrics();
    const TRect cr =
        CaptionRect(tk::BorderStyle::Single, wr.right - wr.left, wr.bottom - wr.top, metrics);
    const RECT onScreen{wr.left + cr.Left, wr.top + cr.Top, wr.left + cr.Right, wr.top + cr.Bottom};
    const CaptionLayout layout =
        LayOutCaption(tk::BorderStyle::Single, tk::biMinimize | tk::biMaximize | tk::biHelp, false,
                      cr.Width(), cr.Height(), metrics);
    return {driver::Capture(onScreen), TitleRect(layout.textArea)};
}

// Waits for the caption's right end to show a colour, dispatching this
// thread's messages meanwhile (the other window is ours).
bool WaitForRightEnd(HWND window, COLORREF color) {
    return driver::WaitUntil(
        [&] {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            return CaptureCaption(window).Right() == color;
        },
        5000);
}

// A window of another program, for the main window to lose the activation to.
class OtherWindow {
  public:
    OtherWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"RytmaloTestOther";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, L"RytmaloTestOther", L"Autre programme",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 600, 240, 120, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OtherWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

  private:
    HWND hwnd_;
};

TEST_F(Caption, GradientFromBlackWithAWhiteTitleInTheActiveThenInactiveColours) {
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
    ASSERT_NE(active, inactive);
    ASSERT_TRUE(WaitForRightEnd(Main(), active));
    CaptionOnScreen shot = CaptureCaption(Main());
    driver::SaveBmp(shot.image, driver::OwnDirectory() + L"caption-active.bmp");
    EXPECT_EQ(shot.Left(), RGB(0, 0, 0));
    EXPECT_GT(shot.WhiteTitlePixels(), 30);
    // In between, the colour rises from black.
    const COLORREF middle = shot.image.ColorAt(shot.image.width / 2, 0);
    EXPECT_NE(middle, RGB(0, 0, 0));
    EXPECT_NE(middle, active);

    OtherWindow other;
    ASSERT_TRUE(driver::Activate(other.Handle()));
    ASSERT_TRUE(WaitForRightEnd(Main(), inactive)) << "the caption turns inactive";
    shot = CaptureCaption(Main());
    driver::SaveBmp(shot.image, driver::OwnDirectory() + L"caption-inactive.bmp");
    EXPECT_EQ(shot.Left(), RGB(0, 0, 0)) << "an inactive caption is a gradient too";
    EXPECT_GT(shot.WhiteTitlePixels(), 30);

    ASSERT_TRUE(driver::Activate(Main()));
    EXPECT_TRUE(WaitForRightEnd(Main(), active)) << "and active again";
}

TEST_F(Caption, AnotherProgramAskingTheWindowGetsTheTitle) {
    EXPECT_EQ(SendMessageW(Main(), WM_GETTEXTLENGTH, 0, 0), 10);
    wchar_t small[9] = L"XXXXXXXX";
    EXPECT_EQ(SendMessageW(Main(), WM_GETTEXT, 8, reinterpret_cast<LPARAM>(small)), 7);
    EXPECT_STREQ(small, L"Rytmalo");
    wchar_t none[4] = L"XYZ";
    EXPECT_EQ(SendMessageW(Main(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(none)), 0);
    EXPECT_STREQ(none, L"XYZ");
    // The system's own copy, which GetWindowText reads across programs,
    // never had it.
    wchar_t system[32] = L"?";
    EXPECT_EQ(GetWindowTextW(Main(), system, 32), 0);
}

}  // namespace
}  // namespace rytmalo::e2e
