// F1 and the help menu: the program's own help where the help file is not
// there (the help window, or a pop-up near the pointer), and the Windows help
// engine, asked for the same topics unchanged, where it is.
#include <cstdio>

#include "HelpFixture.h"
#include "SettingsFixture.h"
#include "driver/WinHelpSpy.h"

namespace rytmalo::e2e {
namespace {

constexpr char kHelpFile[] = "C:\\Program Files\\HelpScribble\\Rytmalo95.hlp";

// ---------------------------------------------------------------------------
// The program's own help (the help file absent).

class OwnHelp : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(Start());
    }

    // F1 shows the topic in a pop-up near the pointer; the next key closes
    // it and does nothing else.
    void ExpectPopup(int context, WORD closingKey = VK_SHIFT) {
        SCOPED_TRACE(context);
        POINT pointer;
        GetCursorPos(&pointer);
        driver::PressKey(VK_F1);
        HWND popup = WaitForHelpPopup(Pid());
        ASSERT_NE(popup, nullptr) << "no pop-up";
        EXPECT_EQ(driver::TextOf(popup), std::wstring(Topic(context).text));
        const RECT r = driver::ScreenRect(popup);
        EXPECT_LT(std::abs(r.left - pointer.x) + std::abs(r.top - pointer.y), 200)
            << "near the pointer";
        EXPECT_EQ(FindTopLevelNot(kHelpWindowClass), nullptr) << "no help window";
        Sleep(100);
        driver::SaveBmp(driver::Capture(r), driver::OwnDirectory() + L"help-popup-" +
                                                std::to_wstring(context) + L".bmp");
        driver::PressKey(closingKey);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(popup); }, 5000))
            << "a key closes it";
    }
    HWND FindTopLevelNot(const wchar_t* className) const {
        return driver::FindTopLevel(Pid(), className);
    }

    // The help window shows the topic; Escape closes it.
    void ExpectWindow(int context) {
        SCOPED_TRACE(context);
        HWND window = WaitForHelpWindow(Pid());
        ASSERT_NE(window, nullptr) << "no help window";
        EXPECT_EQ(HelpTitle(window), std::wstring(Topic(context).title));
        EXPECT_EQ(HelpText(window), std::wstring(Topic(context).text));
        EXPECT_EQ(driver::TextOf(window),
                  std::wstring(Topic(context).title) + L" - Aide de Rytmalo 95");
        ASSERT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == window; }, 5000));
        driver::PressKey(VK_ESCAPE);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(window); }, 5000))
            << "Escape closes it";
    }
};

TEST_F(OwnHelp, F1OnEachControlShowsItsTopicAsPopupAndTheClosingKeyIsSpent) {
    TypeTempo(L"12");
    // The key that closes the pop-up reaches nothing: Escape would empty
    // the box.
    ExpectPopup(11, VK_ESCAPE);
    Sleep(200);
    EXPECT_EQ(Text("txtTempo"), L"12");
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(driver::WaitUntil([&] { return Text("txtTempo").empty(); }));

    for (const char* radio : {"rdoNoire", "rdoCroche", "rdoDouble", "rdoRonde"}) {
        driver::PressKey(radio == std::string_view("rdoNoire") ? VK_TAB : VK_RIGHT);
        ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control(radio); })) << radio;
        ExpectPopup(21);
    }
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("cmdQuitter"); }));
    ExpectPopup(260);
    EXPECT_TRUE(NoReport());
}

TEST_F(OwnHelp, F1OnEachMenuAndItemShowsItsOrItsParentsTopic) {
    // The menu bar's first title, highlighted.
    driver::PressKey(VK_F10);
    Sleep(300);
    ExpectPopup(270);

    driver::PressChord({VK_MENU, 'O'});
    Sleep(300);
    ExpectPopup(280);

    driver::PressKey(VK_F10);
    Sleep(200);
    driver::PressKey(VK_RIGHT);
    Sleep(300);
    ExpectPopup(290);
    OpenHelpMenu();
    ExpectPopup(290);
    OpenHelpMenu();
    driver::PressKey(VK_DOWN);
    Sleep(300);
    ExpectPopup(290);
    EXPECT_TRUE(NoReport());
}

