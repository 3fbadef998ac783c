// Keys as a user types them. Alt and the delay label's letter, typed on the
// display itself, move from the tempo box to the delay box and leave the
// menu bar alone, which Alt alone, Alt and its own letter, and F10 still
// open. Tab into the tempo box selects its text, so that a new tempo
// replaces it; a click places the caret.
#include <cstdlib>
#include <functional>

#include "SettingsFixture.h"
#include "app/DetailViewLayout.h"
#include "driver/XInput.h"

namespace rytmalo::e2e {
namespace {

class Keyboard : public SettingsTest {
protected:
    HWND ViewControl(std::string_view name) const {
        return driver::FindDescendant(Main(), FindDetailControl(name)->id);
    }
    bool InMenuMode() const {
        GUITHREADINFO info{sizeof info};
        GetGUIThreadInfo(GetWindowThreadProcessId(Main(), nullptr), &info);
        return (info.flags & GUI_INMENUMODE) != 0;
    }
    bool MenuDropped() const { return driver::FindTopLevel(Pid(), L"#32768") != nullptr; }
    // Keys typed on the display: done when their effect shows and every key
    // is up again (the next keys cannot mix with them).
    static bool Type(std::string_view keys, const std::function<bool()>& effect) {
        return driver::TypeOnDisplay(keys) && driver::WaitUntil(effect, 5000) &&
               driver::WaitUntil(driver::KeysReleased, 5000);
    }
    std::pair<int, int> Selection(HWND box) const {
        const auto packed = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
        return {LOWORD(packed), HIWORD(packed)};
    }
};

TEST_F(Keyboard, AltAndTheDelayLettersFromTheDisplayLeaveTheMenuBarItsOwnKeys) {
    const char* tool = std::getenv("RYTMALO_XINPUT");
    ASSERT_TRUE(tool && *tool) << "no input tool for the display";
    Save(L"TableauDetaille", Dword(1));
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND delay = ViewControl("txtDelai");
    ASSERT_TRUE(
        driver::ClickUntil(Control("txtTempo"), [&] { return Focused() == Control("txtTempo"); }));
    // The figures typed next land in the box unless the menu bar took Alt.
    EXPECT_TRUE(Type("key alt+d type 375", [&] { return driver::TextOf(delay) == L"375"; }))
        << "in menu mode: " << InMenuMode();
    EXPECT_FALSE(InMenuMode());

    // Alt alone right after a button's letter (Taper's), its own letter, F10.
    EXPECT_TRUE(Type("key alt+t key alt", [&] { return InMenuMode(); }));
    EXPECT_EQ(Focused(), ViewControl("cmdTaper"));
    ASSERT_TRUE(Type("key Escape", [&] { return !InMenuMode(); }));
    EXPECT_TRUE(Type("key alt+o", [&] { return MenuDropped(); }));
    ASSERT_TRUE(Type("key Escape Escape", [&] { return !InMenuMode(); }));
    EXPECT_TRUE(Type("key F10", [&] { return InMenuMode(); }));
    ASSERT_TRUE(Type("key Escape", [&] { return !InMenuMode(); }));
    EXPECT_TRUE(NoReport());
}

TEST_F(Keyboard, TabIntoTheTempoBoxSelectsItsTextAndTheNewTempoReplacesIt) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND tempo = Control("txtTempo");
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    driver::PressChord({VK_SHIFT, VK_TAB});
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() != tempo; }));
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == tempo; }));
    EXPECT_EQ(Selection(tempo), std::make_pair(0, 3));
    driver::TypeText(L"60");
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"60"; })) << "typing ignored";

    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() != tempo; }));
    ASSERT_TRUE(driver::ClickUntil(tempo, [&] { return Focused() == tempo; }));
    const auto [start, end] = Selection(tempo);
    EXPECT_EQ(start, end) << "a click places the caret";
}

}  // namespace
}  // namespace rytmalo::e2e
