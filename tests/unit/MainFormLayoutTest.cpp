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

}  // namespace
}  // namespace rytmalo
