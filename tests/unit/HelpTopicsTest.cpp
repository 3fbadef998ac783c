// The program's own help: a topic behind every help context the windows and
// menus carry, in French, and ready for the window that shows it.
#include "help/HelpTopics.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/AboutLayout.h"
#include "app/DetailViewLayout.h"
#include "app/MainFormLayout.h"
#include "app/PreferencesLayout.h"

namespace rytmalo {
namespace {

std::set<int> ContextsOf(const tk::FormLayout& layout) {
    std::set<int> contexts;
    if (layout.helpContext) contexts.insert(layout.helpContext);
    for (const tk::ControlLayout& c : layout.controls) {
        if (c.helpContext) contexts.insert(c.helpContext);
    }
    for (const tk::MenuItemLayout& m : layout.menu) {
        if (m.helpContext) contexts.insert(m.helpContext);
    }
    return contexts;
}

TEST(HelpTopics, EveryContextOfTheWindowsAndMenusHasItsTopic) {
    std::set<int> used;
    for (const tk::FormLayout* layout : {&MainFormLayout(), &AboutLayout(), &PreferencesLayout()}) {
        used.merge(ContextsOf(*layout));
    }
    for (const tk::ControlLayout& c : DetailViewLayout()) {
        if (c.helpContext) used.insert(c.helpContext);
    }
    used.insert(kContentsTopic);
    for (int context : used) {
        const HelpTopic* topic = FindHelpTopic(context);
        ASSERT_NE(topic, nullptr) << context;
        EXPECT_EQ(topic->context, context);
    }
    EXPECT_EQ(FindHelpTopic(12), nullptr);
    EXPECT_EQ(FindHelpTopic(0), nullptr);
}

TEST(HelpTopics, EachTopicIsItsOwnFrenchTextWithWindowsLineBreaks) {
    std::set<int> contexts;
    std::set<std::wstring> texts;
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.context);
        EXPECT_TRUE(contexts.insert(topic.context).second) << "one topic per number";
        EXPECT_TRUE(texts.insert(std::wstring(topic.text)).second) << "no text twice";
        EXPECT_FALSE(topic.title.empty());
        EXPECT_GT(topic.text.size(), 60u) << "a sentence or more";
        // French: the texts speak of the program's own words.
        const bool french = topic.text.find(L" la ") != std::wstring_view::npos ||
                            topic.text.find(L" le ") != std::wstring_view::npos ||
                            topic.text.find(L" de ") != std::wstring_view::npos;
        EXPECT_TRUE(french);
        // An edit control shows a lone line feed as a box.
        for (std::size_t i = 0; i < topic.text.size(); ++i) {
            if (topic.text[i] == L'\n') {
                EXPECT_TRUE(i > 0 && topic.text[i - 1] == L'\r') << "at " << i;
            }
        }
        EXPECT_EQ(topic.text.find(L'\t'), std::wstring_view::npos);
    }
}

TEST(HelpTopics, TheFiguresQuotedAreTheCalculatorsOwn) {
    // At 120 with the quarter note as the beat: quarter 500, eighth 250,
    // sixteenth 125; with the eighth as the beat the quarter lasts 1000.
    const std::wstring_view contents = FindHelpTopic(10)->text;
    EXPECT_NE(contents.find(L"la noire dure 500 ms et la croche 250 ms"), std::wstring_view::npos);
    EXPECT_NE(contents.find(L"250 + 125 = 375 ms"), std::wstring_view::npos);
    EXPECT_NE(FindHelpTopic(21)->text.find(L"mais 1000 ms avec l'unité croche"),
              std::wstring_view::npos);
    EXPECT_NE(FindHelpTopic(11)->text.find(L"de 10 à 250"), std::wstring_view::npos);
}

}  // namespace
}  // namespace rytmalo
