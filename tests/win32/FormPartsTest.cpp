// What a form offers for a part shown on demand: controls added from a
// layout of their own, room below its content, a checked menu command,
// mnemonics, list controls, the clipboard.
#include <future>
#include <thread>

#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "toolkit/Button.h"
#include "toolkit/Clipboard.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"

namespace tk::testing {
namespace {

constexpr ListColumn kGridColumns[] = {{L"A", 100}, {L"B", 60, Alignment::Right}};

const FormLayout& PartsLayout() {
    static const FormLayout layout = [] {
        FormLayout f = FormAt("TTestParts", L"", Bounds(60, 60, 300, 100), BorderStyle::Single);
        f.controls = {Control(ControlKind::Edit, "Top", Bounds(8, 8, 100, 21)).Tab(0)};
        f.menu = {
            {.name = "View", .caption = L"&Vue"},
            {.name = "Details", .parent = "View", .caption = L"&Détails", .checked = true},
        };
        return f;
    }();
    return layout;
}

const std::vector<ControlLayout>& Part() {
    static const std::vector<ControlLayout> part = {
        Control(ControlKind::Label, "Lead", Bounds(8, 108, 60, 13), L"&Nom :").Id(2001),
        Control(ControlKind::Edit, "Name", Bounds(70, 104, 80, 21)).Id(2002),
        Control(ControlKind::Button, "Go", Bounds(160, 102, 60, 25), L"&Aller").Id(2003),
        Control(ControlKind::ListView, "Grid", Bounds(8, 132, 280, 90))
            .Id(2004)
            .Columns(kGridColumns),
        Control(ControlKind::ListBox, "Lines", Bounds(8, 226, 280, 40)).Id(2005),
    };
    return part;
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

// A heading's alignment as the list keeps it and as its header draws it.
std::pair<int, int> HeadingFormat(HWND list, int column) {
    LVCOLUMNW c{};
    c.mask = LVCF_FMT;
    ListView_GetColumn(list, column, &c);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(list), column, &item);
    return {c.fmt & LVCFMT_JUSTIFYMASK, item.fmt & HDF_JUSTIFYMASK};
}

using FormParts = ToolkitTest;

TEST_F(FormParts, AddedControlsRoomBelowAndTheirKeys) {
    TestForm& form = MakeForm(PartsLayout());
    form.Show();
    RECT before;
    GetWindowRect(form.Handle(), &before);
    form.SetExtraClientHeight(170);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.bottom, 270);
    RECT after;
    GetWindowRect(form.Handle(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    ASSERT_EQ(form.AddControls(Part()).size(), Part().size());
    HWND name = GetDlgItem(form.Handle(), 2002);
    ASSERT_NE(name, nullptr) << "the layout's own identifier";
    EXPECT_EQ(&form.Find<TControl>("Name"), TControl::FromHandle(name));

    // Alt and the label's letter: the control after it; the button's: a click.
    int clicks = 0;
    form.Find<TButton>("Go").OnClick = [&] { ++clicks; };
    const auto alt = [&](WORD key) {
        MSG msg{form.Find<TControl>("Top").Handle(), WM_SYSKEYDOWN, key, 0};
        return form.DialogKey(msg);
    };
    EXPECT_TRUE(alt('N'));
    EXPECT_EQ(GetFocus(), name);
    EXPECT_TRUE(alt('A'));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(alt('V')) << "the menu bar's letter stays the menu's";

    // The check mark of a menu command follows the item.
    TMenuItem& details = form.Find<TMenuItem>("Details");
    const int command = PartsLayout().MenuId("Details");
    EXPECT_NE(GetMenuState(GetMenu(form.Handle()), command, MF_BYCOMMAND) & MF_CHECKED, 0u);
    details.SetChecked(false);
    EXPECT_EQ(GetMenuState(GetMenu(form.Handle()), command, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_FALSE(details.Checked());
}

TEST_F(FormParts, ListsHoldTheirRowsAndTheClipboardTheText) {
    TestForm& form = MakeForm(PartsLayout());
    form.AddControls(Part());
    auto& grid = form.Find<TListView>("Grid");
    grid.SetRows({{L"un", L"1"}, {L"deux", L"2"}, {L"trois", L"3"}});
    grid.SetRows({{L"quatre", L"4"}, {L"cinq", L"5"}});
    EXPECT_EQ(grid.RowCount(), 2) << "rows beyond the new ones go";
    EXPECT_EQ(grid.Cell(1, 0), L"cinq");
    EXPECT_EQ(grid.Cell(1, 1), L"5");
    EXPECT_TRUE(grid.SelectedRows().empty());
    ListView_SetItemState(grid.Handle(), 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});

    auto& lines = form.Find<TListBox>("Lines");
    lines.SetItems({L"a", L"b"});
    lines.SetItems({L"c"});
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.ItemIndex(), -1);
    lines.SetItemIndex(0);
    EXPECT_EQ(lines.ItemIndex(), 0);

    CopyText(form.Handle(), L"Noire\t500,00\r\n");
    EXPECT_EQ(ClipboardText(), L"Noire\t500,00\r\n");
    // Memory that cannot be locked: the copy fails, saying so, and the
    // clipboard keeps what it had.
    EXPECT_THROW(
        CopyText(form.Handle(), L"Croche\t250,00\r\n", [](HGLOBAL) -> void* { return nullptr; }),
        Exception);
    EXPECT_EQ(ClipboardText(), L"Noire\t500,00\r\n");
    EXPECT_TRUE(reported.empty());
}

// A heading set with a setting ("96 kHz") keeps its column's alignment.
TEST_F(FormParts, AHeadingChangedKeepsItsColumnsAlignment) {
    TestForm& form = MakeForm(PartsLayout());
    form.AddControls(Part());
    auto& grid = form.Find<TListView>("Grid");
    const std::pair<int, int> formats[] = {{LVCFMT_LEFT, HDF_LEFT}, {LVCFMT_RIGHT, HDF_RIGHT}};
    for (int column = 0; column < 2; ++column) {
        EXPECT_EQ(HeadingFormat(grid.Handle(), column), formats[column]) << column;
        for (const wchar_t* caption : {L"96 kHz", L"192 kHz"}) {
            grid.SetColumnCaption(column, caption);
            EXPECT_EQ(HeadingFormat(grid.Handle(), column), formats[column]) << caption;
        }
    }
    wchar_t text[16] = {};
    HDITEMW item{.mask = HDI_TEXT, .pszText = text, .cchTextMax = 16};
    Header_GetItem(ListView_GetHeader(grid.Handle()), 1, &item);
    EXPECT_STREQ(text, L"192 kHz");
}

// Another thread holds the clipboard: the copy asks a few times over a
// short moment, then says it failed, and the clipboard keeps its text.
TEST_F(FormParts, AClipboardHeldElsewhereKeepsItsText) {
    TestForm& form = MakeForm(PartsLayout());
    CopyText(form.Handle(), L"Noire\t500,00\r\n");
    ASSERT_EQ(ClipboardText(), L"Noire\t500,00\r\n");
    std::promise<bool> opened;
    std::promise<void> release;
    std::thread holder([&opened, released = release.get_future()] {
        const bool open = OpenClipboard(nullptr) != FALSE;
        opened.set_value(open);
        if (!open) return;
        // A copy that waited for the clipboard would have it after this
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

// Held for a moment only (a reader busy on a loaded machine): the copy
// waits for it and succeeds.
TEST_F(FormParts, AClipboardHeldForAMomentTakesTheCopyOnceFree) {
    TestForm& form = MakeForm(PartsLayout());
    std::promise<void> opened;
    std::thread holder([&opened] {
        if (OpenClipboard(nullptr)) {
            opened.set_value();
            Sleep(400);
            CloseClipboard();
        } else {
            opened.set_value();
        }
    });
    opened.get_future().wait();
    EXPECT_NO_THROW(CopyText(form.Handle(), L"Croche\t250,00\r\n"));
    holder.join();
    EXPECT_EQ(ClipboardText(), L"Croche\t250,00\r\n");
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace tk::testing
