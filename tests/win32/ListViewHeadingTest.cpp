// A list view's heading changed with a setting ("96 kHz" for "44,1 kHz")
// keeps its column's alignment: read back from the list and from its
// header, which draws it.
#include "ToolkitFixture.h"
#include "toolkit/ListView.h"

namespace tk::testing {
namespace {

const FormLayout& ListLayout() {
    static const FormLayout layout = [] {
        FormLayout f;
        f.className = "TTestListHeadings";
        f.left = 60;
        f.top = 60;
        f.clientWidth = 300;
        f.clientHeight = 120;
        f.borderStyle = BorderStyle::Single;
        f.controls = {{.kind = ControlKind::ListView,
                       .name = "Figures",
                       .id = 2101,
                       .bounds = Bounds(8, 8, 280, 100),
                       .columns = {{L"Valeur", 100},
                                   {L"44,1 kHz", 60, Alignment::Right},
                                   {L"Clic", 50, Alignment::Center}}}};
        return f;
    }();
    return layout;
}

struct Heading {
    std::wstring text;
    int listFormat;    // LVCFMT_ alignment, as the list keeps it
    int headerFormat;  // HDF_ alignment, as the header draws it
};

Heading HeadingOf(HWND list, int column) {
    wchar_t text[64] = {};
    LVCOLUMNW c{};
    c.mask = LVCF_FMT | LVCF_TEXT;
    c.pszText = text;
    c.cchTextMax = 64;
    ListView_GetColumn(list, column, &c);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(list), column, &item);
    return {text, c.fmt & LVCFMT_JUSTIFYMASK, item.fmt & HDF_JUSTIFYMASK};
}

using ListViewHeadings = ToolkitTest;

TEST_F(ListViewHeadings, ACaptionChangedKeepsItsColumnsAlignment) {
    TestForm& form = MakeForm(ListLayout());
    form.Show();
    auto& list = form.Find<TListView>("Figures");
    const std::pair<int, int> formats[] = {
        {LVCFMT_LEFT, HDF_LEFT}, {LVCFMT_RIGHT, HDF_RIGHT}, {LVCFMT_CENTER, HDF_CENTER}};
    for (int column = 0; column < 3; ++column) {
        const auto [listFormat, headerFormat] = formats[column];
        EXPECT_EQ(HeadingOf(list.Handle(), column).headerFormat, headerFormat) << column;
        for (const wchar_t* caption : {L"96 kHz", L"192 kHz"}) {
            list.SetColumnCaption(column, caption);
            const Heading heading = HeadingOf(list.Handle(), column);
            EXPECT_EQ(heading.text, caption);
            EXPECT_EQ(heading.listFormat, listFormat) << column;
            EXPECT_EQ(heading.headerFormat, headerFormat) << column;
        }
    }
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace tk::testing