TEST_F(OwnHelp, ContentsOpensTheHelpWindowBesideTheMainWindow) {
    OpenHelpMenu();
    driver::PressKey(VK_RETURN);
    HWND window = WaitForHelpWindow(Pid());
    ASSERT_NE(window, nullptr);
    // On the side of the main window with more room, on the screen.
    const RECT help = driver::ScreenRect(window);
    const RECT main = driver::ScreenRect(Main());
    EXPECT_GT(help.left, main.left);
    EXPECT_EQ(help.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(help.top, 0);
    Sleep(300);
    driver::SaveBmp(driver::Capture(help), driver::OwnDirectory() + L"help-window.bmp");
    ExpectWindow(10);
    EXPECT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == Main(); }, 5000));
    EXPECT_TRUE(NoReport());
}

TEST_F(OwnHelp, F1InTheDialogsOpensTheHelpWindowAboveThem) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    driver::PressKey(VK_F1);
    HWND window = WaitForHelpWindow(Pid());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(driver::IsTopMost(window)) << "the about box stays on top";
    ExpectWindow(10);
    driver::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitClosed(about));

    HWND preferences = OpenPreferences();
    ASSERT_NE(preferences, nullptr);
    HWND check =
        driver::FindDescendant(preferences, PreferencesLayout().ControlId("chkFenetrePersistente"));
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == check; }));
    driver::PressKey(VK_F1);
    ExpectWindow(14);
    ASSERT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == preferences; }, 5000));
    driver::PressKey(VK_TAB);
    driver::PressKey(VK_F1);
    ExpectWindow(13);
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitClosed(preferences));
    EXPECT_TRUE(NoReport());
}

// ---------------------------------------------------------------------------
// The help file in place and a help engine running: the requests go to it.

class EngineHelp : public ProgramTest {
protected:
    void SetUp() override {
        file_ = std::make_unique<HelpFileInPlace>();
        spy_ = std::make_unique<driver::WinHelpSpy>();
        ProgramTest::SetUp();
    }
    void TearDown() override {
        spy_.reset();
        file_.reset();
    }

    // The one request that pressing the key produced.
    driver::HelpRequest Next() {
        EXPECT_TRUE(spy_->WaitForRequests(1)) << "no help request";
        const auto requests = spy_->Requests();
        spy_->Clear();
        EXPECT_EQ(requests.size(), 1u);
        for (const auto& r : requests) {
            std::printf("help request: %s command %u data %ld\n", r.file.c_str(), r.command,
                        r.data);
        }
        return requests.empty() ? driver::HelpRequest{} : requests.back();
    }
    void ExpectPopup(unsigned context) {
        const driver::HelpRequest r = Next();
        EXPECT_EQ(r.file, kHelpFile);
        EXPECT_EQ(r.command, static_cast<unsigned>(HELP_CONTEXTPOPUP));
        EXPECT_EQ(r.data, static_cast<long>(context));
        EXPECT_EQ(driver::FindTopLevel(Pid(), kHelpPopupClass), nullptr)
            << "no pop-up of the program's own";
    }

    std::unique_ptr<HelpFileInPlace> file_;
    std::unique_ptr<driver::WinHelpSpy> spy_;
};

// Which control or menu has which topic is the program's own help's concern
// above; here, that each kind of request reaches the engine once, unchanged.
TEST_F(EngineHelp, F1AndContentsAskTheEngineForTheTopicOnce) {
    driver::PressKey(VK_F1);
    ExpectPopup(11);

    // F1 in a menu: one request, though Wine also turns the key into help.
    driver::PressChord({VK_MENU, 'O'});
    Sleep(300);
    driver::PressKey(VK_F1);
    ExpectPopup(280);
    driver::PressKey(VK_ESCAPE);
    driver::PressKey(VK_ESCAPE);
    Sleep(200);

    // The "?" menu: its items have no topic of their own.
    OpenHelpMenu();
    driver::PressKey(VK_F1);
    ExpectPopup(290);

    // Contents, from the same item.
    driver::PressKey(VK_RETURN);
    const driver::HelpRequest r = Next();
    EXPECT_EQ(r.file, kHelpFile);
    EXPECT_EQ(r.command, static_cast<unsigned>(HELP_CONTEXT));
    EXPECT_EQ(r.data, 10);
    EXPECT_EQ(driver::FindTopLevel(Pid(), kHelpWindowClass), nullptr)
        << "no help window of the program's own";
}

}  // namespace
}  // namespace rytmalo::e2e
