// The main window opens where it was quit, applies the saved stay-on-top
// choice when the program's own dialogs give it back, and goes on running
// when the saved values are unreadable.
#include "SettingsFixture.h"

namespace rytmalo::e2e {
namespace {

using WindowSettings = SettingsTest;

constexpr wchar_t kReadError[] = L"Erreur à l'obtention des données pour '";

std::wstring ReadError(const std::wstring& name) {
    return kReadError + name + L"'";
}

DWORD Signed(int value) {
    return static_cast<DWORD>(value);
}

RECT WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

// A window of another program, for the main window to lose the activation to.
class OtherProgramWindow {
public:
    OtherProgramWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"RytmaloTestOtherProgram";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"Autre programme",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 500, 240, 120, nullptr,
                                nullptr, wc.hInstance, nullptr);
    }
    ~OtherProgramWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST_F(WindowSettings, FirstStartOpensAtItsDefaultPlaceNotOnTopAndQuitSavesThePlace) {
    ASSERT_FALSE(KeyExists());
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(MainPlace().x, 222);
    EXPECT_EQ(MainPlace().y, 128);
    EXPECT_FALSE(MainOnTop());
    EXPECT_TRUE(KeyExists()) << "opening the settings makes their key";
    EXPECT_EQ(SavedCount(), 0u) << "nothing is written before Quit";

    Quit();
    EXPECT_EQ(Saved(L"FormTop"), Dword(128));
    EXPECT_EQ(Saved(L"FormLeft"), Dword(222));
    EXPECT_EQ(Saved(L"TopMost"), std::nullopt);
}

TEST_F(WindowSettings, AMovedWindowReopensWhereItWasQuit) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SetWindowPos(Main(), nullptr, 300, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(driver::WaitUntil([&] { return MainPlace().x == 300 && MainPlace().y == 210; }));
    Quit();
    EXPECT_EQ(Saved(L"FormTop"), Dword(210));
    EXPECT_EQ(Saved(L"FormLeft"), Dword(300));

    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(MainPlace().x, 300);
    EXPECT_EQ(MainPlace().y, 210);
}

TEST_F(WindowSettings, APlacePartlyOnTheScreenIsKeptExactly) {
    Save(L"FormLeft", Dword(Signed(-100)));
    Save(L"FormTop", Dword(600));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(MainPlace().x, -100);
    EXPECT_EQ(MainPlace().y, 600);
}

TEST_F(WindowSettings, APlaceNoScreenShowsOpensWhollyOnTheScreenNearestIt) {
    const RECT work = WorkArea();
    // Beyond the top right corner: it comes into that corner.
    Save(L"FormLeft", Dword(3000));
    Save(L"FormTop", Dword(Signed(-2000)));
    ASSERT_NO_FATAL_FAILURE(Start());
    RECT r = driver::ScreenRect(Main());
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, work.top);
    const POINT shown = MainPlace();
    // What is saved at Quit is where it is now.
    Quit();
    EXPECT_EQ(Saved(L"FormLeft"), Dword(Signed(shown.x)));
    EXPECT_EQ(Saved(L"FormTop"), Dword(Signed(shown.y)));

    // Below the screen, left of it: into the bottom left corner.
    Save(L"FormLeft", Dword(Signed(-5000)));
    Save(L"FormTop", Dword(5000));
    ASSERT_NO_FATAL_FAILURE(Start());
    r = driver::ScreenRect(Main());
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.bottom, work.bottom);
}

