// The application's hints against real windows: the mouse resting on a
// control with a hint shows it below the control after the hint delay; it
// goes after the hide pause, when the mouse leaves, on a key or a button
// (not to come back before the mouse leaves the control), or when a dialog or
// message box comes up.
#include <atomic>
#include <thread>

#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "toolkit/HintWindow.h"
#include "toolkit/MessageDlg.h"

namespace tk::testing {
namespace {

constexpr wchar_t kNameHint[] = L"Votre nom, tel qu'il s'écrit";
constexpr wchar_t kCheckHint[] = L"Cochez pour garder";

const FormLayout& HintLayout() {
    static const FormLayout layout = [] {
        FormLayout f =
            FormAt("TTestHints", L"Bulles", Bounds(200, 150, 320, 200), BorderStyle::Dialog);
        f.controls = {
            Control(ControlKind::GroupBox, "Box", Bounds(8, 8, 200, 100), L"Boîte"),
            Control(ControlKind::Edit, "Name", Bounds(10, 20, 100, 21)).In("Box").Hint(kNameHint),
            Control(ControlKind::CheckBox, "Check", Bounds(10, 50, 120, 17), L"Garder")
                .In("Box")
                .Hint(kCheckHint),
            Control(ControlKind::Button, "Plain", Bounds(220, 10, 90, 25), L"Rien"),
            Control(ControlKind::Button, "Silent", Bounds(220, 40, 90, 25), L"Muet")
                .Hint(L"jamais montré", false),
        };
        return f;
    }();
    return layout;
}

// Where a hint's top-left corner goes: the control's client origin, 6 pixels
// below the control. (Its size, the measured text, its staying on top
// without the focus are checked end to end on the real bubble.)
POINT Below(HWND control) {
    RECT outer;
    GetWindowRect(control, &outer);
    POINT at{0, outer.bottom - outer.top + 6};
    ClientToScreen(control, &at);
    return at;
}

class HintsTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        Application->Hints().SetHintWindowClass([] { return std::make_unique<THintWindow>(); });
        Application->Hints().SetShowHint(false);
        Application->Hints().SetShowHint(true);
        Application->Hints().SetHintPause(50);
        Application->Hints().SetHintShortPause(50);
        Application->Hints().SetHintHidePause(60000);
        MovePointer({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
        form_ = &MakeForm(HintLayout());
        form_->Show();
        Application->ProcessMessages();
    }
    void TearDown() override {
        Application->Hints().CancelHint();
        Application->Hints().SetHintPause(500);
        Application->Hints().SetHintShortPause(50);
        Application->Hints().SetHintHidePause(2500);
        ToolkitTest::TearDown();
    }

    HWND Handle(std::string_view name) const { return form_->Find<TControl>(name).Handle(); }
    THintWindow& Hint() const { return *Application->Hints().HintWindow(); }
    bool Showing() const { return Application->Hints().HintWindow() && Hint().Visible(); }

    // The pointer comes to rest in the middle of a window.
    static void RestOn(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        MovePointer(p);
        ScreenToClient(window, &p);
        PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    }
    // Under Wine the display may report the former position for a moment,
    // with mouse moves there: the pointer has arrived when it stays put.
    static void MovePointer(POINT p) {
        SetCursorPos(p.x, p.y);
        const auto there = [&] {
            POINT now{};
            GetCursorPos(&now);
            return now.x == p.x && now.y == p.y;
        };
        LoopUntil(there, 1000);
        Sleep(50);
        LoopUntil(there, 1000);
    }
    // Whether the hint shows at some moment of a stretch of the loop.
    bool ShowsWithin(DWORD milliseconds) {
        return LoopUntil([&] { return Showing(); }, milliseconds);
    }
    bool ShowHintOf(std::string_view control) {
        RestOn(Handle(control));
        return LoopUntil([&] { return Showing(); });
    }

    TestForm* form_ = nullptr;
};

TEST_F(HintsTest, SwitchingHintsOnMakesAWindowOfTheCurrentClass) {
    // Made for the first hint: nobody sees it before.
    EXPECT_EQ(Hint().Handle(), nullptr);
    ASSERT_TRUE(ShowHintOf("Name"));
    Application->Hints().CancelHint();
    HWND first = Hint().Handle();
    WCHAR name[64];
    GetClassNameW(first, name, 64);
    EXPECT_STREQ(name, L"THintWindow");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(first, GWL_STYLE)) & 0xFFFF0000u,
              static_cast<DWORD>(WS_POPUP | WS_DISABLED | WS_BORDER | WS_CLIPSIBLINGS));
    EXPECT_EQ(GetClassLongW(first, GCL_STYLE), 0x080B);
    EXPECT_NE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_FALSE(IsWindowVisible(first));

    Application->Hints().SetShowHint(false);
    EXPECT_EQ(Application->Hints().HintWindow(), nullptr);
    EXPECT_FALSE(IsWindow(first));
    RestOn(Handle("Name"));
    EXPECT_FALSE(ShowsWithin(200));  // nothing to show it in, nothing breaks

