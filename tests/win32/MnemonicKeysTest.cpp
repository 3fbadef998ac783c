// Alt and a letter that a control marks, typed for real through the message
// loop: the control acts, and neither the letter's character nor the release
// of Alt reaches a window, where the default handling would give it to the
// menu bar. Keyboards differ in the order of the releases (Alt first under
// X): both are tried. Alt alone and the menu's own letters stay the menu's.
#include <map>

#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "driver/Driver.h"
#include "toolkit/Button.h"

namespace tk::testing {
namespace {

const FormLayout& MnemonicLayout() {
    static const FormLayout layout = [] {
        FormLayout f = FormAt("TTestMnemonics", L"", Bounds(80, 80, 300, 80), BorderStyle::Single);
        f.controls = {
            Control(ControlKind::Edit, "Top", Bounds(8, 8, 60, 21)),
            Control(ControlKind::Label, "Lead", Bounds(80, 12, 40, 13), L"&Nom :"),
            Control(ControlKind::Edit, "Name", Bounds(120, 8, 80, 21)),
            Control(ControlKind::Button, "Go", Bounds(210, 6, 60, 25), L"&Aller"),
        };
        f.menu = ViewMenu();
        return f;
    }();
    return layout;
}

// What reaches some windows of the keys the menu bar acts on: characters
// with Alt, releases of Alt, and its requests (by character, 0 for a lone
// Alt), which are kept from the form: the menu's own loop would take over.
class MenuKeyLog {
public:
    explicit MenuKeyLog(std::initializer_list<HWND> windows) {
        current_ = this;
        for (HWND w : windows) {
            previous_[w] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Record)));
        }
    }
    ~MenuKeyLog() {
        for (const auto& [w, proc] : previous_) {
            SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
        }
        current_ = nullptr;
    }
    MenuKeyLog(const MenuKeyLog&) = delete;
    MenuKeyLog& operator=(const MenuKeyLog&) = delete;

    int menuCharacters = 0;
    int altReleases = 0;
    std::vector<LPARAM> menuRequests;

private:
    static LRESULT CALLBACK Record(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
        MenuKeyLog& log = *current_;
        if (msg == WM_SYSCHAR) ++log.menuCharacters;
        if ((msg == WM_KEYUP || msg == WM_SYSKEYUP) && wParam == VK_MENU) ++log.altReleases;
        if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
            log.menuRequests.push_back(lParam);
            return 0;
        }
        return CallWindowProcW(log.previous_.at(w), w, msg, wParam, lParam);
    }

    static inline MenuKeyLog* current_ = nullptr;
    std::map<HWND, WNDPROC> previous_;
};

// Counts the key presses and releases that the loop takes, consumed or not.
struct KeyCount : MessageFilter {
    KeyCount() { Application->AddMessageFilter(this); }
    ~KeyCount() override { Application->RemoveMessageFilter(this); }
    bool PreTranslate(MSG& msg) override {
        const UINT m = msg.message;
        if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP) ++count;
        return false;
    }
    int count = 0;
};

class MnemonicKeys : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        form_ = &MakeForm(MnemonicLayout());
        form_->Show();
        SetForegroundWindow(form_->Handle());
        ASSERT_TRUE(LoopUntil([&] { return GetForegroundWindow() == form_->Handle(); }));
        SetWindowTextW(Handle("Name"), L"120");
    }
    HWND Handle(std::string_view name) const { return form_->Find<TControl>(name).Handle(); }

    // Keys sent as they are listed; done once the loop has taken them all.
    static bool Type(const std::vector<std::pair<WORD, bool>>& keys) {
        KeyCount taken;
        for (const auto& [key, down] : keys) down ? driver::KeyDown(key) : driver::KeyUp(key);
        return LoopUntil([&] { return taken.count == static_cast<int>(keys.size()); });
    }

    TestForm* form_ = nullptr;
};

constexpr bool kDown = true;
constexpr bool kUp = false;

TEST_F(MnemonicKeys, ALabelsLetterMovesToTheNextBoxInEitherOrderOfRelease) {
    const std::pair<std::string, std::vector<std::pair<WORD, bool>>> orders[] = {
        {"letter released first", {{VK_MENU, kDown}, {'N', kDown}, {'N', kUp}, {VK_MENU, kUp}}},
        {"Alt released first", {{VK_MENU, kDown}, {'N', kDown}, {VK_MENU, kUp}, {'N', kUp}}},
    };
    for (const auto& [order, keys] : orders) {
        form_->Find<TControl>("Top").SetFocus();
        SendMessageW(Handle("Name"), EM_SETSEL, 1, 1);
        MenuKeyLog log{form_->Handle(), Handle("Top"), Handle("Name")};
        ASSERT_TRUE(Type(keys)) << order;
        EXPECT_EQ(GetFocus(), Handle("Name")) << order;
        DWORD start = 9, end = 9;
        SendMessageW(Handle("Name"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << order << ": its text is selected, as a dialog does";
        EXPECT_EQ(end, 3u) << order;
        EXPECT_EQ(log.menuCharacters, 0) << order;
        EXPECT_EQ(log.altReleases, 0) << order;
        EXPECT_TRUE(log.menuRequests.empty()) << order;
    }
}

TEST_F(MnemonicKeys, AButtonsLetterHeldClicksOnceAndAltAloneThenOpensTheMenu) {
    int clicks = 0;
    form_->Find<TButton>("Go").OnClick = [&] { ++clicks; };
    form_->Find<TControl>("Top").SetFocus();
    {
        MenuKeyLog log{form_->Handle(), Handle("Top"), Handle("Go")};
        ASSERT_TRUE(Type({{VK_MENU, kDown}, {'A', kDown}, {'A', kDown}}));
        // Its character, should one come from elsewhere while Alt is down.
        PostMessageW(Handle("Go"), WM_SYSCHAR, 'a', 0x20000001);
        ASSERT_TRUE(Type({{VK_MENU, kUp}, {'A', kUp}}));
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(log.menuCharacters, 0);
        EXPECT_EQ(log.altReleases, 0);
        EXPECT_TRUE(log.menuRequests.empty());
    }
    MenuKeyLog log{form_->Handle(), Handle("Go")};
    ASSERT_TRUE(Type({{VK_MENU, kDown}, {VK_MENU, kUp}}));
    ASSERT_TRUE(Type({{VK_MENU, kDown}, {'V', kDown}, {VK_MENU, kUp}, {'V', kUp}}));
    EXPECT_EQ(log.menuRequests, (std::vector<LPARAM>{0, L'v'})) << "Alt alone, the menu's letter";
}

}  // namespace
}  // namespace tk::testing