TEST_F(WindowSettings, SavedStayOnTopAppliesAtFirstActivationAndAgainAfterCancelledPreferences) {
    Save(L"TopMost", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(WaitMainOnTop(true));

    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(MainOnTop()) << "off the top while the dialog is open";
    EXPECT_TRUE(driver::IsTopMost(dialog));
    EXPECT_TRUE(BoxChecked(dialog));
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_TRUE(WaitMainOnTop(true)) << "the saved choice is back";
    EXPECT_EQ(Saved(L"TopMost"), Dword(1));
    EXPECT_TRUE(NoReport());
}

TEST_F(WindowSettings, ComingBackFromAnotherProgramIsNoActivationButADialogClosingIs) {
    Save(L"TopMost", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(WaitMainOnTop(true));
    // Changed behind the program's back: read at the next activation only.
    Save(L"TopMost", Dword(0));

    OtherProgramWindow other;
    ASSERT_TRUE(driver::Activate(other.Handle()));
    ASSERT_TRUE(driver::Activate(Main()));
    Sleep(300);
    EXPECT_TRUE(MainOnTop());

    // The dialog shows what it read when it was made; Annuler after that
    // change reads the saved value back, and the main window applies it.
    HWND dialog = OpenPreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BoxChecked(dialog));
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(dialog));
    EXPECT_TRUE(WaitMainOnTop(false));
    EXPECT_FALSE(BoxChecked(dialog));
    EXPECT_EQ(Saved(L"TopMost"), Dword(0));
}

TEST_F(WindowSettings, ATextPlaceIsReportedAndTheWindowOpensAtItsDesignedPlace) {
    Save(L"FormTop", TextValue(L"cent"));
    Save(L"FormLeft", Dword(50));
    program_ = driver::Process::Launch(driver::ProgramPath());
    ASSERT_NO_FATAL_FAILURE(ExpectReport(ReadError(L"FormTop")));
    main_ = driver::WaitForTopLevel(Pid(), L"TMainForm", 20000);
    ASSERT_NE(main_, nullptr);
    // The rest of the creation was skipped: "FormLeft" was not applied.
    EXPECT_EQ(MainPlace().x, 323);
    EXPECT_EQ(MainPlace().y, 141);
    EXPECT_EQ(driver::TextOf(Main()), L"Rytmalo 95");
    EXPECT_TRUE(NoReport());

    // The calculator works, with the quarter note as the beat.
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(
        {L"2000", L"1000", L"500", L"333", L"250", L"166", L"125", L"83", L"62", L"31"}));
    Quit();
    EXPECT_EQ(Saved(L"FormTop"), Dword(141));
    EXPECT_EQ(Saved(L"FormLeft"), Dword(323));
}

TEST_F(WindowSettings, ATextStayOnTopChoiceIsReportedAtEveryActivationAndTheProgramGoesOn) {
    Save(L"TopMost", TextValue(L"oui"));
    Save(L"FormLeft", Dword(100));
    Save(L"FormTop", Dword(90));
    program_ = driver::Process::Launch(driver::ProgramPath());
    // Once when the preferences dialog is made, once at the first activation.
    ASSERT_NO_FATAL_FAILURE(ExpectReport(ReadError(L"TopMost")));
    ASSERT_NO_FATAL_FAILURE(ExpectReport(ReadError(L"TopMost")));
    main_ = driver::WaitForTopLevel(Pid(), L"TMainForm", 20000);
    ASSERT_NE(main_, nullptr);
    EXPECT_EQ(MainPlace().x, 100);
    EXPECT_EQ(MainPlace().y, 90);
    EXPECT_FALSE(MainOnTop());
    Sleep(300);
    EXPECT_TRUE(NoReport()) << "the report's own closing is no activation";

    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(
        {L"2000", L"1000", L"500", L"333", L"250", L"166", L"125", L"83", L"62", L"31"}));

    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    driver::PressKey(VK_RETURN);
    ASSERT_NO_FATAL_FAILURE(ExpectReport(ReadError(L"TopMost")));
    EXPECT_TRUE(WaitClosed(about));
    EXPECT_EQ(Saved(L"TopMost"), TextValue(L"oui"));
    Quit();
    EXPECT_EQ(Saved(L"FormLeft"), Dword(100));
}

}  // namespace
}  // namespace rytmalo::e2e
