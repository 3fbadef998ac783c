// The detailed view's layout read without a window: no two keys for one
// letter among what shows at once, and every control a user reaches has its
// hint and its help.
#include "app/DetailViewLayout.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "app/DetailPages.h"
#include "app/MainFormLayout.h"

namespace rytmalo {
namespace {

// The letter of each caption that marks one, and who marks it.
void Collect(std::map<wchar_t, std::string>& keys, std::wstring_view caption,
             std::string_view who) {
    if (const wchar_t key = tk::MnemonicOf(caption)) {
        const auto [at, added] = keys.emplace(key, who);
        EXPECT_TRUE(added) << "Alt+" << static_cast<char>(key) << ": " << at->second << " and "
                           << who;
    }
}

// With any page shown: the main window, its menu bar, the shared part, the
// tabs and that page.
TEST(DetailViewLayout, NoTwoControlsShownTogetherShareALetter) {
    for (const PageRow& page : DetailPages()) {
        SCOPED_TRACE(page.sheet);
        std::map<wchar_t, std::string> keys;
        for (const auto& c : MainFormLayout().controls) {
            if (!c.noPrefix) Collect(keys, c.caption, c.name);
        }
        for (const auto& m : MainFormLayout().menu) {
            if (m.parent.empty()) Collect(keys, m.caption, m.name);
        }
        for (const auto& c : DetailViewLayout()) {
            if (!c.noPrefix) Collect(keys, c.caption, c.name);
            for (const auto tab : c.tabs) Collect(keys, tab, c.name);
        }
        for (const auto& c : page.content().controls) {
            if (!c.noPrefix) Collect(keys, c.caption, c.name);
        }
        EXPECT_GT(keys.size(), 8u);
    }
}

TEST(DetailViewLayout, EveryControlAUserReachesHasItsHintAndHelp) {
    const auto check = [](const tk::ControlLayout& c) {
        const bool reached =
            c.kind == tk::ControlKind::Button || c.kind == tk::ControlKind::Edit ||
            c.kind == tk::ControlKind::ComboBox || c.kind == tk::ControlKind::ListBox ||
            c.kind == tk::ControlKind::ListView || c.kind == tk::ControlKind::CheckBox;
        if (!reached) return;
        EXPECT_TRUE(c.showHint && !c.hint.empty()) << c.name;
        EXPECT_NE(c.helpContext, 0) << c.name;
        EXPECT_GE(c.tabOrder, 0) << c.name;
        EXPECT_NE(c.id, 0) << c.name << ": found by other programs by its identifier";
    };
    for (const auto& c : DetailViewLayout()) check(c);
    for (const PageRow& page : DetailPages()) {
        for (const auto& c : page.content().controls) check(c);
    }
    EXPECT_EQ(tk::MnemonicOf(L"Toute&s les divisions"), L'S');
    EXPECT_EQ(tk::MnemonicOf(L"Rock && &roll"), L'R');
    EXPECT_EQ(tk::MnemonicOf(L"×2"), 0);
}

}  // namespace
}  // namespace rytmalo
