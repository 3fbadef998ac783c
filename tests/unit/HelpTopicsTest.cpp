// The program's own help: a topic behind every help context the windows and
// menus carry, in French, and ready for the window that shows it.
#include "help/HelpTopics.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AboutLayout.h"
#include "app/DetailPages.h"
#include "app/DetailViewLayout.h"
#include "app/MainFormLayout.h"
#include "app/PreferencesLayout.h"
#include "core/Bars.h"
#include "core/Compressor.h"
#include "core/DelayInput.h"
#include "core/DelayMatch.h"
#include "core/Divisions.h"
#include "core/Duration.h"
#include "core/FilmClick.h"
#include "core/FrameRates.h"
#include "core/Reverb.h"

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
    // The detailed view's shared part and each of its pages, made apart.
    std::vector<const std::vector<tk::ControlLayout>*> view{&DetailViewLayout()};
    for (const PageRow& page : DetailPages()) {
        view.push_back(&page.content().controls);
        used.insert(page.help);
    }
    for (const auto* controls : view) {
        for (const tk::ControlLayout& c : *controls) {
            if (c.helpContext) used.insert(c.helpContext);
        }
    }
    for (int context : {kTableHelp, kBarsHelp, kMixingHelp, kPictureHelp, kDivisionsHelp,
                        kSampleRatesHelp, kPagesHelp}) {
        EXPECT_TRUE(used.contains(context)) << context << " is carried by no control";
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

bool StartsASentence(wchar_t c) { return c != L' ' && !(c >= L'a' && c <= L'z'); }

// Each title and text whole, from its first letter to its last.
TEST(HelpTopics, TitlesAndTextsAreWhole) {
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.context);
        EXPECT_TRUE(StartsASentence(topic.title.front()));
        EXPECT_TRUE(StartsASentence(topic.text.front()));
        EXPECT_NE(topic.title.back(), L' ');
        EXPECT_EQ(topic.text.back(), L'.');
    }
    const HelpTopic& first = *FindHelpTopic(kContentsTopic);
    EXPECT_EQ(first.title, L"Rytmalo 95 : calculatrice Tempo/Délai");
    EXPECT_TRUE(first.text.starts_with(L"Rytmalo 95 traduit un tempo en durées de notes"));
    EXPECT_TRUE(first.text.ends_with(L"la touche F1 affiche l'aide qui la concerne."));
    const HelpTopic& last = *FindHelpTopic(kAboutHelp);
    EXPECT_EQ(last.title, L"A propos de Rytmalo 95");
    EXPECT_TRUE(last.text.ends_with(L"appuyez sur Entrée pour fermer cette fenêtre."));
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

const NoteValue& ValueNamed(std::wstring_view name) {
    for (const NoteValue& value : AllDivisions()) {
        if (value.name == name) return value;
    }
    throw std::invalid_argument("no such value");
}

