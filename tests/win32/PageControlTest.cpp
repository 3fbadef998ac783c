#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "driver/Driver.h"
#include "toolkit/PageControl.h"

namespace tk::testing {
namespace {

const FormLayout& PagesLayout() {
    static const FormLayout layout = [] {
        FormLayout f = FormAt("TTestPages", L"", Bounds(0, 0, 308, 309), BorderStyle::Dialog);
        f.controls = {
            Control(ControlKind::PageControl, "Pages", Bounds(8, 8, 289, 257)).Help(13).Tab(0),
            Control(ControlKind::TabSheet, "Display", {}, L"Options d'affichage").In("Pages"),
            Control(ControlKind::CheckBox, "Check", Bounds(24, 40, 233, 17), L"Coche")
                .In("Display")
                .Tab(0),
            Control(ControlKind::Button, "Ok", Bounds(144, 272, 73, 25), L"OK").Tab(1),
        };
        return f;
    }();
    return layout;
}

using Pages = ToolkitTest;

TEST_F(Pages, ATabPageFillsTheDisplayAreaAndHoldsItsControls) {
    TestForm& form = MakeForm(PagesLayout());
    form.Show();
    auto& pages = form.Find<TPageControl>("Pages");
    auto& page = form.Find<TTabSheet>("Display");
    auto& check = form.Find<TControl>("Check");

    EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(pages.Handle(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Options d'affichage");
    EXPECT_EQ(pages.ActivePage(), &page);
    EXPECT_TRUE(IsWindowVisible(page.Handle()));

    ASSERT_EQ(GetParent(page.Handle()), pages.Handle());
    const RECT pageRect = driver::RectInParent(page.Handle());
    const RECT area = pages.DisplayRect();
    EXPECT_EQ(pageRect.left, area.left);
    EXPECT_EQ(pageRect.top, area.top);
    EXPECT_EQ(pageRect.right, area.right);
    EXPECT_EQ(pageRect.bottom, area.bottom);

    EXPECT_EQ(GetParent(check.Handle()), page.Handle());
    const RECT c = driver::RectInParent(check.Handle());
    EXPECT_EQ(c.left, 24);
    EXPECT_EQ(c.top, 40);
}

TEST_F(Pages, TabReachesTheControlsOfThePageAndF1TheirContainersContext) {
    TestForm& form = MakeForm(PagesLayout());
    form.Show();
    form.Find<TControl>("Ok").SetFocus();
    ASSERT_TRUE(Key(form, GetFocus(), VK_TAB));
    EXPECT_EQ(GetFocus(), form.Find<TControl>("Check").Handle());

    HELPINFO info{sizeof info, HELPINFO_WINDOW, 0, form.Find<TControl>("Check").Handle(),
                  0,           {0, 0}};
    SendMessageW(form.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(helpRequests.size(), 1u);
    EXPECT_EQ(helpRequests[0].context, 13);
}

}  // namespace
}  // namespace tk::testing
