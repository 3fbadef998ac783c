// The main window and its detailed view in this process, its single-instance
// guard and path registration left out: each user action fills the page
// shown once. A page's list is filled with its redrawing turned off
// around it, which a subclass counts.
#include "RegistryScratch.h"
#include "ToolkitFixture.h"
#include "app/ComponentClasses.h"
#include "app/DetailViewLayout.h"
#include "app/MainForm.h"
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
        main_->ShowDetailView(true);
        SetWindowSubclass(View("lvwTableau"), CountFills, 1, reinterpret_cast<DWORD_PTR>(&fills_));
    }
    void TearDown() override {
        RemoveWindowSubclass(View("lvwTableau"), CountFills, 1);
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
    TMainForm* main_ = nullptr;
    std::unique_ptr<TMainForm> form_;
    int fills_ = 0;
};

TEST_F(DetailRefresh, EachUserActionFillsThePageShownOnce) {
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
