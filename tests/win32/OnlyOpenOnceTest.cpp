// The single-instance guard inside one process: the hook it puts on the
// application window, the show-at-start switch, the end of a second
// instance, and what it gives back when it goes. (Two real processes meet in
// the end-to-end tests.)
#include "ToolkitFixture.h"
#include "components/OnlyOpenOnce.h"

namespace rytmalo {
namespace {

using tk::Application;

// Whether some process holds the shared-memory name.
bool NameHeld(const std::wstring& name) {
    SetLastError(ERROR_SUCCESS);
    HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, name.c_str());
    const bool held = GetLastError() == ERROR_ALREADY_EXISTS;
    if (mapping) CloseHandle(mapping);
    return held;
}

class GuardTest : public tk::testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        procedure_ = GetWindowLongPtrW(App(), GWLP_WNDPROC);
        Application->SetShowMainForm(true);
        ShowWindow(App(), SW_HIDE);
    }
    void TearDown() override {
        if (IsIconic(App())) Application->Restore();
        ShowWindow(App(), SW_HIDE);
        Application->SetShowMainForm(true);
        ToolkitTest::TearDown();
    }

    static HWND App() { return Application->Handle(); }
    // A name of this test alone.
    static std::wstring UniqueName() {
        static int count = 0;
        return L"Rytmalo.Tests.Guard." + std::to_wstring(GetCurrentProcessId()) + L"." +
               std::to_wstring(++count);
    }
    static void Load(TOnlyOpenOnce& guard, const std::wstring& name, bool visible) {
        guard.SetUniqueString(name);
        guard.SetIsAppVisible(visible);
        guard.BeginLoading();
        guard.Loaded();
    }
    // The program is minimised and the guard's message arrives.
    static bool RestoredByMessage(UINT message) {
        Application->Minimize();
        if (!IsIconic(App())) return false;
        PostMessageW(App(), message, 0, 0);
        Application->ProcessMessages();
        return !IsIconic(App());
    }

    LONG_PTR procedure_ = 0;
};

TEST_F(GuardTest, FirstInstanceHoldsTheNameAndHooksTheApplicationWindow) {
    const std::wstring name = UniqueName();
    {
        TOnlyOpenOnce guard(Application);
        Load(guard, name, true);
        EXPECT_TRUE(NameHeld(name));
        EXPECT_NE(GetWindowLongPtrW(App(), GWLP_WNDPROC), procedure_);
        EXPECT_TRUE(Application->ShowMainForm());
        EXPECT_TRUE(IsWindowVisible(App()));
        const UINT message = TOnlyOpenOnce::MessageNumber();
        EXPECT_EQ(message, RegisterWindowMessageW(name.c_str()));
        EXPECT_GE(message, 0xC000u);
        EXPECT_TRUE(RestoredByMessage(message));
        // Every other message still reaches the application window.
        EXPECT_EQ(SendMessageW(App(), WM_GETTEXTLENGTH, 0, 0),
                  static_cast<LRESULT>(Application->Title().size()));
        guard.SetIsAppVisible(false);  // read once, at loading: no effect now
    }
    EXPECT_EQ(GetWindowLongPtrW(App(), GWLP_WNDPROC), procedure_) << "the hook stayed";
    EXPECT_FALSE(NameHeld(name)) << "the name outlived the guard";
}

TEST_F(GuardTest, InvisibleFirstInstanceStartsWithoutWindows) {
    TOnlyOpenOnce guard(Application);
    Load(guard, UniqueName(), false);
    EXPECT_FALSE(Application->ShowMainForm());
    EXPECT_FALSE(IsWindowVisible(App()));
    ShowWindow(App(), SW_SHOWNA);
    EXPECT_TRUE(RestoredByMessage(TOnlyOpenOnce::MessageNumber()))
        << "a second start restores it all the same";
}

TEST_F(GuardTest, SecondInstanceEndsWithExitCodeZeroWithoutHooking) {
    const std::wstring name = UniqueName();
    // The first instance: another program holding the name.
    HANDLE first =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, name.c_str());
    ASSERT_NE(first, nullptr);
    {
        TOnlyOpenOnce guard(Application);
        try {
            Load(guard, name, true);
            ADD_FAILURE() << "the second instance went on";
        } catch (const tk::HaltRequest& halt) {
            EXPECT_EQ(halt.exitCode, 0);
        }
        EXPECT_FALSE(Application->ShowMainForm());
        EXPECT_FALSE(IsWindowVisible(App()));
        EXPECT_EQ(GetWindowLongPtrW(App(), GWLP_WNDPROC), procedure_);
    }
    EXPECT_TRUE(NameHeld(name)) << "the first instance keeps its name";
    CloseHandle(first);
}

TEST_F(GuardTest, EmptyNameTakesTheApplicationsTitle) {
    TOnlyOpenOnce guard(Application);
    Load(guard, L"", true);
    EXPECT_EQ(guard.UniqueString(), Application->Title());
    EXPECT_TRUE(NameHeld(Application->Title()));
}

TEST_F(GuardTest, SecondGuardOfTheProcessLeavesTheFirstAlone) {
    const std::wstring name = UniqueName();
    TOnlyOpenOnce first(Application);
    Load(first, name, true);
    const LONG_PTR hooked = GetWindowLongPtrW(App(), GWLP_WNDPROC);
    const UINT message = TOnlyOpenOnce::MessageNumber();
    {
        TOnlyOpenOnce second(Application);
        Load(second, UniqueName(), true);
        EXPECT_EQ(GetWindowLongPtrW(App(), GWLP_WNDPROC), hooked);
        EXPECT_EQ(TOnlyOpenOnce::MessageNumber(), message);
    }
    EXPECT_TRUE(NameHeld(name));
    EXPECT_TRUE(RestoredByMessage(message));
}

TEST_F(GuardTest, UnregisteredNameNeverTakesAnotherMessageForItsOwn) {
    // The title is empty too: no name to register, message number 0.
    const std::wstring title = Application->Title();
    Application->SetTitle(L"");
    TOnlyOpenOnce guard(Application);
    Load(guard, L"", true);
    Application->SetTitle(title);
    EXPECT_EQ(TOnlyOpenOnce::MessageNumber(), 0u);
    EXPECT_FALSE(RestoredByMessage(WM_NULL)) << "WM_NULL was taken for the guard's message";
}

}  // namespace
}  // namespace rytmalo
