// The window with its detailed view on the screens most people have: the
// most common laptop's (1920×1080 at 150 %, 144 dpi, 1920×1020 of work
// area) and a small one (1024×768 at 96 dpi, 1024×728 of work area). Each
// is a desktop of its own, of that size, in which this test program runs
// again to start the real program there: the whole window fits, and the
// lists of Mesures, Mixage and Image show all their rows.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DetailViewFixture.h"
#include "DisplayDpi.h"
#include "app/DetailPages.h"

namespace rytmalo::e2e {
namespace {

constexpr char kInside[] = "RYTMALO_SCREEN_INSIDE";

// Run from inside a desktop of the screen's size, by the test below.
using ScreenInside = DetailView;

TEST_F(ScreenInside, TheWindowFitsAndItsListsShowAllTheirRows) {
    const char* dpi = std::getenv(kInside);
    if (!dpi) GTEST_SKIP() << "run by Screens.* in a desktop of its own";
    for (const PageId page : {PageId::Bars, PageId::Mixing, PageId::Picture}) {
        SCOPED_TRACE(static_cast<int>(page));
        ClearSettings();
        Save(L"TableauDetaille", Dword(1));
        Save(L"PageDetail", Dword(static_cast<DWORD>(page)));
        // A compound metre whose count is not the beat: the most rows.
        Save(L"MesureHaut", Dword(12));
        Save(L"MesureBas", Dword(8));
        // Started as it starts for a user; this desktop need not be the
        // one in front.
        program_ = driver::Process::Launch(driver::ProgramPath());
        main_ = driver::WaitForTopLevel(program_.Id(), L"TMainForm", 20000);
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(driver::WaitUntil([&] { return ViewShown(); }));
        // At the resolution asked for: the tools start after the calculator.
        EXPECT_EQ(driver::RectInParent(ViewControl("pnlOutils")).left,
                  MulDiv(kToolsLeft, std::atoi(dpi), 96));
        MONITORINFO monitor{sizeof monitor};
        GetMonitorInfoW(MonitorFromWindow(Main(), MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT window = driver::ScreenRect(Main());
        EXPECT_GE(window.left, monitor.rcWork.left);
        EXPECT_GE(window.top, monitor.rcWork.top);
        EXPECT_LE(window.right, monitor.rcWork.right);
        EXPECT_LE(window.bottom, monitor.rcWork.bottom);
        for (const FigureList& list : PageRowOf(page).content().lists) {
            HWND view = ViewControl(list.name);
            ASSERT_NE(view, nullptr) << list.name;
            EXPECT_GE(SendMessageW(view, LVM_GETCOUNTPERPAGE, 0, 0), list.rows) << list.name;
        }
        program_.Kill();
    }
}

// A desktop of a size, at a resolution, with this program run inside it;
// what it found, read back from its report.
class Screens : public ::testing::Test {
protected:
    static void RunInside(int width, int height, int dpi) {
        const DisplayDpi resolution(dpi);
        const std::wstring report = driver::OwnDirectory() + L"screen-" + std::to_wstring(width) +
                                    L"x" + std::to_wstring(height) + L".xml";
        DeleteFileW(report.c_str());
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring name = L"Rytmalo" + std::to_wstring(width);
        const std::wstring arguments =
            L"/desktop=" + name + L"," + std::to_wstring(width) + L"x" + std::to_wstring(height) +
            L" \"" + self + L"\" --gtest_filter=ScreenInside.* --gtest_output=xml:" + report;
        SetEnvironmentVariableA(kInside, std::to_string(dpi).c_str());
        driver::Process explorer =
            driver::Process::Launch(L"C:\\windows\\explorer.exe", arguments, false);
        SetEnvironmentVariableA(kInside, nullptr);
        std::string xml;
        ASSERT_TRUE(driver::WaitUntil(
            [&] {
                std::ifstream in{std::filesystem::path(report)};
                std::stringstream read;
                read << in.rdbuf();
                xml = read.str();
                return xml.find("</testsuites>") != std::string::npos;
            },
            180000))
            << "no report from inside the desktop";
        EXPECT_NE(xml.find("tests=\"1\""), std::string::npos) << xml;
        EXPECT_EQ(xml.find("<skipped"), std::string::npos) << xml;
        EXPECT_NE(xml.find("failures=\"0\""), std::string::npos) << xml;
    }
};

TEST_F(Screens, TheCommonLaptopAt150Percent) { RunInside(1920, 1020, 144); }

TEST_F(Screens, ASmallScreenAt100Percent) { RunInside(1024, 728, 96); }

}  // namespace
}  // namespace rytmalo::e2e
