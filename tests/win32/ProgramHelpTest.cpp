// The program's help service against real windows: its own help window and
// pop-up where the help engine cannot open the file, the engine's request
// passed on unchanged where it can, and how the engine is recognised.
#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "help/HelpViewNames.h"
#include "help/ProgramHelp.h"
#include "help/WinHelpEngine.h"
#include "driver/Driver.h"

namespace rytmalo::testing {
namespace {

using tk::testing::TestForm;

const tk::FormLayout& HelpedForm() {
    static const tk::FormLayout layout = [] {
        tk::FormLayout f = tk::FormAt("THelpedForm", L"Aidé", tk::Bounds(100, 100, 240, 120));
        f.helpContext = 10;
        f.controls = {
            tk::testing::Control(tk::ControlKind::Edit, "Box", tk::Bounds(8, 8, 100, 21)).Help(11)};
        return f;
    }();
    return layout;
}

class ProgramHelpTest : public tk::testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        help_ = std::make_unique<ProgramHelp>(*tk::Application);
        help_->CanUseWinHelp = [](const std::wstring&) { return false; };
        form_ = &MakeForm(HelpedForm());
        form_->Show();
        Pump();
    }
    void TearDown() override {
        help_.reset();
        ToolkitTest::TearDown();
    }
    // A message as the program's loop receives it.
    static void Post(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        PostMessageW(window, msg, wParam, lParam);
        tk::Application->ProcessMessages();
    }
    static std::wstring_view TopicText(int context) { return FindHelpTopic(context)->text; }

    std::unique_ptr<ProgramHelp> help_;
    TestForm* form_ = nullptr;
};