// The detailed view's examples, each worked out by the calculator itself at 120
// with the quarter note as the beat, as the user's French style writes it.
TEST(HelpTopics, TheDetailedViewsFiguresQuotedAreTheCalculatorsOwn) {
    tk::NumberStyle french;
    french.decimal = L",";
    french.groups.clear();
    french.repeatLast = false;
    const auto fixed = [&](std::int64_t scaled, int decimals) {
        return tk::FormatFixed(scaled, decimals, french);
    };
    const auto says = [](int context, const std::wstring& text) {
        const HelpTopic* topic = FindHelpTopic(context);
        return topic && topic->text.find(text) != std::wstring_view::npos;
    };
    constexpr ExactTempo k120 = 12000;
    const ExactMs ms375{375, 1};
    const auto ms = [&](std::wstring_view value) { return *LengthOf(ValueNamed(value), k120, 4); };

    EXPECT_TRUE(
        says(kTemposHelp, L"« Croche pointée : " +
                              fixed(*TenthsOfTempoFor(ValueNamed(L"Croche pointée"), ms375, 4), 1) +
                              L" », « Noire : " +
                              fixed(*TenthsOfTempoFor(ValueNamed(L"Noire"), ms375, 4), 1)));
    const auto click = ParseClick(L"12-2");
    ASSERT_TRUE(click);
    EXPECT_TRUE(says(kTemposHelp,
                     L"12-2 à 24 images/s : " + fixed(*TempoOfClick(*click, kFrameRates[1]), 2)));
    // 1.25 % longer than a dotted eighth: the sign says which way.
    const auto closest = ClosestValueTo({3796875, 10000}, NoteValues(), k120, 4);
    ASSERT_TRUE(closest);
    EXPECT_TRUE(says(kDelayHelp, L"le plus proche : " +
                                     std::wstring(NoteValues()[closest->index].name) + L", +" +
                                     fixed(closest->hundredthsOfPercent, 2) + L" %"));

    EXPECT_EQ(Doubled(5800).tempo, 11600);
    EXPECT_TRUE(says(kStepHelp, L"×2 fait de 58 un 116,"));
    EXPECT_TRUE(says(kStepHelp, L"÷2 fait de 117,55 un " + fixed(Halved(11755).tempo, 2)));
    EXPECT_TRUE(says(kExactTempoHelp, L"(" + fixed(WholeTempo(11755), 0) + L" pour 117,55)"));

    EXPECT_EQ(WholeMs(*DelayOf(2000, DelayUnit::Hertz, {})), 500);
    EXPECT_TRUE(says(kDelayUnitHelp, L"(2 Hz = 500 ms)"));
    EXPECT_EQ(WholeMs(*ParseDelay(L"16538", DelayUnit::SamplesFirst, {}, french)), 375);
    EXPECT_TRUE(says(kDelayUnitHelp, L"16538 échantillons à 44,1 kHz font 375 ms"));

    EXPECT_TRUE(says(kDivisionsHelp, L"la noire doublement pointée dure " +
                                         fixed(WholeMs(ms(L"Noire doublement pointée")), 0) +
                                         L" ms et le quintolet de doubles croches " +
                                         fixed(WholeMs(ms(L"Quintolet de doubles croches")), 0) +
                                         L" ms"));
    EXPECT_TRUE(says(kSampleRatesHelp, L"une noire dure " + fixed(Samples(ms(L"Noire"), 48000), 0) +
                                           L" échantillons à 48 kHz et " +
                                           fixed(Samples(ms(L"Noire"), 96000), 0) + L" à 96 kHz"));

    EXPECT_TRUE(
        says(kBarsHelp, L"soit " + fixed(WholeMs(*WholeNoteMs(k120, 4)), 0) + L" ms à 120"));
    const std::vector<BarRow> sevenEight = BarRows({7, 8}, k120, 4, {});
    ASSERT_GT(sevenEight.size(), 2u);
    EXPECT_EQ(sevenEight[2].name, L"1 mesure");
    EXPECT_TRUE(says(kBarsHelp,
                     L"7/8 en dure les 7/8, " + fixed(WholeMs(sevenEight[2].length), 0) + L" ms"));
    // The names quoted are the pages' own.
    EXPECT_TRUE(says(kBarsHelp, L"« " + sevenEight[0].name + L" »"));
    EXPECT_TRUE(says(kBarsHelp, L"« " + sevenEight[1].name + L" »"));
    const std::vector<BarRow> fourFour = BarRows({4, 4}, k120, 4, {});
    ASSERT_GT(fourFour.size(), 3u);
    EXPECT_EQ(fourFour[3].name, L"4 mesures");
    EXPECT_TRUE(says(kBarsHelp, L"quatre mesures à 4/4 durent " + fourFour[3].clock));

    const auto reverb = ReverbRows(k120, 4, {4, 4}, PreDelay::BySize);
    const auto compressor = CompressorRows(k120, 4);
    ASSERT_TRUE(reverb && compressor);
    EXPECT_EQ((*reverb)[0].wholeHundredthsOfMs, 50000);
    EXPECT_TRUE(says(kMixingHelp, L"petite salle de 500 ms dont " +
                                      fixed((*reverb)[0].preDelayHundredthsOfMs, 2) +
                                      L" ms de pré-délai"));
    EXPECT_TRUE(says(kMixingHelp,
                     L"temps suivant de " + fixed(compressor->back().hundredthsOfMs, 2) + L" ms"));
    EXPECT_TRUE(says(kMixingHelp, L"« " + compressor->back().name + L" »"));

    const auto frames = FiguresAt(kFrameRates[1], k120, 4, {4, 4});
    ASSERT_TRUE(frames);
    EXPECT_EQ(frames->thousandthsPerBeat, 12000);
    EXPECT_TRUE(
        says(kPictureHelp, L"un temps dure 12 images (" + ClickText(frames->clickEighths) + L")"));
}

}  // namespace
}  // namespace rytmalo
