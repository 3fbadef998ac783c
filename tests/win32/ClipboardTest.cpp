// The clipboard held open by another thread: a copy says it failed, soon,
// and the clipboard keeps the text it had.
#include <future>
#include <thread>

#include "ToolkitFixture.h"
#include "core/Exception.h"
#include "toolkit/Clipboard.h"

namespace tk::testing {
namespace {

const FormLayout& OwnerLayout() {
    static const FormLayout layout = [] {
        FormLayout f;
        f.className = "TTestClipboardOwner";
        f.clientWidth = 200;
        f.clientHeight = 60;
        return f;
    }();
    return layout;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// A window of the thread that makes it, gone with it.
class ThreadWindow {
public:
    ThreadWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
    ~ThreadWindow() {
        if (window_) DestroyWindow(window_);
    }
    ThreadWindow(const ThreadWindow&) = delete;
    ThreadWindow& operator=(const ThreadWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
};

using Clipboard = ToolkitTest;

TEST_F(Clipboard, HeldByAnotherThreadTheCopyFailsAndTheOldTextStays) {
    TestForm& form = MakeForm(OwnerLayout());
    CopyText(form.Handle(), L"Noire\t500,00\r\n");
    ASSERT_EQ(ClipboardText(), L"Noire\t500,00\r\n");

    std::promise<bool> opened;
    std::promise<void> release;
    std::thread holder([&opened, released = release.get_future()] {
        const ThreadWindow window;
        const bool open = window.Get() && OpenClipboard(window.Get());
        opened.set_value(open);
        if (!open) return;
        // A copy that waited for the clipboard would get it after this,
        // and succeed: the test fails rather than hangs.
        released.wait_for(std::chrono::seconds(10));
        CloseClipboard();
    });
    const bool held = opened.get_future().get();
    if (held) {
        EXPECT_THROW(CopyText(form.Handle(), L"Croche\t250,00\r\n"), Exception);
    }
    release.set_value();
    holder.join();
    ASSERT_TRUE(held) << "the other thread could not open the clipboard";
    EXPECT_EQ(ClipboardText(), L"Noire\t500,00\r\n");
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace tk::testing
