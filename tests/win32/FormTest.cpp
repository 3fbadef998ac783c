// Forms built from layouts: their windows, keyboard, events, help, errors and
// modal showing, against real windows.
#include <thread>

#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "core/Exception.h"
#include "driver/Driver.h"
#include "toolkit/Button.h"
#include "toolkit/CheckControls.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

namespace tk::testing {
namespace {

FormLayout DialogLayout(std::string_view className, unsigned icons) {
    FormLayout f =
        FormAt(className, L"Essai", Bounds(100, 100, 320, 200), BorderStyle::Dialog, icons);
    f.helpContext = 40;
    f.controls = {
        Control(ControlKind::GroupBox, "Box", Bounds(8, 8, 200, 100), L"Boîte").Tab(1),
        Control(ControlKind::Edit, "Name", Bounds(10, 20, 100, 21)).In("Box").Help(41).Tab(0),
        Control(ControlKind::RadioButton, "A", Bounds(10, 50, 80, 17), L"A").In("Box"),
        Control(ControlKind::RadioButton, "B", Bounds(10, 70, 80, 17), L"B").In("Box").Checked(),
        Control(ControlKind::RadioButton, "C", Bounds(100, 50, 80, 17), L"C").In("Box"),
        Control(ControlKind::CheckBox, "Check", Bounds(220, 10, 90, 17), L"Coche").Help(42).Tab(0),
        Control(ControlKind::Button, "Ok", Bounds(100, 160, 75, 25), L"OK").Tab(2).Default(mrOk),
        Control(ControlKind::Button, "Cancel", Bounds(180, 160, 75, 25), L"Annuler")
            .Tab(3)
            .Cancel(mrCancel),
        Control(ControlKind::Label, "Info", Bounds(220, 40, 0, 13), L"Bonjour").AutoSize(),
        Control(ControlKind::Label, "Right", Bounds(220, 60, 90, 13), L"Fin")
            .AutoSize(Alignment::Right),
    };
    f.menu = {
        {.name = "File", .caption = L"&Fichier", .helpContext = 50},
        {.name = "Open", .parent = "File", .caption = L"&Ouvrir"},
    };
    return f;
}

const FormLayout& Dialog() {
    static const FormLayout layout = DialogLayout("TTestDialog", biSystemMenu);
    return layout;
}

const FormLayout& HelpIconDialog() {
    static const FormLayout layout = DialogLayout("TTestHelpDialog", biSystemMenu | biHelp);
    return layout;
}

using driver::RectInParent;

using Forms = ToolkitTest;

TEST_F(Forms, AutoSizedLabelsFitTheirTextKeepingTheirAlignedEdge) {
    TestForm& form = MakeForm(Dialog());
    auto& info = form.Find<TLabel>("Info");
    const RECT before = RectInParent(info.Handle());
    // Created at its text's size: fitting again to the same text moves nothing.
    info.SetCaption(info.Caption());
    const RECT refitted = RectInParent(info.Handle());
    EXPECT_TRUE(EqualRect(&refitted, &before));
    info.SetCaption(L"Un texte bien plus long");
    const RECT after = RectInParent(info.Handle());
    EXPECT_EQ(after.left, before.left);
    EXPECT_GT(after.right - after.left, before.right - before.left);

    auto& right = form.Find<TLabel>("Right");
    const RECT created = RectInParent(right.Handle());
    const int rightEdge = created.right;
    EXPECT_EQ(rightEdge, 310);
    right.SetCaption(right.Caption());
    const RECT rightRefitted = RectInParent(right.Handle());
    EXPECT_TRUE(EqualRect(&rightRefitted, &created));
    right.SetCaption(L"Un texte plus long");
    EXPECT_EQ(RectInParent(right.Handle()).right, rightEdge);
}

TEST_F(Forms, TabVisitsTabStopsInTabOrderAcrossContainers) {
    TestForm& form = MakeForm(Dialog());
    form.Show();
    const std::vector<std::string> expected = {"Name", "B", "Ok", "Cancel", "Check", "Name"};
    form.Find<TControl>("Check").SetFocus();
    for (const std::string& next : expected) {
        ASSERT_TRUE(Key(form, GetFocus(), VK_TAB));
        EXPECT_EQ(GetFocus(), form.Find<TControl>(next).Handle()) << next;
    }
}

// Edits, one with a tab order, the others after it as they are listed.
const FormLayout& UnorderedDialog() {
    static const FormLayout layout = [] {
        FormLayout f = DialogLayout("TTestUnorderedDialog", biSystemMenu);
        f.controls.clear();
        f.menu.clear();
        int top = 8;
        for (const char* name : {"First", "Second", "Third", "Fourth"}) {
            f.controls.push_back(Control(ControlKind::Edit, name, Bounds(8, top, 100, 21))
                                     .Tab(std::string_view(name) == "Third" ? 0 : -1));
            top += 30;
        }
        return f;
    }();
    return layout;
}

TEST_F(Forms, TabKeepsTheListedOrderOfControlsWithoutATabOrder) {
    TestForm& form = MakeForm(UnorderedDialog());
    form.Show();
    form.Find<TControl>("Third").SetFocus();
    for (const char* next : {"First", "Second", "Fourth", "Third"}) {
        ASSERT_TRUE(Key(form, GetFocus(), VK_TAB));
        EXPECT_EQ(GetFocus(), form.Find<TControl>(next).Handle()) << next;
    }
}

TEST_F(Forms, FindingANameOfAnotherKindOrNoneIsAnError) {
    TestForm& form = MakeForm(Dialog());
    EXPECT_THROW(form.Find<TEdit>("Info"), tk::ProgrammingError);
    EXPECT_THROW(form.Find<TControl>("Absent"), tk::ProgrammingError);
    EXPECT_EQ(form.Find<TControl>("Info").Handle(), form.Find<TLabel>("Info").Handle());
}

TEST_F(Forms, ArrowKeysSelectTheNextRadioButtonOfTheGroup) {
    TestForm& form = MakeForm(Dialog());
    form.Show();
    int clicksOfC = 0;
    form.Find<TRadioButton>("C").OnClick = [&] { ++clicksOfC; };
    form.Find<TControl>("B").SetFocus();
    ASSERT_TRUE(Key(form, GetFocus(), VK_DOWN));
    EXPECT_EQ(GetFocus(), form.Find<TControl>("C").Handle());
    EXPECT_TRUE(form.Find<TRadioButton>("C").Checked());
    EXPECT_FALSE(form.Find<TRadioButton>("B").Checked());
    EXPECT_EQ(clicksOfC, 1);
    // In an edit, arrows are the edit's.
    form.Find<TControl>("Name").SetFocus();
    EXPECT_FALSE(Key(form, GetFocus(), VK_DOWN));
}

TEST_F(Forms, EnterPressesTheFocusedOrDefaultButtonEscapeTheCancelButton) {
    TestForm& form = MakeForm(Dialog());
    form.Show();
    int ok = 0;
    int cancel = 0;
    form.Find<TButton>("Ok").OnClick = [&] { ++ok; };
    form.Find<TButton>("Cancel").OnClick = [&] { ++cancel; };

    form.Find<TControl>("Name").SetFocus();
    EXPECT_TRUE(Key(form, GetFocus(), VK_RETURN));
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(form.GetModalResult(), mrOk);
    EXPECT_TRUE(Key(form, GetFocus(), VK_ESCAPE));
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(form.GetModalResult(), mrCancel);
    form.Find<TControl>("Cancel").SetFocus();
    EXPECT_TRUE(Key(form, GetFocus(), VK_RETURN));
    EXPECT_EQ(cancel, 2);
    EXPECT_EQ(ok, 1);

    // A default or cancel button that cannot take the focus (disabled,
    // hidden) is not pressed: the key is left to the focused control.
    form.Find<TControl>("Name").SetFocus();
    form.Find<TControl>("Ok").SetEnabled(false);
    ShowWindow(form.Find<TControl>("Cancel").Handle(), SW_HIDE);
    EXPECT_FALSE(Key(form, GetFocus(), VK_RETURN));
    EXPECT_FALSE(Key(form, GetFocus(), VK_ESCAPE));
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 2);
}

// A radio button reports becoming selected only; a check box every change.
TEST_F(Forms, CheckControlsReportTheirChangesProgrammaticOnesToo) {
    TestForm& form = MakeForm(Dialog());
    auto& a = form.Find<TRadioButton>("A");
    auto& b = form.Find<TRadioButton>("B");
    auto& c = form.Find<TRadioButton>("C");
    auto& check = form.Find<TCheckBox>("Check");
    int clicksA = 0;
    int clicksB = 0;
    int clicksCheck = 0;
    a.OnClick = [&] { ++clicksA; };
    b.OnClick = [&] { ++clicksB; };
    check.OnClick = [&] { ++clicksCheck; };
    a.SetChecked(true);
    a.SetChecked(true);
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(clicksB, 0);
    EXPECT_FALSE(b.Checked());
    EXPECT_EQ(SendMessageW(b.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // A click of the user on an already selected button reports nothing.
    SendMessageW(a.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicksA, 1);
    SendMessageW(c.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(c.Checked());
    EXPECT_FALSE(a.Checked());

    check.SetChecked(true);
    check.SetChecked(true);
    EXPECT_EQ(clicksCheck, 1);
    SendMessageW(check.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicksCheck, 2);
    EXPECT_FALSE(check.Checked());
}

TEST_F(Forms, HelpGoesToTheNearestContextAsWindowOrPopup) {
    TestForm& form = MakeForm(Dialog());
    const auto help = [&](HWND window) {
        HELPINFO info{sizeof info, HELPINFO_WINDOW, 0, window, 0, {0, 0}};
        SendMessageW(form.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    };
    help(form.Find<TControl>("Name").Handle());
    help(form.Find<TControl>("A").Handle());  // no context: the group's none, the form's
    ASSERT_EQ(helpRequests.size(), 2u);
    EXPECT_EQ(helpRequests[0].context, 41);
    EXPECT_EQ(helpRequests[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(helpRequests[0].file, L"C:\\help\\tests.hlp");
    EXPECT_EQ(helpRequests[1].context, 40);

    // A menu item without a context of its own takes its parent's.
    HELPINFO menu{
        sizeof menu, HELPINFO_MENUITEM, Dialog().MenuId("Open"), GetMenu(form.Handle()), 0, {0, 0}};
    SendMessageW(form.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&menu));
    ASSERT_EQ(helpRequests.size(), 3u);
    EXPECT_EQ(helpRequests[2].context, 50);

    // A window with the help caption icon shows its topics as pop-ups.
    TestForm& withIcon = MakeForm(HelpIconDialog());
    HELPINFO info{sizeof info, HELPINFO_WINDOW, 0, withIcon.Find<TControl>("Check").Handle(),
                  0,           {0, 0}};
    SendMessageW(withIcon.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(helpRequests.size(), 4u);
    EXPECT_EQ(helpRequests[3].context, 42);
    EXPECT_EQ(helpRequests[3].command, static_cast<UINT>(HELP_CONTEXTPOPUP));
}

TEST_F(Forms, ErrorInAHandlerIsReportedAndTheNextMessageIsHandled) {
    TestForm& form = MakeForm(Dialog());
    int clicks = 0;
    form.Find<TButton>("Ok").OnClick = [&] {
        ++clicks;
        throw Exception(L"Boum");
    };
    SendMessageW(form.Find<TControl>("Ok").Handle(), BM_CLICK, 0, 0);
    SendMessageW(form.Find<TControl>("Ok").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(reported, (std::vector<std::wstring>{L"Boum", L"Boum"}));
}

TEST_F(Forms, ErrorInTheCreationHandlerSkipsItsRestNotTheForm) {
    auto form = std::make_unique<TestForm>(Application, Dialog());
    bool after = false;
    form->OnCreate = [&] {
        throw EZeroDivide();
        after = true;
    };
    form->Load();
    EXPECT_FALSE(after);
    EXPECT_NE(form->Handle(), nullptr);
    EXPECT_EQ(reported, std::vector<std::wstring>{L"Division flottante par zéro"});
}

TEST_F(Forms, ShowModalDisablesTheOwnerAndEndsWithTheButtonsResultOrCancelOnClose) {
    TestForm& owner = MakeForm(DialogLayout("TTestOwner", biSystemMenu));
    owner.Show();
    TestForm& dialog = MakeForm(Dialog());
    bool ownerEnabledDuring = true;
    dialog.OnActivate = [&] {
        ownerEnabledDuring = IsWindowEnabled(owner.Handle()) != FALSE;
        PostMessageW(dialog.Find<TControl>("Ok").Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));

    dialog.OnActivate = nullptr;
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(Forms, ActivationCountsOnlyWhenTheProgramsActiveFormChanges) {
    TestForm& first = MakeForm(DialogLayout("TTestFirst", biSystemMenu));
    TestForm& second = MakeForm(DialogLayout("TTestSecond", biSystemMenu));
    int firstActivations = 0;
    first.OnActivate = [&] { ++firstActivations; };

    Application->FormActivated(first);
    Application->FormActivated(first);
    EXPECT_EQ(firstActivations, 1);

    // The user switches to another program and back.
    HWND foreign = nullptr;
    std::thread other([&] {
        foreign = CreateWindowExW(0, L"STATIC", L"autre", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    });
    other.join();
    Application->FormDeactivated(first, foreign);
    Application->FormActivated(first);
    EXPECT_EQ(firstActivations, 1);

    // A window of the program itself (a message box) came and went.
    HWND own = CreateWindowExW(0, L"STATIC", L"boîte", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
    Application->FormDeactivated(first, own);
    Application->FormActivated(first);
    EXPECT_EQ(firstActivations, 2);
    DestroyWindow(own);

    // Another form of the program was active in between.
    Application->FormDeactivated(first, second.Handle());
    Application->FormActivated(second);
    Application->FormActivated(first);
    EXPECT_EQ(firstActivations, 3);
}

TEST_F(Forms, DestroyedFormIsForgottenAsTheActiveForm) {
    static const FormLayout layout = DialogLayout("TTestGone", biSystemMenu);
    auto form = std::make_unique<TestForm>(Application, layout);
    form->Load();
    Application->FormActivated(*form);
    ASSERT_EQ(Application->ActiveForm(), form.get());
    form.reset();
    EXPECT_EQ(Application->ActiveForm(), nullptr);
}

TEST_F(Forms, ControlListedBeforeItsParentIsAnError) {
    FormLayout broken;
    broken.className = "TTestBroken";
    broken.controls = {
        Control(ControlKind::Edit, "Inner", Bounds(0, 0, 10, 10)).In("Outer"),
        Control(ControlKind::GroupBox, "Outer", Bounds(0, 0, 50, 50)),
    };
    auto form = std::make_unique<TestForm>(Application, broken);
    EXPECT_THROW(form->Load(), tk::ProgrammingError);
}

}  // namespace
}  // namespace tk::testing
