// The main window and its detailed view in this process, its single-instance
// guard and path registration left out: each user action fills the page
// shown once (a page's list is filled with its redrawing turned off around
// it, which a subclass counts), and a first showing fills each list once
// and draws each window once, when it is whole (hooks count what each
// window is sent and posted to draw itself).
#include <map>
#include <tuple>

#include "RegistryScratch.h"
#include "ToolkitFixture.h"
#include "app/ComponentClasses.h"
#include "app/DetailViewLayout.h"
#include "app/MainForm.h"
#include "toolkit/PageControl.h"
#include "toolkit/Win.h"

namespace rytmalo::testing {
namespace {

// A component of the layout that does nothing here, whatever it is given.
class Inert : public tk::TComponent {
public:
    using tk::TComponent::TComponent;
    std::span<const tk::PublishedProperty> Published() const override {
        static constexpr tk::PublishedProperty kProperties[] = {
            {"UniqueString", [](tk::TComponent&, const tk::PropertyValue&) {}},
            {"IsAppVisible", [](tk::TComponent&, const tk::PropertyValue&) {}},
            {"Enabled", [](tk::TComponent&, const tk::PropertyValue&) {}}};
        return kProperties;
    }
};

LRESULT CALLBACK CountFills(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR fills) {
    if (msg == WM_SETREDRAW && !wParam) ++*reinterpret_cast<int*>(fills);
    return DefSubclassProc(window, msg, wParam, lParam);
}

// How often each window was asked to draw its frame and its content,
// however it was asked, and how often a list was filled (its redrawing
// turned off around it). (A background erased twice is not counted: a
// panel answers it by drawing nothing, and draws all in its paint.)
using Draws = std::map<std::tuple<HWND, UINT>, int>;
Draws* drawn = nullptr;

void Count(HWND window, UINT msg, WPARAM wParam = 0) {
    const bool fill = msg == WM_SETREDRAW && !wParam;
    if (drawn && (msg == WM_PAINT || msg == WM_NCPAINT || fill)) ++(*drawn)[{window, msg}];
}
LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
        Count(m->hwnd, m->message, m->wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT CALLBACK Posted(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && wParam == PM_REMOVE) {
        const auto* m = reinterpret_cast<const MSG*>(lParam);
        Count(m->hwnd, m->message);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class DetailRefresh : public tk::testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        RegisterComponentClasses(*tk::Application);
        for (const char* name : {"TOnlyOpenOnce", "TPlomexAppPath"})
            tk::Application->Classes().Register(
                name, [](tk::TComponent* owner) { return new Inert(owner); });
        main_ = new TMainForm(*tk::Application);
        form_.reset(main_);
        main_->Load();
    }
    void TearDown() override {
        if (subclassed_) RemoveWindowSubclass(View("lvwTableau"), CountFills, 1);
        form_.reset();
        RegisterComponentClasses(*tk::Application);
        ToolkitTest::TearDown();
    }

    HWND View(std::string_view name) const { return main_->Find<tk::TControl>(name).Handle(); }
    // Fills of the page shown that one action made.
    int FillsOf(const std::function<void()>& action) {
        fills_ = 0;
        action();
        Pump();
        return fills_;
    }
    static void Type(HWND box, const wchar_t* text) {
        SetWindowTextW(box, text);
        SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    }
    std::wstring Text(HWND window) const {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }

    ScratchKey settings_{HKEY_CURRENT_USER, L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0"};
    LeftBehind company_{HKEY_CURRENT_USER, L"SOFTWARE\\Vortan Music"};
    // What an action drew, counted from when it starts until all it asked
    // for is drawn.
    Draws DrawnBy(const std::function<void()>& action) {
        Draws counted;
        drawn = &counted;
        HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, Sent, nullptr, GetCurrentThreadId());
        HHOOK posted = SetWindowsHookExW(WH_GETMESSAGE, Posted, nullptr, GetCurrentThreadId());
        action();
        for (int i = 0; i < 5; ++i) {
            Pump();
            Sleep(20);
        }
        UnhookWindowsHookEx(posted);
        UnhookWindowsHookEx(sent);
        drawn = nullptr;
        return counted;
    }
    static void ExpectEachOnce(const Draws& draws, const char* what) {
        EXPECT_FALSE(draws.empty()) << what;
        for (const auto& [key, count] : draws) {
            const auto [window, msg] = key;
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            EXPECT_EQ(count, 1) << what << ": " << ::testing::PrintToString(std::wstring(name))
                                << " " << GetDlgCtrlID(window) << " drawn (or filled) by message "
                                << msg;
        }
    }

    TMainForm* main_ = nullptr;
    std::unique_ptr<TMainForm> form_;
    int fills_ = 0;
    bool subclassed_ = false;
};

TEST_F(DetailRefresh, AFirstShowingFillsItsListsAndDrawsEachWindowOnceWhenWhole) {
    // The window at the screen's bottom left, so that the view's showing
    // moves it up as it grows, and the mouse pointer in the opposite
    // corner: a heading under the pointer lights up, which draws it again.
    RECT window{};
    GetWindowRect(main_->Handle(), &window);
    SetWindowPos(main_->Handle(), nullptr, 0,
                 GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top) - 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, 0);
    // Figures to show: each page's lists are filled once, when made.
    Type(View("txtTempo"), L"120");
    ShowWindow(main_->Handle(), SW_SHOWNA);
    UpdateWindow(main_->Handle());
    Pump();
    ExpectEachOnce(DrawnBy([&] { main_->ShowDetailView(true); }), "the view");
    auto& tabs = main_->Find<tk::TPageControl>("pgcPages");
    for (int tab = 1; tab < tabs.TabCount(); ++tab) {
        ExpectEachOnce(DrawnBy([&] { tabs.SetTabIndex(tab); }), "a page");
    }
}

TEST_F(DetailRefresh, EachUserActionFillsThePageShownOnce) {
    main_->ShowDetailView(true);
    SetWindowSubclass(View("lvwTableau"), CountFills, 1, reinterpret_cast<DWORD_PTR>(&fills_));
    subclassed_ = true;
    HWND tempo = View("txtTempo");
    EXPECT_EQ(FillsOf([&] { Type(tempo, L"120"); }), 1) << "a tempo typed with Enter";
    EXPECT_EQ(Text(View("txtRonde")), L"2000");
    EXPECT_EQ(FillsOf([&] { SendMessageW(View("rdoCroche"), BM_CLICK, 0, 0); }), 1)
        << "a beat unit chosen";
    EXPECT_EQ(Text(View("txtRonde")), L"4000");
    EXPECT_EQ(FillsOf([&] { SendMessageW(View("cmdDouble"), BM_CLICK, 0, 0); }), 1) << "×2";
    EXPECT_EQ(Text(tempo), L"240");
    EXPECT_EQ(FillsOf([&] { SendMessageW(View("cmdMoitie"), BM_CLICK, 0, 0); }), 1) << "÷2";
    EXPECT_EQ(FillsOf([&] { Type(View("txtTempoExact"), L"117.55"); }), 1) << "an exact tempo";
    EXPECT_EQ(Text(tempo), L"118");

    // A delay's line chosen: 500 ms is a quarter note at 240 to the eighth.
    Type(View("txtDelai"), L"500");
    HWND lines = View("lstTempos");
    ASSERT_GT(SendMessageW(lines, LB_GETCOUNT, 0, 0), 4);
    SendMessageW(lines, LB_SETCURSEL, 4, 0);
    EXPECT_EQ(FillsOf([&] { SendMessageW(lines, WM_KEYDOWN, VK_RETURN, 0); }), 1)
        << "a delay's line chosen";

    // Two taps half a second apart: the second enters its tempo.
    HWND tap = View("cmdTaper");
    PostMessageW(tap, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageW(tap, WM_LBUTTONUP, 0, 0);
    Pump();
    Sleep(500);
    EXPECT_EQ(FillsOf([&] {
                  PostMessageW(tap, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                  PostMessageW(tap, WM_LBUTTONUP, 0, 0);
              }),
              1)
        << "a tap";
    EXPECT_NE(Text(View("lblTempoTape")).find(L"Tempo tapé"), std::wstring::npos);
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace rytmalo::testing
