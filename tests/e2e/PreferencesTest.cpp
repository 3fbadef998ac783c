// The preferences dialog: what it shows, what OK, Annuler and the close box
// write, and what the main window does after each.
#include "SettingsFixture.h"
#include "driver/WinHelpSpy.h"

namespace rytmalo::e2e {
namespace {

using Preferences = SettingsTest;

TEST_F(Preferences, ATopmostDialogCentredAtFirstShowingThenWhereItWasLeft) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(driver::TextOf(dialog), L"Préferences");
    EXPECT_TRUE(driver::IsTopMost(dialog));
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 308);
    EXPECT_EQ(client.bottom, 309);
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0) << "a close box";
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    RECT r = driver::ScreenRect(dialog);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);

    EXPECT_EQ(driver::TextOf(PreferencesControl(dialog, "chkFenetrePersistente")),
              L"Fenêtre persistente");
    EXPECT_EQ(driver::TextOf(PreferencesControl(dialog, "cmdOK")), L"OK");
    EXPECT_EQ(driver::TextOf(PreferencesControl(dialog, "cmdAnnuler")), L"Annuler");
    HWND tabs = PreferencesControl(dialog, "PageControl1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(Focused(), PreferencesControl(dialog, "chkFenetrePersistente"));
    Sleep(300);
    driver::SaveBmp(driver::Capture(r), driver::OwnDirectory() + L"preferences.bmp");

    SetWindowPos(dialog, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    ASSERT_EQ(OpenPreferences(), dialog);
    r = driver::ScreenRect(dialog);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitClosed(dialog));
}

TEST_F(Preferences, EnterPressesOkOnlyWhenItHasTheFocus) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    driver::PressKey(VK_RETURN);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "OK is not the default button";
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);

    driver::PressKey(VK_TAB);
    ASSERT_TRUE(
        driver::WaitUntil([&] { return Focused() == PreferencesControl(dialog, "cmdOK"); }));
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitClosed(dialog));
    EXPECT_EQ(Saved(L"TopMost"), Dword(0));
}

TEST_F(Preferences, FirstRunOkWritesOffAndKeepsTheWindowOffTheTop) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(BoxChecked(dialog));
    Press(dialog, "cmdOK");
    EXPECT_EQ(Saved(L"TopMost"), Dword(0));
    Sleep(300);
    EXPECT_FALSE(MainOnTop());
    EXPECT_TRUE(NoReport());
}

TEST_F(Preferences, CheckAndOkPutsTheWindowOnTopAtOnceAndTheNextStartToo) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    EXPECT_FALSE(MainOnTop()) << "nothing happens before OK";
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);
    Press(dialog, "cmdOK");
    EXPECT_TRUE(WaitMainOnTop(true));
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));

    Quit();
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(WaitMainOnTop(true));
    dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BoxChecked(dialog));
}

// A saved 2 counts as checked; a write would turn it into 1.
TEST_F(Preferences, SavedOnUncheckedThenAnnulerShowsItCheckedAgainAndWritesNothing) {
    Save(L"TopMost", Dword(2));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(WaitMainOnTop(true));
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BoxChecked(dialog));
    ToggleBox(dialog);
    Press(dialog, "cmdAnnuler");
    EXPECT_TRUE(BoxChecked(dialog));
    EXPECT_TRUE(WaitMainOnTop(true));
    EXPECT_EQ(Saved(L"TopMost"), Dword(2));

    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_TRUE(BoxChecked(dialog));
}

TEST_F(Preferences, NothingSavedCheckedThenAnnulerStaysCheckedAndWritesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    Press(dialog, "cmdAnnuler");
    EXPECT_TRUE(BoxChecked(dialog)) << "there is no saved choice to show";
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);
    Sleep(300);
    EXPECT_FALSE(MainOnTop());

    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_TRUE(BoxChecked(dialog));
}

TEST_F(Preferences, TheCloseBoxWritesNothingAndTheNextShowingShowsTheChangeOkThenSavesIt) {
    Save(L"TopMost", Dword(0));
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    ClickCloseBox(dialog);
    EXPECT_EQ(Saved(L"TopMost"), Dword(0));
    Sleep(300);
    EXPECT_FALSE(MainOnTop());

    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_TRUE(BoxChecked(dialog));
    Press(dialog, "cmdOK");
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    EXPECT_TRUE(WaitMainOnTop(true));
}

TEST_F(Preferences, TheCloseBoxWritesNothingAnnulerThenShowsTheSavedChoice) {
    Save(L"TopMost", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    // Alt+F4 is the close box from the keyboard.
    driver::PressChord({VK_MENU, VK_F4});
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    EXPECT_TRUE(WaitMainOnTop(true));

    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_FALSE(BoxChecked(dialog));
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_TRUE(BoxChecked(dialog));
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
}

TEST_F(Preferences, F1ShowsTheTopicOfTheFocusedControlInTheHelpWindow) {
    driver::WinHelpSpy spy;
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    driver::PressKey(VK_F1);
    ASSERT_TRUE(spy.WaitForRequests(1));
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(
        driver::WaitUntil([&] { return Focused() == PreferencesControl(dialog, "cmdOK"); }));
    driver::PressKey(VK_F1);
    ASSERT_TRUE(spy.WaitForRequests(2));
    const auto requests = spy.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].command, static_cast<unsigned>(HELP_CONTEXT));
    EXPECT_EQ(requests[0].data, 14);
    EXPECT_EQ(requests[1].command, static_cast<unsigned>(HELP_CONTEXT));
    EXPECT_EQ(requests[1].data, 13);
}

}  // namespace
}  // namespace rytmalo::e2e
