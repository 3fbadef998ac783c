// How a form makes its controls' windows: the later listed in front of the
// earlier ones, a page control's tabs in the layout's order, the menu bar
// with the window; and the hook through which a control hears its window,
// found from the window, off without a trace, still working under a
// procedure put on top, gone with its window.
#include <string>
#include <vector>

#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "core/Exception.h"
#include "toolkit/PageControl.h"
#include "toolkit/ProcedureHook.h"
#include "toolkit/WindowHook.h"

namespace tk::testing {
namespace {

const FormLayout& StackLayout() {
    static const FormLayout layout = [] {
        FormLayout f = FormAt("TTestStack", L"", Bounds(40, 40, 300, 200), BorderStyle::Single);
        f.controls = {
            Control(ControlKind::Bevel, "Frame", Bounds(8, 120, 280, 60)),
            Control(ControlKind::Panel, "Box", Bounds(8, 8, 280, 100), L"Boîte"),
            Control(ControlKind::Label, "First", Bounds(8, 20, 60, 13), L"Un").In("Box"),
            Control(ControlKind::Edit, "Second", Bounds(8, 40, 60, 21)).In("Box"),
            Control(ControlKind::Label, "Third", Bounds(8, 70, 60, 13), L"Trois").In("Box"),
            // A scroll bar and no edge: a frame on one side only.
            Control(ControlKind::Memo, "Notes", Bounds(100, 20, 100, 60)).In("Box").Flat(),
            // Over the frame listed before it.
            Control(ControlKind::Button, "Go", Bounds(100, 130, 80, 25), L"Aller"),
            Control(ControlKind::PageControl, "Pages", Bounds(190, 120, 100, 70)),
            Control(ControlKind::TabSheet, "A", {}, L"Un").In("Pages"),
            Control(ControlKind::TabSheet, "B", {}, L"Deux").In("Pages"),
            Control(ControlKind::TabSheet, "C", {}, L"Trois").In("Pages"),
        };
        f.menu = ViewMenu();
        return f;
    }();
    return layout;
}

// The names of a window's children, from the front.
std::vector<std::string> FromTheFront(HWND parent) {
    std::vector<std::string> names;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        const TControl* control = TControl::FromHandle(w);
        names.push_back(control ? control->Name() : "?");
    }
    return names;
}

using ControlWindows = ToolkitTest;

TEST_F(ControlWindows, LaterControlsLieInFrontTabsKeepTheirOrderTheMenuBarCameWithTheWindow) {
    TestForm& form = MakeForm(StackLayout());
    EXPECT_EQ(FromTheFront(form.Handle()),
              (std::vector<std::string>{"Pages", "Go", "Box", "Frame"}));
    EXPECT_EQ(FromTheFront(form.Find<TControl>("Box").Handle()),
              (std::vector<std::string>{"Notes", "Third", "Second", "First"}));
    auto& pages = form.Find<TPageControl>("Pages");
    ASSERT_EQ(pages.TabCount(), 3);
    EXPECT_EQ(pages.TabCaption(0), L"Un");
    EXPECT_EQ(pages.TabCaption(1), L"Deux");
    EXPECT_EQ(pages.TabCaption(2), L"Trois");

    // Controls added later come in front of those already there.
    form.AddControls(
        {Control(ControlKind::Label, "Late", Bounds(8, 180, 60, 13), L"Tard").Id(3001)});
    EXPECT_EQ(FromTheFront(form.Handle()).front(), "Late");

    EXPECT_NE(GetMenu(form.Handle()), nullptr);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, form.Scale(300));
    EXPECT_EQ(client.bottom, form.Scale(200)) << "the menu bar was counted in the window's size";
}

TEST_F(ControlWindows, AFramelessControlPaintsNoFrameAnEdgedOneDoes) {
    TestForm& form = MakeForm(StackLayout());
    EXPECT_FALSE(HasFrame(form.Find<TControl>("First").Handle()));
    EXPECT_FALSE(HasFrame(form.Find<TControl>("Go").Handle()));
    EXPECT_TRUE(HasFrame(form.Find<TControl>("Second").Handle())) << "its sunken edge";
    EXPECT_TRUE(HasFrame(form.Find<TControl>("Notes").Handle())) << "its scroll bar";
}

constexpr UINT kEcho = WM_APP + 2;
constexpr UINT kFail = WM_APP + 3;

// Answers the echo itself, counting it, and fails when told to.
class EchoHook : public TProcedureHook {
public:
    int seen = 0;
    bool gone = false;

protected:
    void WndProc(Message& m) override {
        if (m.msg == kFail) throw Exception(L"Crochet en échec");
        if (m.msg == kEcho) {
            ++seen;
            m.result = 7;
            return;
        }
        Default(m);
    }
    void Unhooked() override { gone = true; }
};

