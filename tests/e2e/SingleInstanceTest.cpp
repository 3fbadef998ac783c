// One instance at a time: a second start brings the running program forward
// and ends with exit code 0 without a window; the name "Kestro" belongs to
// whichever process, of any program, claims it first.
#include "ProgramFixture.h"

namespace rytmalo::e2e {
namespace {

constexpr wchar_t kName[] = L"Kestro";

// Whether some process holds the shared-memory name (asking creates it for
// a moment when nobody does).
bool NameHeld() {
    SetLastError(ERROR_SUCCESS);
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, kName);
    const bool held = GetLastError() == ERROR_ALREADY_EXISTS;
    if (mapping) CloseHandle(mapping);
    return held;
}

bool HasVisibleWindow(DWORD pid) {
    for (HWND w : driver::TopLevelWindows(pid)) {
        if (IsWindowVisible(w)) return true;
    }
    return false;
}

// A start that is to end by itself: it does, with exit code 0, never having
// shown a window.
void ExpectStartEndsQuietly() {
    driver::Process p = driver::Process::Launch(driver::ProgramPath(), {}, false);
    bool showedWindow = false;
    EXPECT_TRUE(driver::WaitUntil(
        [&] {
            showedWindow = showedWindow || HasVisibleWindow(p.Id());
            return !p.Running();
        },
        20000));
    EXPECT_EQ(p.ExitCode(), 0u);
    EXPECT_FALSE(showedWindow);
}

using SingleInstance = ProgramTest;

// Starts nothing by itself.
class Starts : public ProgramTest {
protected:
    void SetUp() override {}
};

TEST_F(SingleInstance, SecondStartRestoresTheMinimisedFirstAndEndsWithoutAWindow) {
    EXPECT_TRUE(NameHeld());
    HWND application = driver::FindTopLevel(Pid(), L"TApplication", false);
    PostMessageW(Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return IsIconic(application) != FALSE; }));

    ExpectStartEndsQuietly();

    EXPECT_TRUE(driver::WaitUntil([&] {
        return !IsIconic(application) && IsWindowVisible(Main()) && GetForegroundWindow() == Main();
    })) << "the first instance did not come back";
    Quit();
    EXPECT_FALSE(NameHeld()) << "the name outlived the program";
    // A new start is first again.
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(NameHeld());
}

TEST_F(SingleInstance, SecondStartBringsTheFirstFromBehindAnotherProgram) {
    OtherProgramWindow other({0, 0, 1024, 768});
    ASSERT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == other.Handle(); }));

    ExpectStartEndsQuietly();
    EXPECT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == Main(); }));
}

TEST_F(Starts, TenStartsAtOnceLeaveExactlyOneRunning) {
    std::vector<driver::Process> starts;
    for (int i = 0; i < 10; ++i) {
        starts.push_back(driver::Process::Launch(driver::ProgramPath(), {}, false));
    }
    const auto running = [&] {
        int n = 0;
        for (const driver::Process& p : starts) n += p.Running() ? 1 : 0;
        return n;
    };
    ASSERT_TRUE(driver::WaitUntil([&] { return running() <= 1; }, 60000));
    ASSERT_EQ(running(), 1);
    for (driver::Process& p : starts) {
        if (p.Running()) {
            program_ = std::move(p);
        } else {
            EXPECT_EQ(p.ExitCode(), 0u);
        }
    }
    ASSERT_NO_FATAL_FAILURE(FindMain()) << "the one left";
    Quit();
}

TEST_F(Starts, ProgramEndsAtOnceWhenAnotherProgramHoldsTheName) {
    // Another program's object of that name, whatever its size and access.
    HANDLE foreign =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, kName);
    ASSERT_NE(foreign, nullptr);
    ExpectStartEndsQuietly();
    CloseHandle(foreign);

    Start();
    Quit();
}

}  // namespace
}  // namespace rytmalo::e2e
