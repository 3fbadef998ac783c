// The about box: how it looks, where it opens, and the main window's place
// in the top band while it is open.
#include "SettingsFixture.h"

namespace rytmalo::e2e {
namespace {

using About = SettingsTest;

HWND AboutControl(HWND about, std::string_view name) {
    return driver::FindDescendant(about, AboutLayout().ControlId(name));
}

// Whether a comes before b in the desktop's z-order.
bool Above(HWND a, HWND b) {
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == b) return true;
    }
    return false;
}

// F1 on its OK button: OwnHelp.F1InTheDialogsOpensTheHelpWindowAboveThem.
TEST_F(About, ATopmostBoxCentredAtFirstShowingWithTheNameInRed) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    ExpectFirstShowing(about, L"A propos de ...", 339, 259);
    EXPECT_TRUE(Above(about, Main()));
    EXPECT_EQ(driver::TextOf(AboutControl(about, "Label1")), L"RYTMALO 95");
    EXPECT_EQ(driver::TextOf(AboutControl(about, "Label2")),
              L"Calculatrice de conversion Tempo/Délai");
    EXPECT_EQ(Focused(), AboutControl(about, "cmdOK"));

    const driver::Image name = driver::Capture(driver::ScreenRect(AboutControl(about, "Label1")));
    int red = 0;
    for (int y = 0; y < name.height; ++y) {
        for (int x = 0; x < name.width; ++x) red += name.ColorAt(x, y) == RGB(255, 0, 0);
    }
    EXPECT_GT(red, 100);
}

TEST_F(About, OkAndTheCloseBoxEndItItReopensWhereLeftAndAWindowOffTheTopStaysOff) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(
        driver::ClickUntil(AboutControl(about, "cmdOK"), [&] { return !IsWindowVisible(about); }));
    ASSERT_EQ(OpenAbout(), about);
    SetWindowPos(about, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClickCloseBox(about);
    ASSERT_EQ(OpenAbout(), about);
    const RECT r = driver::ScreenRect(about);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitClosed(about));
    EXPECT_TRUE(MainStaysOnTop(false));
    EXPECT_TRUE(NoReport());
}

TEST_F(About, AWindowOnTopLeavesTheTopBandWhileItIsOpenAndComesBack) {
    Save(L"TopMost", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(MainStaysOnTop(true));
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(MainOnTop());
    EXPECT_TRUE(Above(about, Main()));
    driver::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitClosed(about));
    EXPECT_TRUE(MainStaysOnTop(true));
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
}

}  // namespace
}  // namespace rytmalo::e2e