TEST_F(ProgramHelpTest, PopupShowsTheTopicNearThePointerUntilTheNextKeyOrClick) {
    // The display may report the pointer's new place a moment late.
    SetCursorPos(300, 200);
    ASSERT_TRUE(driver::WaitUntil(
        [] {
            POINT p;
            GetCursorPos(&p);
            return p.x == 300 && p.y == 200;
        },
        5000));
    ASSERT_TRUE(tk::Application->HelpCommand(HELP_CONTEXTPOPUP, 21));
    THelpPopup& popup = help_->Popup();
    ASSERT_TRUE(popup.Visible());
    EXPECT_EQ(driver::TextOf(popup.Handle()), TopicText(21));
    RECT r;
    GetWindowRect(popup.Handle(), &r);
    EXPECT_EQ(r.left, 312);
    EXPECT_EQ(r.top, 212);
    EXPECT_FALSE(help_->Window().Visible());
    EXPECT_NE(GetActiveWindow(), popup.Handle()) << "never takes the focus";

    // That a key closes it and goes no further is seen end to end (OwnHelp).
    tk::Application->HelpCommand(HELP_CONTEXTPOPUP, 11);
    EXPECT_EQ(driver::TextOf(popup.Handle()), TopicText(11));
    Post(form_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(popup.Visible()) << "a click closes it";

    tk::Application->HelpCommand(HELP_CONTEXTPOPUP, 11);
    SendMessageW(popup.Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(popup.Visible()) << "so does another program coming forward";
    EXPECT_TRUE(reported.empty());
}

TEST_F(ProgramHelpTest, WindowIsReadOnlyAndClosesWithEnterOrTheButton) {
    // Its title and text, and Escape, are checked end to end (OwnHelp).
    ASSERT_TRUE(tk::Application->HelpContext(14));
    THelpWindow& window = help_->Window();
    ASSERT_TRUE(window.Visible());
    HWND text = GetDlgItem(window.Handle(), kHelpTextId);
    EXPECT_NE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY, 0);

    Post(text, WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(window.Visible());
    tk::Application->HelpContext(13);
    SendMessageW(window.Handle(), WM_COMMAND, kHelpCloseId, 0);
    EXPECT_FALSE(window.Visible());

    // A number without a topic shows the contents; quitting closes all.
    tk::Application->HelpContext(999);
    EXPECT_EQ(driver::TextOf(GetDlgItem(window.Handle(), kHelpTextId)), TopicText(kContentsTopic));
    tk::Application->HelpCommand(HELP_CONTEXTPOPUP, 11);
    tk::Application->HelpCommand(HELP_QUIT, 0);
    EXPECT_FALSE(window.Visible());
    EXPECT_FALSE(help_->Popup().Visible());
    EXPECT_FALSE(tk::Application->HelpCommand(HELP_SETWINPOS, 0)) << "a command it does not know";
}

TEST_F(ProgramHelpTest, WindowFollowsTheResolutionOfItsMonitor) {
    tk::Application->HelpContext(10);
    THelpWindow& window = help_->Window();
    HWND close = GetDlgItem(window.Handle(), kHelpCloseId);
    RECT before;
    GetWindowRect(close, &before);
    EXPECT_EQ(before.right - before.left, 75);
    MoveToDpi(window.Handle(), 144, {100, 100, 100 + 660, 100 + 520});
    EXPECT_EQ(window.Dpi(), 144);
    RECT r;
    GetWindowRect(window.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 660);
    GetWindowRect(close, &r);
    EXPECT_EQ(r.right - r.left, 113);
    EXPECT_EQ(r.bottom - r.top, 35);
    RECT client;
    GetClientRect(window.Handle(), &client);
    MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(client.right - r.right, 12) << "the scaled margin";
}

TEST_F(ProgramHelpTest, ModalDialogLeavesTheHelpWindowUsable) {
    tk::Application->HelpContext(10);
    THelpWindow& window = help_->Window();
    EnableWindow(window.Handle(), FALSE);  // as a modal dialog does
    tk::Application->HelpContext(11);
    EXPECT_TRUE(IsWindowEnabled(window.Handle()));
}

TEST_F(ProgramHelpTest, WhereTheEngineCanOpenTheFileTheRequestGoesToItUnchanged) {
    struct Request {
        HWND owner;
        std::wstring file;
        UINT command;
        ULONG_PTR data;
    };
    std::vector<Request> requests;
    std::wstring asked;
    help_->CanUseWinHelp = [&](const std::wstring& file) {
        asked = file;
        return true;
    };
    help_->WinHelp = [&](HWND owner, const std::wstring& file, UINT command, ULONG_PTR data) {
        requests.push_back({owner, file, command, data});
        return true;
    };
    tk::Application->HelpCommand(HELP_CONTEXTPOPUP, 21);
    tk::Application->HelpContext(300);
    ASSERT_EQ(requests.size(), 2u);
    const HWND owner = tk::Application->MainForm() ? tk::Application->MainForm()->Handle()
                                                   : tk::Application->Handle();
    EXPECT_EQ(requests[0].owner, owner);
    EXPECT_EQ(requests[0].file, tk::Application->HelpFile());
    EXPECT_EQ(asked, tk::Application->HelpFile());
    EXPECT_EQ(requests[0].command, static_cast<UINT>(HELP_CONTEXTPOPUP));
    EXPECT_EQ(requests[0].data, 21u);
    EXPECT_EQ(requests[1].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(requests[1].data, 300u);
    EXPECT_FALSE(help_->Popup().Visible());
    EXPECT_FALSE(help_->Window().Visible());
}

TEST(WinHelpEngine, AViewerIsAnEngineTheStubOfLaterWindowsIsNot) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_TRUE(IsWinHelpViewer(std::wstring(system) + L"\\winhlp32.exe")) << "Wine's viewer";
    const std::wstring stub = driver::OwnDirectory() + L"winhstb-standin.exe";
    ASSERT_NE(GetFileAttributesW(stub.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(IsWinHelpViewer(stub));
    EXPECT_FALSE(IsWinHelpViewer(driver::OwnDirectory() + L"no-such-viewer.exe"));
    EXPECT_TRUE(HasWinHelpEngine());

    // Without the help file nothing can be opened, engine or not.
    EXPECT_FALSE(WinHelpCanOpen(L"C:\\no\\such\\help.hlp"));
    EXPECT_FALSE(WinHelpCanOpen(std::wstring(system)));  // a folder
}

}  // namespace
}  // namespace rytmalo::testing