// A subclass of the system's, put on top: counts the echoes it passes on.
class TopHook : public TWindowHook {
public:
    int seen = 0;

protected:
    void WndProc(Message& m) override {
        if (m.msg == kEcho) ++seen;
        Default(m);
    }
};

HWND MakeStatic() {
    return CreateWindowExW(0, L"STATIC", L"Texte", WS_POPUP, 0, 0, 60, 20, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::wstring TextOf(HWND w) {
    wchar_t text[32] = {};
    GetWindowTextW(w, text, 32);
    return text;
}

using ProcedureHooks = ToolkitTest;

TEST_F(ProcedureHooks, AHookHearsItsWindowIsFoundAndComesOffLeavingItAsItWas) {
    HWND w = MakeStatic();
    const LONG_PTR own = GetWindowLongPtrW(w, GWLP_WNDPROC);
    EchoHook hook;
    ASSERT_TRUE(hook.Hook(w));
    EXPECT_EQ(TProcedureHook::Find(w), &hook);
    EchoHook another;
    EXPECT_FALSE(another.Hook(w)) << "one per window";
    EXPECT_EQ(SendMessageW(w, kEcho, 0, 0), 7);
    EXPECT_EQ(TextOf(w), L"Texte") << "the window's own handling";
    EXPECT_EQ(SendMessageW(w, kFail, 0, 0), 0);
    EXPECT_EQ(reported, std::vector<std::wstring>{L"Crochet en échec"});

    hook.Unhook();
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), own);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_USERDATA), 0);
    EXPECT_EQ(TProcedureHook::Find(w), nullptr);
    EXPECT_EQ(SendMessageW(w, kEcho, 0, 0), 0);
    EXPECT_EQ(hook.seen, 1);
    DestroyWindow(w);
}

TEST_F(ProcedureHooks, UnderASubclassPutOnTopItHearsAndComesOffWithoutCuttingIt) {
    HWND w = MakeStatic();
    EchoHook hook;
    ASSERT_TRUE(hook.Hook(w));
    TopHook top;
    ASSERT_TRUE(top.Hook(w));
    EXPECT_EQ(SendMessageW(w, kEcho, 0, 0), 7);
    EXPECT_EQ(top.seen, 1);
    EXPECT_EQ(hook.seen, 1);

    hook.Unhook();
    EXPECT_EQ(SendMessageW(w, kEcho, 0, 0), 0) << "passed on to the window's own procedure";
    EXPECT_EQ(top.seen, 2);
    EXPECT_EQ(hook.seen, 1);
    EXPECT_EQ(TextOf(w), L"Texte");
    top.Unhook();
    EXPECT_EQ(TextOf(w), L"Texte");
    DestroyWindow(w);
}

TEST_F(ProcedureHooks, AWindowThatGoesTakesItsHookOff) {
    HWND w = MakeStatic();
    EchoHook hook;
    ASSERT_TRUE(hook.Hook(w));
    DestroyWindow(w);
    EXPECT_TRUE(hook.gone);
    EXPECT_EQ(hook.Hooked(), nullptr);
}

LRESULT CALLBACK PassOn(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(w, L"RytmaloTestPrevious"));
    return CallWindowProcW(previous, w, msg, wParam, lParam);
}

TEST_F(ProcedureHooks, AControlIsFoundFromItsWindowAndNoOtherWindowIsTakenForOne) {
    TestForm& form = MakeForm(StackLayout());
    TControl& first = form.Find<TControl>("First");
    EXPECT_EQ(TControl::FromHandle(first.Handle()), &first);
    EXPECT_EQ(TControl::FromHandle(form.Handle()), nullptr) << "the form keeps its own data";
    EXPECT_EQ(TProcedureHook::Find(form.Handle()), nullptr);
    EXPECT_EQ(TControl::FromHandle(Application->Handle()), nullptr);
    EXPECT_EQ(TControl::FromHandle(nullptr), nullptr);

    // A procedure put on top by other code: still found, through its form.
    HWND w = first.Handle();
    SetPropW(w, L"RytmaloTestPrevious",
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(w, GWLP_WNDPROC)));
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn));
    EXPECT_EQ(TProcedureHook::Find(w), nullptr) << "its procedure is no longer the hook's";
    EXPECT_EQ(TControl::FromHandle(w), &first);
    SetWindowLongPtrW(w, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(RemovePropW(w, L"RytmaloTestPrevious")));
    EXPECT_EQ(TControl::FromHandle(w), &first);
}

}  // namespace
}  // namespace tk::testing
