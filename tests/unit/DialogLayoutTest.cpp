// The about box and the preferences dialog as laid out: their windows, the
// controls' places, texts, fonts and keys, and the preferences' store.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/AboutLayout.h"
#include "app/PreferencesLayout.h"

namespace rytmalo {
namespace {

using tk::ControlKind;

void ExpectBounds(const tk::ControlLayout& c, tk::Bounds b) {
    EXPECT_EQ(c.bounds.left, b.left) << c.name;
    EXPECT_EQ(c.bounds.top, b.top) << c.name;
    EXPECT_EQ(c.bounds.width, b.width) << c.name;
    EXPECT_EQ(c.bounds.height, b.height) << c.name;
}

const tk::ControlLayout& Control(const tk::FormLayout& layout, std::string_view name) {
    const tk::ControlLayout* c = layout.FindControl(name);
    if (!c) throw std::out_of_range(std::string(name));
    return *c;
}

// Parents come before their children, names and window ids are unique.
void ExpectWellFormed(const tk::FormLayout& layout) {
    std::set<std::string_view> seen;
    std::set<int> ids;
    for (const tk::ControlLayout& c : layout.controls) {
        if (!c.parent.empty()) {
            EXPECT_TRUE(seen.count(c.parent)) << c.name;
        }
        EXPECT_TRUE(seen.insert(c.name).second) << c.name;
        EXPECT_TRUE(ids.insert(layout.ControlId(c.name)).second) << c.name;
    }
}

TEST(AboutLayout, AFixedTopmostBoxCentredAtFirstShowingWithOnlyACloseBox) {
    const tk::FormLayout& f = AboutLayout();
    ExpectWellFormed(f);
    EXPECT_EQ(f.className, "TfrmAProposDe");
    EXPECT_EQ(f.caption, L"A propos de ...");
    EXPECT_EQ(f.clientWidth, 339);
    EXPECT_EQ(f.clientHeight, 259);
    EXPECT_EQ(f.borderStyle, tk::BorderStyle::Single);
    EXPECT_EQ(f.borderIcons, unsigned{tk::biSystemMenu});
    EXPECT_EQ(f.formStyle, tk::FormStyle::StayOnTop);
    EXPECT_EQ(f.position, tk::FormPosition::ScreenCenter);
    EXPECT_EQ(f.helpContext, 300);
    EXPECT_EQ(f.font, (tk::FontSpec{L"MS Sans Serif", -11, 0, tk::clWindowText}));
    EXPECT_FALSE(f.icon.empty()) << "an icon of its own";
    EXPECT_TRUE(f.components.empty());
    EXPECT_TRUE(f.menu.empty());
}

TEST(AboutLayout, TheNameInRedBoldItalicUnderlinedAboveThreeLinesOfText) {
    const tk::FormLayout& f = AboutLayout();
    ExpectBounds(Control(f, "GroupBox1"), {8, 8, 321, 121});
    EXPECT_TRUE(Control(f, "GroupBox1").caption.empty());

    const tk::ControlLayout& name = Control(f, "Label1");
    ExpectBounds(name, {96, 24, 128, 24});
    EXPECT_EQ(name.caption, L"RYTMALO 95");
    EXPECT_EQ(name.font, (tk::FontSpec{L"MS Sans Serif", -19,
                                       tk::fsBold | tk::fsItalic | tk::fsUnderline, tk::clRed}));

    const tk::ControlLayout& what = Control(f, "Label2");
    ExpectBounds(what, {48, 56, 229, 13});
    EXPECT_EQ(what.caption, L"Calculatrice de conversion Tempo/Délai");
    EXPECT_EQ(what.font, (tk::FontSpec{L"MS Sans Serif", -11, tk::fsBold, tk::clWindowText}));

    const tk::ControlLayout& credit = Control(f, "Label3");
    ExpectBounds(credit, {72, 80, 179, 13});
    EXPECT_FALSE(credit.caption.empty());
    EXPECT_FALSE(credit.font.has_value()) << "plain: the box's own font";

    const tk::ControlLayout& rights = Control(f, "Label4");
    ExpectBounds(rights, {80, 96, 173, 13});
    EXPECT_FALSE(rights.caption.empty());
    EXPECT_EQ(rights.font, (tk::FontSpec{L"MS Sans Serif", -11, tk::fsItalic, tk::clWindowText}));

    for (const char* label : {"Label1", "Label2", "Label3", "Label4"}) {
        EXPECT_EQ(Control(f, label).kind, ControlKind::Label) << label;
        EXPECT_EQ(Control(f, label).parent, "GroupBox1") << label;
        EXPECT_TRUE(Control(f, label).autoSize) << label << ": never cut by a wider face";
    }
}

TEST(AboutLayout, OkIsTheDefaultButtonAndEndsTheBoxWithOk) {
    const tk::ControlLayout& ok = Control(AboutLayout(), "cmdOK");
    EXPECT_EQ(ok.kind, ControlKind::BitButton);
    ExpectBounds(ok, {112, 212, 113, 29});
    EXPECT_EQ(ok.caption, L"&OK");
    EXPECT_TRUE(ok.isDefault);
    EXPECT_FALSE(ok.isCancel);
    EXPECT_EQ(ok.modalResult, 1);
    EXPECT_EQ(ok.helpContext, 10);
    EXPECT_FALSE(ok.glyph.empty());
    EXPECT_GT(ok.tabOrder, Control(AboutLayout(), "GroupBox1").tabOrder);
}

TEST(PreferencesLayout, AFixedTopmostDialogCentredAtFirstShowingWithOnlyACloseBox) {
    const tk::FormLayout& f = PreferencesLayout();
    ExpectWellFormed(f);
    EXPECT_EQ(f.className, "TfrmPreferences");
    EXPECT_EQ(f.caption, L"Préferences");
    EXPECT_EQ(f.left, 264);
    EXPECT_EQ(f.top, 143);
    EXPECT_EQ(f.clientWidth, 308);
    EXPECT_EQ(f.clientHeight, 309);
    EXPECT_EQ(f.borderStyle, tk::BorderStyle::Single);
    EXPECT_EQ(f.borderIcons, unsigned{tk::biSystemMenu});
    EXPECT_EQ(f.formStyle, tk::FormStyle::StayOnTop);
    EXPECT_EQ(f.position, tk::FormPosition::ScreenCenter);
    EXPECT_EQ(f.helpContext, 0);
    EXPECT_EQ(f.font, (tk::FontSpec{L"MS Sans Serif", -11, 0, tk::clWindowText}));
    EXPECT_FALSE(f.icon.empty()) << "an icon of its own";
    EXPECT_NE(f.icon, AboutLayout().icon);
}

TEST(PreferencesLayout, OnePageWithTheCheckBoxAndItsHint) {
    const tk::FormLayout& f = PreferencesLayout();
    const tk::ControlLayout& pages = Control(f, "PageControl1");
    EXPECT_EQ(pages.kind, ControlKind::PageControl);
    ExpectBounds(pages, {8, 8, 289, 257});
    EXPECT_EQ(pages.helpContext, 13);

    int pageCount = 0;
    for (const tk::ControlLayout& c : f.controls) pageCount += c.kind == ControlKind::TabSheet;
    EXPECT_EQ(pageCount, 1);
    const tk::ControlLayout& page = Control(f, "OptionsAff");
    EXPECT_EQ(page.kind, ControlKind::TabSheet);
    EXPECT_EQ(page.parent, "PageControl1");
    EXPECT_EQ(page.caption, L"Options d'affichage");
    EXPECT_EQ(page.helpContext, 13);

    const tk::ControlLayout& check = Control(f, "chkFenetrePersistente");
    EXPECT_EQ(check.kind, ControlKind::CheckBox);
    EXPECT_EQ(check.parent, "OptionsAff");
    ExpectBounds(check, {24, 40, 233, 17});
    EXPECT_EQ(check.caption, L"Fenêtre persistente");
    EXPECT_EQ(check.helpContext, 14);
    EXPECT_FALSE(check.checked);
    EXPECT_TRUE(check.ctl3d);
    EXPECT_EQ(check.hint, L"Rend la fenêtre Rytmalo constamment visible");
    EXPECT_TRUE(check.showHint);
}

TEST(PreferencesLayout, OkIsNoDefaultAnnulerIsTheCancelButtonNeitherClosesByItself) {
    const tk::FormLayout& f = PreferencesLayout();
    const tk::ControlLayout& ok = Control(f, "cmdOK");
    const tk::ControlLayout& cancel = Control(f, "cmdAnnuler");
    EXPECT_EQ(ok.kind, ControlKind::Button);
    EXPECT_EQ(cancel.kind, ControlKind::Button);
    ExpectBounds(ok, {144, 272, 73, 25});
    ExpectBounds(cancel, {224, 272, 73, 25});
    EXPECT_EQ(ok.caption, L"OK");
    EXPECT_EQ(cancel.caption, L"Annuler");
    EXPECT_FALSE(ok.isDefault);
    EXPECT_FALSE(ok.isCancel);
    EXPECT_FALSE(cancel.isDefault);
    EXPECT_TRUE(cancel.isCancel);
    // A failing handler must be able to keep the dialog open.
    EXPECT_EQ(ok.modalResult, 0);
    EXPECT_EQ(cancel.modalResult, 0);
    EXPECT_EQ(ok.helpContext, 13);
    EXPECT_EQ(cancel.helpContext, 13);
    // Tab order: the page's check box, OK, Annuler.
    EXPECT_LT(Control(f, "PageControl1").tabOrder, ok.tabOrder);
    EXPECT_LT(ok.tabOrder, cancel.tabOrder);
}

TEST(PreferencesLayout, ItsOwnClosedStoreOnTheProgramsKey) {
    const tk::FormLayout& f = PreferencesLayout();
    ASSERT_EQ(f.components.size(), 1u);
    const tk::ComponentLayout& store = f.components.front();
    EXPECT_EQ(store.className, "TRegAppUserConfig");
    EXPECT_EQ(store.name, "RegApp2");
    std::set<std::string_view> names;
    for (const tk::PropertyAssignment& p : store.properties) {
        names.insert(p.name);
        const auto text = std::get<std::wstring_view>(p.value);
        const wchar_t* expected = p.name == "Company"           ? L"Vortan Music"
                                  : p.name == "ApplicationName" ? L"Rytmalo95"
                                                                : L"v2.0";
        EXPECT_EQ(text, expected) << p.name;
    }
    // Root and Active keep their defaults (the user's hive, closed).
    EXPECT_EQ(names, (std::set<std::string_view>{"Company", "ApplicationName", "Version"}));
}

}  // namespace
}  // namespace rytmalo
