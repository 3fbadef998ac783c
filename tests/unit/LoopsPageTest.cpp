// The page "Boucles" as a user reads it, its rows written the French way:
// the worked examples of its help, the lines that enter a tempo, and what
// each box refuses and says.
#include <stdexcept>

#include <gtest/gtest.h>

#include "FrenchNumbers.h"
#include "app/DetailPages.h"
#include "core/LfoRates.h"
#include "core/LoopLength.h"

namespace rytmalo {
namespace {

using Rows = FigureRows;

// Digits grouped by a plain space, as some users' settings have it.
tk::NumberStyle French() { return test::French(L" "); }

const FigureList& List(std::string_view name) {
    for (const FigureList& list : PageRowOf(PageId::Loops).content().lists) {
        if (list.name == name) return list;
    }
    throw std::invalid_argument("no such list");
}

const EntryBox& Box(std::string_view name) {
    for (const EntryBox& box : PageRowOf(PageId::Loops).content().entries) {
        if (box.control == name) return box;
    }
    throw std::invalid_argument("no such box");
}

const tk::ControlLayout& Control(std::string_view name) {
    for (const tk::ControlLayout& control : PageRowOf(PageId::Loops).content().controls) {
        if (control.name == name) return control;
    }
    throw std::invalid_argument("no such control");
}

FigureContext At120() {
    FigureContext context;
    context.tempo = 12000;
    context.entered = {{"txtLongueur", L"8000"}};
    return context;
}

TEST(LoopsPage, ALengthGivesTheTempoOfItsBarsAndBeatsWhichALineEnters) {
    const tk::NumberStyle style = French();
    FigureContext context = At120();
    const Rows rows = List("lvwBoucle").figures(context, style);
    EXPECT_EQ(rows, (Rows{{L"1 temps", L"moins de 10"},
                          {L"2 temps", L"15"},
                          {L"4 temps", L"30"},
                          {L"1 mesure", L"30"},
                          {L"2 mesures", L"60"},
                          {L"4 mesures", L"120"},
                          {L"8 mesures", L"240"},
                          {L"16 mesures", L"plus de 250"},
                          {L"32 mesures", L"plus de 250"}}));
    const auto tempos = List("lvwBoucle").tempos(context, style);
    ASSERT_EQ(tempos.size(), rows.size());
    EXPECT_EQ(tempos[5], 12000);
    EXPECT_EQ(tempos[0], std::nullopt) << "out of the range: nothing to enter";
    EXPECT_EQ(tempos[7], std::nullopt);
    // The same 8 s in samples at 44,1 kHz, and in 7/8 and to the eighth.
    context.settings.lengthUnit = LengthUnit::SamplesFirst;
    context.entered = {{"txtLongueur", L"352 800"}};
    EXPECT_EQ(List("lvwBoucle").figures(context, style), rows);
    context.settings.signature = {7, 8};
    context.unit = 8;
    EXPECT_EQ(List("lvwBoucle").figures(context, style)[5],
              (std::vector<std::wstring>{L"4 mesures", L"210"}));
    // No length, or one the unit does not read: no rows.
    context.entered = {{"txtLongueur", L"1:30"}};
    EXPECT_TRUE(List("lvwBoucle").figures(context, style).empty());
}

TEST(LoopsPage, AChangeOfTempoAndAShiftAndBack) {
    const tk::NumberStyle style = French();
    FigureContext context = At120();
    EXPECT_TRUE(List("lvwChangement").figures(context, style).empty()) << "nothing asked";
    context.settings.targetTempo = 12600;
    context.settings.shift = 100;
    EXPECT_EQ(List("lvwChangement").figures(context, style),
              (Rows{{L"Vers le tempo", L"126"},
                    {L"Longueur (rapport)", L"0,9524"},
                    {L"Vitesse", L"+5,00 %"},
                    {L"Hauteur (varispeed)", L"+0,845 demi-ton"},
                    {L"Hauteur en cents", L"+84,5 cents"},
                    {L"Décalage", L"+1 demi-ton"},
                    {L"Tempo du décalage", L"127,14"}}));
    const auto tempos = List("lvwChangement").tempos(context, style);
    EXPECT_EQ(tempos.front(), 12600);
    EXPECT_EQ(tempos.back(), 12714);
    EXPECT_EQ(tempos[2], std::nullopt);
    // A shift that leaves the range says so, with no figure.
    context.settings.targetTempo = 0;
    context.settings.shift = 1200;
    context.tempo = 15000;
    EXPECT_EQ(List("lvwChangement").figures(context, style),
              (Rows{{L"Décalage", L"+12 demi-tons"},
                    {L"Tempo du décalage", L"hors de la plage de 10 à 250"}}));
    EXPECT_EQ(List("lvwChangement").tempos(context, style).back(), std::nullopt);
}

TEST(LoopsPage, SwungPairsAndLfoRates) {
    const tk::NumberStyle style = French();
    FigureContext context = At120();
    EXPECT_EQ(List("lvwSwing").figures(context, style),
              (Rows{{L"Croches", L"300,00", L"200,00", L"50,00"},
                    {L"Doubles croches", L"150,00", L"100,00", L"25,00"}}));
    EXPECT_EQ(List("lvwSwing").headings(context, style).shown[0], L"Swing 60 %");
    context.settings.swing = kTripletSwing;
    EXPECT_EQ(List("lvwSwing").headings(context, style).shown[0], L"Swing 66,67 %");
    const Rows lfo = List("lvwLfo").figures(context, style);
    ASSERT_EQ(lfo.size(), kLfoPeriodCount);
    bool bar = false;
    for (const auto& row : lfo) {
        if (row[0] != L"1 mesure") continue;
        bar = true;
        EXPECT_EQ(row[1], L"0,500");
    }
    EXPECT_TRUE(bar);
}

// Each box refuses what is not its own, saying the range; an empty box is
// a value of none, but for the swing.
TEST(LoopsPage, EachBoxRefusesWithItsRange) {
    const tk::NumberStyle style = French();
    FigureContext context = At120();
    EXPECT_EQ(Box("txtLongueur").refuses(L"8000", context, style), std::nullopt);
    EXPECT_EQ(Box("txtLongueur").refuses(L"", context, style), std::nullopt);
    EXPECT_EQ(Box("txtLongueur").refuses(L"0", context, style),
              L"La longueur doit être un nombre positif de millisecondes, jusqu'à 86 400 000 "
              L"(24 heures), par exemple 8000 ou 2000,5.");
    context.settings.lengthUnit = LengthUnit::SamplesSecond;
    context.settings.rates.second = 96000;
    EXPECT_EQ(Box("txtLongueur").refuses(L"0", context, style),
              L"La longueur doit être un nombre positif d'échantillons à 96 kHz, jusqu'à "
              L"8 294 400 000 (24 heures), par exemple 352800.");

    const EntryBox& target = Box("txtTempoVise");
    EXPECT_EQ(target.refuses(L"251", context, style),
              L"Le tempo visé doit être un nombre de 10 à 250, par exemple 126 ou 117,55.");
    EXPECT_EQ(target.refuses(L"126", context, style), std::nullopt);
    EXPECT_EQ(target.value(L"117,55", style), 11755);
    EXPECT_EQ(target.value(L"", style), 0);
    EXPECT_EQ(target.text(0, style), L"");
    EXPECT_EQ(target.text(11755, style), L"117,55");

    const EntryBox& shift = Box("txtDecalage");
    EXPECT_EQ(shift.refuses(L"25", context, style),
              L"Le décalage doit être un nombre de demi-tons de −24 à +24, par exemple 1 ou "
              L"−0,5.");
    EXPECT_EQ(shift.value(L"−0,5", style), -50);
    EXPECT_EQ(shift.text(-50, style), L"−0,5");
    EXPECT_EQ(shift.value(shift.text(2400, style), style), 2400);

    const EntryBox& swing = Box("txtSwing");
    EXPECT_EQ(swing.refuses(L"", context, style),
              L"Le swing doit être un pourcentage de 50 à 75, par exemple 60 ou 66,67.");
    EXPECT_EQ(swing.refuses(L"75,01", context, style), swing.refuses(L"", context, style));
    EXPECT_EQ(swing.value(L"66,67", style), 6667);
    EXPECT_EQ(swing.text(6667, style), L"66,67");
}

// Each box is limited (no paste fills it with pages of text), and takes
// whole the longest text it accepts: a day less a microsecond in ms, a day
// of samples at the highest rate, a tempo, shift and swing to the
// hundredth.
TEST(LoopsPage, EachBoxTakesItsLongestTextAndIsLimited) {
    const tk::NumberStyle style = French();
    struct Case {
        std::string_view box;
        LengthUnit unit;
        std::wstring text;
    };
    const Case cases[] = {
        {"txtLongueur", LengthUnit::Milliseconds, L"86399999,999"},
        {"txtLongueur", LengthUnit::SamplesFirst,
         std::to_wstring(LongestLength(LengthUnit::SamplesFirst, {192000, 192000}))},
        {"txtTempoVise", LengthUnit::Milliseconds, L"117,55"},
        {"txtDecalage", LengthUnit::Milliseconds, L"−23,75"},
        {"txtSwing", LengthUnit::Milliseconds, L"66,67"},
    };
    for (const Case& c : cases) {
        FigureContext context = At120();
        context.settings.lengthUnit = c.unit;
        context.settings.rates = {192000, 192000};
        EXPECT_EQ(Box(c.box).refuses(c.text, context, style), std::nullopt) << c.box;
        const int limit = Control(c.box).maxLength;
        EXPECT_GT(limit, 0) << c.box << " has no limit";
        EXPECT_GE(limit, static_cast<int>(c.text.size())) << c.box;
    }
}

}  // namespace
}  // namespace rytmalo
