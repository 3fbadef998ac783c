// What a form offers for a part shown on demand: controls added from a
// layout of their own, room below its content, a checked menu command,
// mnemonics, list controls, the clipboard.
#include "ToolkitFixture.h"
#include "toolkit/Button.h"
#include "toolkit/Clipboard.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"

namespace tk::testing {
namespace {

const FormLayout& PartsLayout() {
    static const FormLayout layout = [] {
        FormLayout f;
        f.className = "TTestParts";
        f.left = 60;
        f.top = 60;
        f.clientWidth = 300;
        f.clientHeight = 100;
        f.borderStyle = BorderStyle::Single;
        f.controls = {{.kind = ControlKind::Edit,
                       .name = "Top",
                       .bounds = Bounds(8, 8, 100, 21),
                       .tabOrder = 0}};
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
        {.kind = ControlKind::Label,
         .name = "Lead",
         .id = 2001,
         .bounds = Bounds(8, 108, 60, 13),
         .caption = L"&Nom :"},
        {.kind = ControlKind::Edit, .name = "Name", .id = 2002, .bounds = Bounds(70, 104, 80, 21)},
        {.kind = ControlKind::Button,
         .name = "Go",
         .id = 2003,
         .bounds = Bounds(160, 102, 60, 25),
         .caption = L"&Aller"},
        {.kind = ControlKind::ListView,
         .name = "Grid",
         .id = 2004,
         .bounds = Bounds(8, 132, 280, 90),
         .columns = {{L"A", 100}, {L"B", 60, Alignment::Right}}},
        {.kind = ControlKind::ListBox,
         .name = "Lines",
         .id = 2005,
         .bounds = Bounds(8, 226, 280, 40)},
    };
    return part;
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

    const auto clipboardText = [] {
        std::wstring text;
        if (!OpenClipboard(nullptr)) return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    };
    CopyText(form.Handle(), L"Noire\t500,00\r\n");
    EXPECT_EQ(clipboardText(), L"Noire\t500,00\r\n");
    // Memory that cannot be locked: the copy fails, saying so, and the
    // clipboard keeps what it had.
    EXPECT_THROW(
        CopyText(form.Handle(), L"Croche\t250,00\r\n", [](HGLOBAL) -> void* { return nullptr; }),
        Exception);
    EXPECT_EQ(clipboardText(), L"Noire\t500,00\r\n");
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace tk::testing
