// F1 and the help menu ask the Windows help engine for the right topic.
#include <cstdio>

#include "ProgramFixture.h"
#include "driver/WinHelpSpy.h"

namespace rytmalo::e2e {
namespace {

constexpr char kHelpFile[] = "C:\\Program Files\\HelpScribble\\Rytmalo95.hlp";

class Help : public ProgramTest {
protected:
    void SetUp() override {
        spy_ = std::make_unique<driver::WinHelpSpy>();
        ProgramTest::SetUp();
    }
    void TearDown() override { spy_.reset(); }

    // The one request that pressing the key produced.
    driver::HelpRequest Next() {
        EXPECT_TRUE(spy_->WaitForRequests(1)) << "no help request";
        const auto requests = spy_->Requests();
        spy_->Clear();
        EXPECT_EQ(requests.size(), 1u);
        for (const auto& r : requests) {
            std::printf("help request: %s command %u data %ld\n", r.file.c_str(), r.command, r.data);
        }
        return requests.empty() ? driver::HelpRequest{} : requests.back();
    }
    void ExpectPopup(unsigned context) {
        const driver::HelpRequest r = Next();
        EXPECT_EQ(r.file, kHelpFile);
        EXPECT_EQ(r.command, static_cast<unsigned>(HELP_CONTEXTPOPUP));
        EXPECT_EQ(r.data, static_cast<long>(context));
    }

    std::unique_ptr<driver::WinHelpSpy> spy_;
};

TEST_F(Help, F1OnAControlAsksForItsTopicAsPopup) {
    driver::PressKey(VK_F1);
    ExpectPopup(11);
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("rdoNoire"); }));
    driver::PressKey(VK_F1);
    ExpectPopup(21);
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("cmdQuitter"); }));
    driver::PressKey(VK_F1);
    ExpectPopup(260);
}

TEST_F(Help, F1OnAMenuItemAsksForItsOrItsParentsTopic) {
    driver::PressChord({VK_MENU, 'O'});
    Sleep(300);
    driver::PressKey(VK_F1);
    ExpectPopup(280);
    driver::PressKey(VK_ESCAPE);
    driver::PressKey(VK_ESCAPE);
    Sleep(200);

    // The "?" menu: its items have no topic of their own.
    driver::PressKey(VK_F10);
    Sleep(200);
    driver::PressKey(VK_RIGHT);
    driver::PressKey(VK_DOWN);
    Sleep(300);
    driver::PressKey(VK_F1);
    ExpectPopup(290);
    driver::PressKey(VK_ESCAPE);
    driver::PressKey(VK_ESCAPE);
}

TEST_F(Help, ContentsOpensTopicTenInTheHelpWindow) {
    driver::PressKey(VK_F10);
    Sleep(200);
    driver::PressKey(VK_RIGHT);
    driver::PressKey(VK_DOWN);
    Sleep(300);
    driver::PressKey(VK_RETURN);
    const driver::HelpRequest r = Next();
    EXPECT_EQ(r.file, kHelpFile);
    EXPECT_EQ(r.command, static_cast<unsigned>(HELP_CONTEXT));
    EXPECT_EQ(r.data, 10);
}

}  // namespace
}  // namespace rytmalo::e2e
