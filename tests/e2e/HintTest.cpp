// Hints as a user meets them: resting the mouse on the tempo box brings a
// pale yellow elliptic bubble below it, which goes when the mouse leaves or
// a key is pressed.
#include "ProgramFixture.h"

namespace rytmalo::e2e {
namespace {

constexpr COLORREF kPaleYellow = RGB(255, 255, 128);

class Hints : public ProgramTest {
protected:
    HWND Bubble(bool visibleOnly = true) const {
        return driver::FindTopLevel(Pid(), L"TEllipticHintWindow", visibleOnly);
    }
    HWND WaitForBubble() const {
        HWND bubble = nullptr;
        driver::WaitUntil([&] { return (bubble = Bubble()) != nullptr; }, 5000);
        return bubble;
    }
};

TEST_F(Hints, RestingOnTheTempoBoxShowsAnEllipseBelowIt) {
    HWND tempo = Control("txtTempo");
    const RECT expected = ExpectedHintBubble(tempo, kTempoHint);
    Sleep(300);  // the window has painted
    const driver::Image before = driver::Capture(expected);

    driver::MoveMouse(driver::Center(tempo));
    HWND bubble = WaitForBubble();
    ASSERT_NE(bubble, nullptr) << "no hint after resting on the tempo box";
    const RECT r = driver::ScreenRect(bubble);
    EXPECT_EQ(r.left, expected.left);
    EXPECT_EQ(r.top, expected.top);
    EXPECT_EQ(r.right, expected.right);
    EXPECT_EQ(r.bottom, expected.bottom);
    EXPECT_EQ(driver::TextOf(bubble), kTempoHint);
    // Its window styles are the component's (EllipticHintTest.ComponentInstalls...).
    EXPECT_TRUE(driver::IsTopMost(bubble));
    EXPECT_EQ(GetForegroundWindow(), Main()) << "a hint never takes the focus";

    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    driver::Image image;
    ASSERT_TRUE(driver::WaitUntil([&] {
        image = driver::Capture(r);
        return image.ColorAt(width / 2, 1) == kPaleYellow;
    })) << "the ellipse was not painted";
    driver::SaveBmp(image, driver::OwnDirectory() + L"hint-bubble.bmp");
    RECT around = driver::ScreenRect(Main());
    UnionRect(&around, &around, &r);
    driver::SaveBmp(driver::Capture(around), driver::OwnDirectory() + L"hint-window.bmp");

    // Outside the ellipse the snapshot of what lay there.
    EXPECT_EQ(image.At(0, 0), before.At(0, 0));
    EXPECT_EQ(image.At(width - 1, 0), before.At(width - 1, 0));
    EXPECT_EQ(image.At(0, height - 1), before.At(0, height - 1));
    EXPECT_EQ(image.At(width - 1, height - 1), before.At(width - 1, height - 1));
    // A black outline at the ends, black text on yellow in the middle.
    EXPECT_EQ(image.ColorAt(0, height / 2), RGB(0, 0, 0));
    EXPECT_EQ(image.ColorAt(width - 1, height / 2), RGB(0, 0, 0));
    int black = 0;
    int yellow = 0;
    for (int x = width / 4; x < 3 * width / 4; ++x) {
        for (int y = 2; y < height - 2; ++y) {
            black += image.ColorAt(x, y) == RGB(0, 0, 0) ? 1 : 0;
            yellow += image.ColorAt(x, y) == kPaleYellow ? 1 : 0;
        }
    }
    EXPECT_GT(black, 20) << "no text";
    EXPECT_GT(yellow, black) << "no fill";

    driver::PressKey(VK_SHIFT);
    EXPECT_TRUE(driver::WaitUntil([&] { return Bubble() == nullptr; }))
        << "a key did not hide the hint";
}

TEST_F(Hints, LeavingTheTempoBoxHidesTheBubble) {
    driver::MoveMouse(driver::Center(Control("txtTempo")));
    ASSERT_NE(WaitForBubble(), nullptr);
    driver::MoveMouse(driver::Center(Control("Panel1")));
    EXPECT_TRUE(driver::WaitUntil([&] { return Bubble() == nullptr; }, 5000));
}

TEST_F(Hints, ControlsWithoutAHintShowNone) {
    // From a bubble that shows straight onto a control without a hint.
    driver::MoveMouse(driver::Center(Control("txtTempo")));
    ASSERT_NE(WaitForBubble(), nullptr);
    driver::MoveMouse(driver::Center(Control("cmdQuitter")));
    Sleep(1500);
    EXPECT_EQ(Bubble(), nullptr);
}

}  // namespace
}  // namespace rytmalo::e2e
