// The main window opens where it was quit, applies the saved stay-on-top
// choice when the program's own dialogs give it back (not when the user
// comes back from another program), and goes on when the saved values are
// unreadable.
#include "SettingsFixture.h"

namespace rytmalo::e2e {
namespace {

using WindowSettings = SettingsTest;

DWORD Signed(int value) { return static_cast<DWORD>(value); }

TEST_F(WindowSettings, FirstStartOpensAtTheDefaultPlaceNotOnTopAndQuitSavesThePlace) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(MainPlace().x, 222);
    EXPECT_EQ(MainPlace().y, 128);
    EXPECT_TRUE(MainStaysOnTop(false));
    EXPECT_TRUE(rytmalo::testing::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_EQ(rytmalo::testing::ValueCount(HKEY_CURRENT_USER, kSettingsKey), 0u);
    // The dialogs' windows are made when they are first shown.
    for (const wchar_t* dialog : {L"TfrmAProposDe", L"TfrmPreferences"})
        EXPECT_EQ(driver::FindTopLevel(Pid(), dialog, false), nullptr) << dialog;
    Quit();
    EXPECT_EQ(Saved(L"FormTop"), Dword(128));
    EXPECT_EQ(Saved(L"FormLeft"), Dword(222));
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);
}

// A saved place is where the window opens, and Quit saves where it stands.
TEST_F(WindowSettings, APlacePartlyOnScreenIsKeptOneNoScreenShowsComesOntoTheNearestEdge) {
    Save(L"FormLeft", Dword(Signed(-100)));
    Save(L"FormTop", Dword(600));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(MainPlace().x, -100);
    EXPECT_EQ(MainPlace().y, 600);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // Beyond the top right corner: into that corner; Quit saves it there.
    Save(L"FormLeft", Dword(3000));
    Save(L"FormTop", Dword(Signed(-2000)));
    ASSERT_NO_FATAL_FAILURE(Start());
    RECT r = driver::ScreenRect(Main());
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, work.top);
    Quit();
    EXPECT_EQ(Saved(L"FormLeft"), Dword(Signed(r.left)));
    EXPECT_EQ(Saved(L"FormTop"), Dword(Signed(r.top)));

    // Below the screen, left of it: into the bottom left corner.
    Save(L"FormLeft", Dword(Signed(-5000)));
    Save(L"FormTop", Dword(5000));
    ASSERT_NO_FATAL_FAILURE(Start());
    r = driver::ScreenRect(Main());
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.bottom, work.bottom);
}

TEST_F(WindowSettings, ComingBackFromAnotherProgramIsNoActivationADialogClosingIs) {
    Save(L"TopMost", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(MainStaysOnTop(true));
    Save(L"TopMost", Dword(0));  // behind the program's back
    OtherProgramWindow other;
    ASSERT_TRUE(driver::Activate(other.Handle()));
    ASSERT_TRUE(driver::Activate(Main()));
    EXPECT_TRUE(MainStaysOnTop(true));

    // The box shows what the dialog read when it was made; Annuler after
    // that change reads the saved value back, and the window applies it.
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BoxChecked(dialog));
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_FALSE(BoxChecked(dialog));
    EXPECT_TRUE(MainStaysOnTop(false));
}

TEST_F(WindowSettings, AnUnreadablePlaceIsReportedAndTheRestOfTheCreationSkipped) {
    Save(L"FormTop", TextValue(L"cent"));
    Save(L"FormLeft", Dword(50));
    ASSERT_NO_FATAL_FAILURE(StartThroughReports(L"FormTop", 1));
    EXPECT_EQ(MainPlace().x, 323) << "as designed: FormLeft was not read";
    EXPECT_EQ(MainPlace().y, 141);
    EXPECT_EQ(driver::TextOf(Main()), L"Rytmalo 95");
    EXPECT_TRUE(NoReport());
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(k120Quarter)) << "the quarter note is the beat";
    Quit();
    EXPECT_EQ(Saved(L"FormTop"), Dword(141));
    EXPECT_EQ(Saved(L"FormLeft"), Dword(323));

    // A place read before the failing step still comes onto the screen.
    Save(L"FormTop", Dword(5000));
    Save(L"FormLeft", TextValue(L"gauche"));
    ASSERT_NO_FATAL_FAILURE(StartThroughReports(L"FormLeft", 1));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(MainPlace().x, 323);
    EXPECT_EQ(driver::ScreenRect(Main()).bottom, work.bottom);
}

TEST_F(WindowSettings, AnUnreadableStayOnTopChoiceIsReportedAtEveryActivationUntilOkReplacesIt) {
    Save(L"TopMost", TextValue(L"oui"));
    // Once when the preferences dialog is made, once at the first activation.
    ASSERT_NO_FATAL_FAILURE(StartThroughReports(L"TopMost", 2));
    EXPECT_TRUE(MainStaysOnTop(false));
    EXPECT_TRUE(NoReport()) << "the report's own closing is no activation";
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(k120Quarter));

    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    driver::PressKey(VK_RETURN);
    ASSERT_NO_FATAL_FAILURE(ExpectReadReport(L"TopMost"));
    EXPECT_TRUE(WaitClosed(about));

    // Annuler after a change reads the choice again: the dialog stays open.
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    ToggleBox(dialog);
    driver::PressKey(VK_ESCAPE);
    ASSERT_NO_FATAL_FAILURE(ExpectReadReport(L"TopMost"));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(BoxChecked(dialog));
    Press(dialog, "cmdOK");
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    EXPECT_TRUE(MainStaysOnTop(true));
    EXPECT_TRUE(NoReport());
}

// The settings key cannot be made: its parent was created volatile, and a
// volatile key takes no lasting key below it. Each step that needs the key
// reports it, and Quit still ends the program; only the place is lost.
TEST_F(WindowSettings, QuitEndsTheProgramWhenThePlaceCannotBeSaved) {
    const std::wstring parent = L"SOFTWARE\\Vortan Music\\Rytmalo95";
    rytmalo::testing::DeleteTree(HKEY_CURRENT_USER, parent);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, parent.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    struct RemoveAtEnd {
        std::wstring path;
        ~RemoveAtEnd() { rytmalo::testing::DeleteTree(HKEY_CURRENT_USER, path); }
    } removeAtEnd{parent};
    const std::wstring report = L"Erreur de création de la clé " + kSettingsKey;

    // The main window's creation, the preferences dialog's, the first
    // activation.
    program_ = driver::Process::Launch(driver::ProgramPath());
    for (int i = 0; i < 3; ++i) ASSERT_NO_FATAL_FAILURE(ExpectReport(report));
    ASSERT_NO_FATAL_FAILURE(FindMain());
    EXPECT_TRUE(NoReport());

    ASSERT_TRUE(driver::ClickUntil(Control("cmdQuitter"), [&] {
        return !NoReport() || !program_.Running();
    })) << "Quit did nothing";
    ASSERT_NO_FATAL_FAILURE(ExpectReport(report));
    ASSERT_TRUE(program_.WaitForExit(10000)) << "the program goes on after the report";
    EXPECT_EQ(program_.ExitCode(), 0u);
}

}  // namespace
}  // namespace rytmalo::e2e
