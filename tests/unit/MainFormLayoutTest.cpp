#include "app/MainFormLayout.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

using tk::ControlKind;

TEST(MainFormLayout, EachValueHasItsCaptionOnTheSameRowSevenPixelsBefore) {
    struct Row {
        const char* caption;
        const wchar_t* text;
        const char* value;
        int top;
        int valueLeft;
    };
    const Row rows[] = {
        {"Label1", L"Ronde :", "txtRonde", 40, 120},
        {"Label6", L"Blanche :", "txtBlanche", 64, 120},
        {"Label7", L"Noire :", "txtNoire", 88, 120},
        {"Label8", L"Triolet de noire :", "txtTrioletNoire", 112, 120},
        {"Label9", L"Croche :", "txtCroche", 136, 120},
        {"Label4", L"Triolet :", "txtTriolet", 40, 304},
        {"Label2", L"Double-Croche :", "txtDouble", 64, 304},
        {"Label10", L"Triolet de Double :", "txtTrioletDouble", 88, 304},
        {"Label5", L"Triple-Croche :", "txtTriple", 112, 304},
        {"Label3", L"Quadruple croche :", "txtQuadruple", 136, 304},
    };
    const tk::FormLayout& layout = MainFormLayout();
    for (const Row& row : rows) {
        const tk::ControlLayout* caption = layout.FindControl(row.caption);
        const tk::ControlLayout* value = layout.FindControl(row.value);
        ASSERT_TRUE(caption && value) << row.caption;
        EXPECT_EQ(caption->caption, row.text);
        EXPECT_EQ(caption->alignment, tk::Alignment::Right);
        EXPECT_EQ(caption->bounds.right(), row.valueLeft - 7) << row.caption;
        EXPECT_EQ(caption->bounds.top, row.top);
        EXPECT_EQ(value->bounds.left, row.valueLeft) << row.value;
        EXPECT_EQ(value->bounds.top, row.top);
        EXPECT_TRUE(value->caption.empty()) << "values are empty until the first computation";
        EXPECT_EQ(caption->parent, "Panel1");
        EXPECT_EQ(value->parent, "Panel1");
    }
}

TEST(MainFormLayout, ValueLabelsInDelayTableOrderExist) {
    const tk::FormLayout& layout = MainFormLayout();
    for (std::string_view name : kValueLabels) {
        const tk::ControlLayout* c = layout.FindControl(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->kind, ControlKind::Label);
    }
}

TEST(MainFormLayout, EveryParentIsListedBeforeItsChildrenAndNamesAreUnique) {
    const tk::FormLayout& layout = MainFormLayout();
    std::set<std::string_view> seen;
    for (const tk::ControlLayout& c : layout.controls) {
        if (!c.parent.empty()) {
            EXPECT_TRUE(seen.count(c.parent)) << c.name;
        }
        EXPECT_TRUE(seen.insert(c.name).second) << c.name;
    }
    std::set<int> ids;
    for (const tk::ControlLayout& c : layout.controls) EXPECT_TRUE(ids.insert(layout.ControlId(c.name)).second);
}

TEST(MainFormLayout, TabOrderIsTempoThenBeatUnitThenQuit) {
    const tk::FormLayout& layout = MainFormLayout();
    EXPECT_LT(layout.FindControl("GroupBox1")->tabOrder, layout.FindControl("GroupBox2")->tabOrder);
    EXPECT_LT(layout.FindControl("GroupBox2")->tabOrder, layout.FindControl("cmdQuitter")->tabOrder);
    EXPECT_EQ(layout.FindControl("txtTempo")->maxLength, 3);
    EXPECT_TRUE(layout.FindControl("rdoNoire")->checked);
    for (const char* other : {"rdoRonde", "rdoCroche", "rdoDouble"}) {
        EXPECT_FALSE(layout.FindControl(other)->checked) << other;
    }
}

TEST(MainFormLayout, TempoBoxIsTheControlWithAHint) {
    const tk::FormLayout& layout = MainFormLayout();
    for (const tk::ControlLayout& c : layout.controls) {
        if (c.name == "txtTempo") {
            EXPECT_TRUE(c.showHint);
            EXPECT_EQ(c.hint, L"Entrez ici le tempo servant de base au calcul");
        } else {
            EXPECT_FALSE(c.showHint) << c.name;
        }
    }
}

TEST(MainFormLayout, HintBubblesComeBeforeTheSingleInstanceGuardWhichIsLast) {
    const auto& components = MainFormLayout().components;
    const auto at = [&](std::string_view name) {
        for (std::size_t i = 0; i < components.size(); ++i) {
            if (components[i].name == name) return static_cast<int>(i);
        }
        return -1;
    };
    const int hint = at("EllipticHint1");
    const int guard = at("OnlyOpenOnce1");
    ASSERT_GE(hint, 0);
    ASSERT_GE(guard, 0);
    EXPECT_LT(hint, guard);
    // Only the application path registration may follow the guard: a second
    // instance ends while the guard is told that loading is over.
    for (std::size_t i = static_cast<std::size_t>(guard) + 1; i < components.size(); ++i) {
        EXPECT_EQ(components[i].name, "PlomexAppPath1");
    }

    const tk::ComponentLayout& h = components[static_cast<std::size_t>(hint)];
    EXPECT_EQ(h.className, "TEllipticHint");
    ASSERT_EQ(h.properties.size(), 1u) << "only what differs from the defaults is stored";
    EXPECT_EQ(h.properties[0].name, "Brush.Color");
    EXPECT_EQ(std::get<std::int32_t>(h.properties[0].value), 8454143);

    const tk::ComponentLayout& g = components[static_cast<std::size_t>(guard)];
    EXPECT_EQ(g.className, "TOnlyOpenOnce");
    ASSERT_EQ(g.properties.size(), 2u);
    EXPECT_EQ(g.properties[0].name, "UniqueString");
    EXPECT_EQ(std::get<std::wstring_view>(g.properties[0].value), L"Kestro");
    EXPECT_EQ(g.properties[1].name, "IsAppVisible");
    EXPECT_TRUE(std::get<bool>(g.properties[1].value));
}

}  // namespace
}  // namespace rytmalo