    Application->Hints().SetShowHint(true);
    ASSERT_NE(Application->Hints().HintWindow(), nullptr);
    EXPECT_EQ(Hint().Color(), Application->Hints().HintColor());
    EXPECT_TRUE(ShowHintOf("Name"));
}

TEST_F(HintsTest, ControlsWithoutAShownHintShowNone) {
    for (const char* name : {"Plain", "Silent"}) {
        RestOn(Handle(name));
        EXPECT_FALSE(ShowsWithin(300)) << name;
    }
}

TEST_F(HintsTest, KeyOrMouseButtonHidesTheHintUntilTheMouseLeavesItsControl) {
    ASSERT_TRUE(ShowHintOf("Name"));
    PostMessageW(Handle("Name"), WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(LoopUntil([&] { return !Showing(); }));
    RestOn(Handle("Name"));
    EXPECT_FALSE(ShowsWithin(300)) << "back while the mouse stays after a key";

    ASSERT_TRUE(ShowHintOf("Check"));
    PostMessageW(Handle("Check"), WM_RBUTTONDOWN, 0, 0);
    EXPECT_TRUE(LoopUntil([&] { return !Showing(); }));
    RestOn(Handle("Check"));
    EXPECT_FALSE(ShowsWithin(300)) << "back while the mouse stays after a click";
    // The next control's hint waits the full delay again, and a press while
    // it waits keeps it away.
    Application->Hints().SetHintPause(600000);
    RestOn(Handle("Name"));
    EXPECT_FALSE(ShowsWithin(300)) << "only the short pause after a press";
    Application->Hints().SetHintPause(50);
    PostMessageW(Handle("Plain"), WM_MOUSEMOVE, 0, 0);
    PostMessageW(Handle("Name"), WM_MOUSEMOVE, 0, 0);
    PostMessageW(Handle("Name"), WM_LBUTTONDOWN, 0, 0);
    EXPECT_FALSE(ShowsWithin(300)) << "after a press while it waited";
    EXPECT_TRUE(ShowHintOf("Check")) << "left and back";
}

TEST_F(HintsTest, ALateReportOfTheFormerPointerPlaceDoesNotKeepTheHintAway) {
    // Wine may deliver a move at the pointer's former place after the moves
    // at its new one (posted messages come before input): the hint follows
    // where the pointer is when its pause ends.
    RestOn(Handle("Check"));
    PostMessageW(Handle("Name"), WM_MOUSEMOVE, 0, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(LoopUntil([&] { return Showing() && Hint().Caption() == kCheckHint; }));
}

TEST_F(HintsTest, HintGoesAfterTheHidePauseAndStaysAwayWhileTheMouseStays) {
    Application->Hints().SetHintHidePause(100);
    ASSERT_TRUE(ShowHintOf("Name"));
    EXPECT_TRUE(LoopUntil([&] { return !Showing(); }));
    RestOn(Handle("Name"));
    EXPECT_FALSE(ShowsWithin(300)) << "the same control's hint came back without the mouse leaving";
}

TEST_F(HintsTest, NextControlsHintFollowsAfterTheShortPause) {
    ASSERT_TRUE(ShowHintOf("Name"));
    // Only the short pause can bring the next hint within the wait.
    Application->Hints().SetHintPause(600000);
    RestOn(Handle("Check"));
    EXPECT_TRUE(LoopUntil([&] { return Showing() && Hint().Caption() == kCheckHint; }));
    RECT r;
    GetWindowRect(Hint().Handle(), &r);
    EXPECT_EQ(r.top, Below(Handle("Check")).y);

    // After a stretch without a hint, the full delay applies again.
    RestOn(Handle("Plain"));
    EXPECT_TRUE(LoopUntil([&] { return !Showing(); }));
    RestOn(Handle("Name"));
    EXPECT_FALSE(ShowsWithin(300));
}

TEST_F(HintsTest, LeavingForAnotherProgramHidesTheHint) {
    ASSERT_TRUE(ShowHintOf("Name"));
    // Far from the form, over the desktop of the session.
    MovePointer({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    PostMessageW(Handle("Name"), WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(LoopUntil([&] { return !Showing(); }));
}

TEST_F(HintsTest, ModalFormOrMessageBoxHidesTheHint) {
    TestForm& dialog = MakeForm(HintLayout());
    bool showingDuringDialog = true;
    dialog.OnActivate = [&] {
        showingDuringDialog = Showing();
        dialog.SetModalResult(mrOk);
    };
    ASSERT_TRUE(ShowHintOf("Name"));
    dialog.ShowModal();
    EXPECT_FALSE(showingDuringDialog);

    ASSERT_TRUE(ShowHintOf("Check"));
    std::atomic<int> showingDuringBox{-1};
    std::thread closer([&] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i, Sleep(10)) box = FindWindowW(L"#32770", L"Bulle");
        if (!box) return;
        showingDuringBox = IsWindowVisible(Hint().Handle()) ? 1 : 0;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    CenteredMessageBox(*Application, L"Une boîte", L"Bulle", MB_OK);
    closer.join();
    EXPECT_EQ(showingDuringBox, 0);
}

}  // namespace
}  // namespace tk::testing
