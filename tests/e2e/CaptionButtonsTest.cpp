// The minimise and maximise buttons the main window's caption draws work as
// the system's own: found where they are drawn, pushed while the mouse
// button is down on them, acting when it is released there and only there.
#include "SettingsFixture.h"
#include "components/CaptionPainter.h"

namespace rytmalo::e2e {
namespace {

using CaptionButtons = SettingsTest;

// Where the main window's caption draws a button, on the screen.
RECT DrawnButton(HWND window, CaptionGlyph glyph) {
    const RECT wr = driver::ScreenRect(window);
    const CaptionMetrics metrics = CurrentCaptionMetrics();
    const TRect caption =
        CaptionRect(tk::BorderStyle::Single, wr.right - wr.left, wr.bottom - wr.top, metrics);
    const CaptionLayout layout =
        LayOutCaption(tk::BorderStyle::Single, tk::biMinimize | tk::biMaximize | tk::biHelp,
                      IsZoomed(window) != FALSE, caption.Width(), caption.Height(), metrics);
    for (const CaptionButton& b : layout.buttons) {
        if (b.glyph == glyph) {
            return {wr.left + caption.Left + b.rect.Left, wr.top + caption.Top + b.rect.Top,
                    wr.left + caption.Left + b.rect.Right, wr.top + caption.Top + b.rect.Bottom};
        }
    }
    ADD_FAILURE() << "no such button drawn";
    return {};
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

LRESULT HitTest(HWND window, POINT p) {
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
}

bool Shows(const RECT& r, const driver::Image& image) {
    return driver::WaitUntil([&] { return driver::Capture(r).pixels == image.pixels; }, 5000);
}

TEST_F(CaptionButtons, FoundWhereDrawnPushedWhilePressedAndActingOnlyWhenReleasedOnThem) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const RECT minimize = DrawnButton(Main(), CaptionGlyph::Minimize);
    const RECT maximize = DrawnButton(Main(), CaptionGlyph::Maximize);
    EXPECT_EQ(HitTest(Main(), Middle(minimize)), HTMINBUTTON);
    EXPECT_EQ(HitTest(Main(), {minimize.left, minimize.bottom - 1}), HTMINBUTTON);
    EXPECT_EQ(HitTest(Main(), Middle(maximize)), HTMAXBUTTON);
    EXPECT_EQ(HitTest(Main(), {maximize.right, Middle(maximize).y}), HTCAPTION);
    const POINT title{minimize.left - 60, Middle(minimize).y};
    EXPECT_EQ(HitTest(Main(), title), HTCAPTION);

    // Pressed: drawn pushed; the pointer leaving it: drawn up again; the
    // button released elsewhere: nothing happens.
    // Wine now and then delivers a press or a move where the pointer was a
    // moment before (and reports nothing more while it rests): each step is
    // given again until the window saw it, as a user presses again or
    // nudges the mouse.
    Sleep(300);
    const driver::Image up = driver::Capture(minimize);
    const auto pushed = [&] { return driver::Capture(minimize).pixels != up.pixels; };
    bool pressed = false;
    for (int attempt = 0; attempt < 3 && !pressed; ++attempt) {
        driver::PressMouse(Middle(minimize));
        pressed = driver::WaitUntil(pushed, 2000);
        if (!pressed) driver::ReleaseMouse(title);
    }
    EXPECT_TRUE(pressed) << "not drawn pushed";
    bool drawnUp = false;
    for (int attempt = 0; attempt < 3 && !drawnUp; ++attempt) {
        driver::MoveMouse({title.x - attempt, title.y});
        drawnUp = driver::WaitUntil([&] { return !pushed(); }, 2000);
    }
    EXPECT_TRUE(drawnUp) << "still drawn pushed with the pointer away";
    driver::ReleaseMouse(title);
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_FALSE(IsIconic(Main()));
    EXPECT_FALSE(IsZoomed(Main()));
    EXPECT_TRUE(Shows(minimize, up));

    // Maximise, then the same button, showing the restore glyph, restores.
    const RECT normal = driver::ScreenRect(Main());
    // A click that Wine delivered where the pointer was a moment before is
    // given again.
    const auto zoomed = [&] { return IsZoomed(Main()) != FALSE; };
    ASSERT_TRUE(driver::ClickUntil(Middle(maximize), zoomed)) << "not maximised";
    const RECT restore = DrawnButton(Main(), CaptionGlyph::Restore);
    EXPECT_EQ(HitTest(Main(), Middle(restore)), HTMAXBUTTON);
    ASSERT_TRUE(driver::ClickUntil(Middle(restore), [&] { return !zoomed(); })) << "not restored";
    const RECT back = driver::ScreenRect(Main());
    EXPECT_EQ(back.left, normal.left);
    EXPECT_EQ(back.top, normal.top);
    EXPECT_EQ(back.right, normal.right);

    // Quit from the maximised window saves where it goes back to.
    ASSERT_TRUE(driver::ClickUntil(Middle(DrawnButton(Main(), CaptionGlyph::Maximize)), zoomed));
    Quit();
    EXPECT_EQ(Saved(L"FormLeft"), Dword(static_cast<DWORD>(normal.left)));
    EXPECT_EQ(Saved(L"FormTop"), Dword(static_cast<DWORD>(normal.top)));
}

// Minimising takes the whole program to the taskbar, from where a second
// start brings it back.
TEST_F(CaptionButtons, MinimiseHidesTheProgramAndASecondStartBringsItBack) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND application = driver::FindTopLevel(Pid(), L"TApplication", false);
    ASSERT_NE(application, nullptr);
    driver::ClickAt(Middle(DrawnButton(Main(), CaptionGlyph::Minimize)));
    ASSERT_TRUE(driver::WaitUntil([&] {
        return IsIconic(application) != FALSE && !IsWindowVisible(Main());
    })) << "not minimised";

    driver::Process second = driver::Process::Launch(driver::ProgramPath(), {}, false);
    ASSERT_TRUE(second.WaitForExit(20000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return !IsIconic(application) && IsWindowVisible(Main()) && !IsIconic(Main()); }));
}

}  // namespace
}  // namespace rytmalo::e2e
