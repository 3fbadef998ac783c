// The main window's own caption bar as the screen shows it.
#include "ProgramFixture.h"
#include "components/CaptionPainter.h"

namespace rytmalo::e2e {
namespace {

using Caption = ProgramTest;

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
    const CaptionMetrics metrics = CurrentCaptionMetrics();
    const TRect cr =
        CaptionRect(tk::BorderStyle::Single, wr.right - wr.left, wr.bottom - wr.top, metrics);
    const RECT onScreen{wr.left + cr.Left, wr.top + cr.Top, wr.left + cr.Right, wr.top + cr.Bottom};
    const CaptionLayout layout =
        LayOutCaption(tk::BorderStyle::Single, tk::biMinimize | tk::biMaximize | tk::biHelp, false,
                      cr.Width(), cr.Height(), metrics);
    return {driver::Capture(onScreen), TitleRect(layout.textArea)};
}

bool WaitForRightEnd(HWND window, COLORREF color) {
    return driver::WaitUntil([&] { return CaptureCaption(window).Right() == color; }, 5000);
}

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

    OtherProgramWindow other;
    ASSERT_TRUE(driver::Activate(other.Handle()));
    ASSERT_TRUE(WaitForRightEnd(Main(), inactive)) << "the caption turns inactive";
    shot = CaptureCaption(Main());
    driver::SaveBmp(shot.image, driver::OwnDirectory() + L"caption-inactive.bmp");
    EXPECT_EQ(shot.Left(), RGB(0, 0, 0)) << "an inactive caption is a gradient too";
    EXPECT_GT(shot.WhiteTitlePixels(), 30);

    ASSERT_TRUE(driver::Activate(Main()));
    EXPECT_TRUE(WaitForRightEnd(Main(), active)) << "and active again";
}

}  // namespace
}  // namespace rytmalo::e2e
