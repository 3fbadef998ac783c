// The preferences dialog: what OK, Annuler and the close box write, and
// where the main window then stands.
#include "SettingsFixture.h"

namespace rytmalo::e2e {
namespace {

using Preferences = SettingsTest;

TEST_F(Preferences, ATopmostDialogCentredAtFirstShowingThenWhereItWasLeft) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ExpectFirstShowing(dialog, L"Préferences", 308, 309);
    EXPECT_EQ(driver::TextOf(PreferencesControl(dialog, "chkFenetrePersistente")),
              L"Fenêtre persistente");
    EXPECT_EQ(SendMessageW(PreferencesControl(dialog, "PageControl1"), TCM_GETITEMCOUNT, 0, 0), 1);

    SetWindowPos(dialog, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    ASSERT_EQ(OpenPreferences(), dialog);
    const RECT r = driver::ScreenRect(dialog);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
}

TEST_F(Preferences, FirstRunEnterPressesOkOnlyWithTheFocusOkWritesOff) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(BoxChecked(dialog));
    driver::PressKey(VK_RETURN);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "OK is not the default button";
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(
        driver::WaitUntil([&] { return Focused() == PreferencesControl(dialog, "cmdOK"); }));
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitClosed(dialog));
    EXPECT_EQ(Saved(L"TopMost"), Dword(0));
    EXPECT_TRUE(MainStaysOnTop(false));
}

TEST_F(Preferences, CheckAndOkPutsTheWindowOnTopAtOnceAndTheNextStartToo) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);
    Press(dialog, "cmdOK");
    EXPECT_TRUE(MainStaysOnTop(true));
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    Quit();
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(MainStaysOnTop(true));
    dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BoxChecked(dialog)) << "the saved choice was read when the dialog was made";
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitClosed(dialog));
}

// A saved 2 counts as checked; a write would make it 1.
TEST_F(Preferences, SavedOnUncheckedThenAnnulerShowsItCheckedAgainAndWritesNothing) {
    Save(L"TopMost", Dword(2));
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BoxChecked(dialog));
    ToggleBox(dialog);
    Press(dialog, "cmdAnnuler");
    EXPECT_TRUE(BoxChecked(dialog));
    EXPECT_TRUE(MainStaysOnTop(true));
    EXPECT_EQ(Saved(L"TopMost"), Dword(2));
}

TEST_F(Preferences, NothingSavedCheckedThenAnnulerStaysCheckedAndWritesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    Press(dialog, "cmdAnnuler");
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);
    EXPECT_TRUE(MainStaysOnTop(false));
    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_TRUE(BoxChecked(dialog)) << "there was no saved choice to show";
}

TEST_F(Preferences, TheCloseBoxWritesNothingTheNextShowingShowsTheChangeAndOkSavesIt) {
    Save(L"TopMost", Dword(0));
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    ClickCloseBox(dialog);
    EXPECT_EQ(Saved(L"TopMost"), Dword(0));
    EXPECT_TRUE(MainStaysOnTop(false));
    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_TRUE(BoxChecked(dialog));
    Press(dialog, "cmdOK");
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    EXPECT_TRUE(MainStaysOnTop(true));
}

TEST_F(Preferences, TheCloseBoxWritesNothingAndAnnulerThenShowsTheSavedChoice) {
    Save(L"TopMost", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(MainStaysOnTop(true)) << "at the first activation";
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(MainOnTop()) << "off the top while the dialog is open";
    ToggleBox(dialog);
    driver::PressChord({VK_MENU, VK_F4});  // the close box from the keyboard
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    EXPECT_TRUE(MainStaysOnTop(true));
    ASSERT_EQ(OpenPreferences(), dialog);
    EXPECT_FALSE(BoxChecked(dialog));
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_TRUE(BoxChecked(dialog));
    EXPECT_TRUE(MainStaysOnTop(true)) << "back on top after Annuler";
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
}

}  // namespace
}  // namespace rytmalo::e2e
