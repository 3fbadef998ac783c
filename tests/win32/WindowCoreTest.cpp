// The one place where the program's windows meet their objects: a handler
// that fails is reported and its window goes on; hooks on one window come
// off in any order without cutting the others.
#include <string>
#include <vector>

#include "ToolkitFixture.h"
#include "core/Exception.h"
#include "toolkit/WindowHook.h"
#include "toolkit/WindowHost.h"

namespace tk::testing {
namespace {

constexpr UINT kFail = WM_APP + 1;
constexpr UINT kEcho = WM_APP + 2;

// A window of its own class that fails on one message and answers another.
class FailingWindow : public TWindowHost {
public:
    FailingWindow() { CreateHostedWindow({.name = L"TFailingWindow"}, {.style = WS_POPUP}); }
    ~FailingWindow() override { DestroyHostedWindow(); }
    bool destroyed = false;

protected:
    void WndProc(Message& m) override {
        if (m.msg == kFail) throw Exception(L"Échec voulu");
        if (m.msg == kEcho) {
            m.result = static_cast<LRESULT>(m.wParam) + 1;
            return;
        }
        DefaultHandler(m);
    }
    void WindowDestroyed() override { destroyed = true; }
};

// Notes the echo messages it sees, adds its mark to the answer, and fails
// when told to.
class MarkingHook : public TWindowHook {
public:
    explicit MarkingHook(int mark) : mark_(mark) {}
    int seen = 0;

protected:
    void WndProc(Message& m) override {
        if (m.msg == kFail && m.lParam == mark_) throw Exception(L"Crochet en échec");
        Default(m);
        if (m.msg == kEcho) {
            ++seen;
            m.result += mark_;
        }
    }

private:
    int mark_;
};

using WindowCore = ToolkitTest;

TEST_F(WindowCore, AFailingHandlerIsReportedAndTheWindowGoesOn) {
    auto window = std::make_unique<FailingWindow>();
    HWND hwnd = window->Handle();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(TWindowHost::FromHandle(hwnd), window.get());
    EXPECT_EQ(SendMessageW(hwnd, kFail, 0, 0), 0);
    ASSERT_EQ(reported, std::vector<std::wstring>{L"Échec voulu"});
    EXPECT_EQ(SendMessageW(hwnd, kEcho, 41, 0), 42) << "the window still answers";

    // Its last message lets the object go.
    DestroyWindow(hwnd);
    EXPECT_TRUE(window->destroyed);
    EXPECT_EQ(window->Handle(), nullptr);
    EXPECT_EQ(TWindowHost::FromHandle(hwnd), nullptr);
}

TEST_F(WindowCore, HooksComeOffInAnyOrderAndAFailingOneIsReported) {
    FailingWindow window;
    HWND hwnd = window.Handle();
    MarkingHook first(100), second(1000), third(10000);
    ASSERT_TRUE(first.Hook(hwnd));
    ASSERT_TRUE(second.Hook(hwnd));
    ASSERT_TRUE(third.Hook(hwnd));
    EXPECT_EQ(SendMessageW(hwnd, kEcho, 0, 0), 1 + 100 + 1000 + 10000);

    SendMessageW(hwnd, kFail, 0, 1000);
    EXPECT_EQ(reported, std::vector<std::wstring>{L"Crochet en échec"});
    EXPECT_EQ(SendMessageW(hwnd, kEcho, 0, 0), 1 + 100 + 1000 + 10000);

    // The middle one, then the first one put on: the rest go on hearing.
    second.Unhook();
    EXPECT_EQ(SendMessageW(hwnd, kEcho, 0, 0), 1 + 100 + 10000);
    first.Unhook();
    EXPECT_EQ(SendMessageW(hwnd, kEcho, 0, 0), 1 + 10000);
    EXPECT_EQ(first.seen, 3);
    EXPECT_EQ(second.seen, 2);
    EXPECT_EQ(third.seen, 4);

    // A window that goes takes its hooks off with it.
    DestroyWindow(hwnd);
    EXPECT_EQ(third.Hooked(), nullptr);
}

}  // namespace
}  // namespace tk::testing
