// The main window as a new user first sees it.
#include "ProgramFixture.h"

namespace rytmalo::e2e {
namespace {

using MainWindow = ProgramTest;

struct Expected {
    const char* name;
    const wchar_t* windowClass;
    RECT rect;  // left, top, right, bottom in the parent's client area
    const wchar_t* text;
};

// Where each control was designed to be, and what it says.
const Expected kControls[] = {
    {"GroupBox1", L"Button", {8, 8, 137, 81}, L"Tempo"},
    {"txtTempo", L"Edit", {40, 32, 97, 53}, L""},
    {"GroupBox2", L"Button", {144, 8, 369, 81}, L"Unité de temps"},
    {"rdoRonde", L"Button", {24, 24, 129, 41}, L"Blanche (x/2)"},
    {"rdoNoire", L"Button", {24, 48, 105, 65}, L"Noire (x/4)"},
    {"rdoCroche", L"Button", {120, 24, 201, 41}, L"Croche (x/8)"},
    {"rdoDouble", L"Button", {120, 48, 209, 65}, L"Double (x/16)"},
    {"Panel1", L"Static", {8, 88, 369, 249}, L""},
    {"Panel2", L"Static", {1, 1, 359, 27}, L"  Délai (ms)"},
    {"Bevel1", L"Static", {8, 256, 369, 321}, L""},
    {"cmdQuitter", L"Button", {128, 272, 249, 305}, L"Quitter"},
};

TEST_F(MainWindow, TitlesOfTaskbarEntryAndWindow) {
    HWND application = driver::FindTopLevel(Pid(), L"TApplication", false);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(driver::TextOf(application), L"Rytmalo95");
    EXPECT_EQ(GetWindow(Main(), GW_OWNER), application) << "the taskbar entry owns the window";

    // The window keeps its title itself and gives it to any program asking.
    EXPECT_EQ(driver::TextOf(Main()), L"Rytmalo 95");
    EXPECT_EQ(SendMessageW(Main(), WM_GETTEXTLENGTH, 0, 0), 10);
    wchar_t small[9] = L"XXXXXXXX";
    EXPECT_EQ(SendMessageW(Main(), WM_GETTEXT, 8, reinterpret_cast<LPARAM>(small)), 7);
    EXPECT_STREQ(small, L"Rytmalo");
    wchar_t none[4] = L"XYZ";
    EXPECT_EQ(SendMessageW(Main(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(none)), 0);
    EXPECT_STREQ(none, L"XYZ");
    // The system's own copy, which GetWindowText reads across programs,
    // never had it.
    wchar_t system[32] = L"?";
    EXPECT_EQ(GetWindowTextW(Main(), system, 32), 0);
}

TEST_F(MainWindow, FixedBorderWithoutSystemMenuOrCloseBox) {
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, 381);
    EXPECT_EQ(client.bottom, 327);
    const LONG style = GetWindowLongW(Main(), GWL_STYLE);
    EXPECT_EQ(style & WS_SYSMENU, 0) << "no system menu, hence no close box";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "not resizable";
    EXPECT_NE(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_NE(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(GetMenu(Main()), nullptr);
}

TEST_F(MainWindow, EveryControlIsAStandardWindowAtItsPlace) {
    for (const Expected& e : kControls) {
        HWND control = Control(e.name);
        ASSERT_NE(control, nullptr) << e.name;
        EXPECT_EQ(driver::ClassOf(control), e.windowClass) << e.name;
        const RECT r = driver::RectInParent(control);
        EXPECT_EQ(r.left, e.rect.left) << e.name;
        EXPECT_EQ(r.top, e.rect.top) << e.name;
        EXPECT_EQ(r.right, e.rect.right) << e.name;
        EXPECT_EQ(r.bottom, e.rect.bottom) << e.name;
        EXPECT_EQ(driver::TextOf(control), e.text) << e.name;
    }
    EXPECT_EQ(GetParent(Control("txtTempo")), Control("GroupBox1"));
    EXPECT_EQ(GetParent(Control("rdoDouble")), Control("GroupBox2"));
    EXPECT_EQ(GetParent(Control("Panel2")), Control("Panel1"));
}

TEST_F(MainWindow, CaptionsEndSevenPixelsBeforeTheirValues) {
    const std::pair<const char*, const wchar_t*> captions[] = {
        {"Label1", L"Ronde :"},         {"Label6", L"Blanche :"},
        {"Label7", L"Noire :"},         {"Label8", L"Triolet de noire :"},
        {"Label9", L"Croche :"},        {"Label4", L"Triolet :"},
        {"Label2", L"Double-Croche :"}, {"Label10", L"Triolet de Double :"},
        {"Label5", L"Triple-Croche :"}, {"Label3", L"Quadruple croche :"},
    };
    for (std::size_t i = 0; i < 10; ++i) {
        HWND caption = Control(captions[i].first);
        HWND value = Control(kValueLabels[i]);
        ASSERT_TRUE(caption && value);
        EXPECT_EQ(driver::TextOf(caption), captions[i].second);
        EXPECT_EQ(GetParent(caption), Control("Panel1"));
        const RECT c = driver::RectInParent(caption);
        const RECT v = driver::RectInParent(value);
        EXPECT_EQ(c.right, v.left - 7) << captions[i].first;
        EXPECT_EQ(c.top, v.top) << captions[i].first;
        EXPECT_EQ(v.left, i < 5 ? 120 : 304);
        EXPECT_EQ(v.top, 40 + 24 * static_cast<int>(i % 5));
    }
}

TEST_F(MainWindow, OpensReadyToTypeATempo) {
    EXPECT_EQ(Focused(), Control("txtTempo"));
    EXPECT_TRUE(Checked("rdoNoire"));
    for (const char* other : {"rdoRonde", "rdoCroche", "rdoDouble"}) EXPECT_FALSE(Checked(other));
    for (const std::wstring& value : Values()) EXPECT_EQ(value, L"");
    EXPECT_EQ(SendMessageW(Control("txtTempo"), EM_GETLIMITTEXT, 0, 0), 3);
}

TEST_F(MainWindow, TabGoesFromTempoToBeatUnitToQuit) {
    driver::PressKey(VK_TAB);
    EXPECT_TRUE(driver::WaitUntil([&] { return Focused() == Control("rdoNoire"); }));
    driver::PressKey(VK_TAB);
    EXPECT_TRUE(driver::WaitUntil([&] { return Focused() == Control("cmdQuitter"); }));
    driver::PressKey(VK_TAB);
    EXPECT_TRUE(driver::WaitUntil([&] { return Focused() == Control("txtTempo"); }));
    driver::PressChord({VK_SHIFT, VK_TAB});
    EXPECT_TRUE(driver::WaitUntil([&] { return Focused() == Control("cmdQuitter"); }));
}

TEST_F(MainWindow, LooksAsDesigned) {
    Sleep(500);
    RECT client;
    GetClientRect(Main(), &client);
    MapWindowPoints(Main(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const driver::Image image = driver::Capture(client);
    driver::SaveBmp(image, driver::OwnDirectory() + L"main-window.bmp");
    // The value panel is black inside its bevel; the header is grey.
    EXPECT_EQ(image.ColorAt(8 + 180, 88 + 100), RGB(0, 0, 0));
    EXPECT_EQ(image.ColorAt(8 + 300, 88 + 14), RGB(128, 128, 128));
    // Caption labels are yellow: some pixel of "Ronde :" is.
    bool yellow = false;
    const RECT ronde = driver::RectInParent(Control("Label1"));
    for (int y = ronde.top; y < ronde.bottom; ++y) {
        for (int x = ronde.left; x < ronde.right; ++x) {
            if (image.ColorAt(8 + x, 88 + y) == RGB(255, 255, 0)) yellow = true;
        }
    }
    EXPECT_TRUE(yellow);
}

}  // namespace
}  // namespace rytmalo::e2e
