// The page "Boucles" tried as a musician would, from the keyboard and read
// from outside: a loop's length gives its tempo, which a line enters; a
// change to another tempo and a shift, the swing, the LFO rates; a value
// out of its range refused with a word of its range and nothing changed;
// the choices kept for the next start. French numbers.
#include "DetailViewFixture.h"
#include "driver/Lists.h"

namespace rytmalo::e2e {
namespace {

using LoopsPage = DetailView;
using Cells = std::vector<std::wstring>;

TEST_F(LoopsPage, ALoopsLengthSetsTheTempoAndAChangeSaysWhatItDoes) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    ASSERT_NO_FATAL_FAILURE(ToggleView());
    driver::PressChord({VK_MENU, 'B'});
    ASSERT_TRUE(driver::WaitUntil([&] { return ViewControl("txtLongueur") != nullptr; }));

    ASSERT_NO_FATAL_FAILURE(Enter('L', "txtLongueur", L"8000"));
    ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwBoucle").size() == 9; }));
    EXPECT_EQ(Rows("lvwBoucle")[5], (Cells{L"4 mesures", L"120"}));
    EXPECT_EQ(Rows("lvwBoucle")[6], (Cells{L"8 mesures", L"240"}));
    EXPECT_EQ(Rows("lvwBoucle")[0], (Cells{L"1 temps", L"moins de 10"}));
    // The same 8 s read again in seconds: "8000" is no day-long loop.
    ASSERT_NO_FATAL_FAILURE(Choose("cboUniteLongueur", L"secondes"));
    ASSERT_NO_FATAL_FAILURE(Enter('L', "txtLongueur", L"8"));
    EXPECT_TRUE(driver::WaitUntil([&] {
        return Rows("lvwBoucle").size() == 9 && Rows("lvwBoucle")[4] == Cells{L"2 mesures", L"60"};
    }));
    // A line chosen: its tempo is the tempo.
    HWND loops = ViewControl("lvwBoucle");
    ASSERT_TRUE(driver::ClickUntil(loops, [&] { return Focused() == loops; }));
    driver::PressKey(VK_HOME);
    for (int i = 0; i < 6; ++i) driver::PressKey(VK_DOWN);
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"240"; }));
    EXPECT_EQ(ViewText("txtTempoExact"), L"240");

    // From 120 to 126, and +1 semitone from 120.
    EnterTempo(L"120");
    ASSERT_NO_FATAL_FAILURE(Enter('R', "txtTempoVise", L"126"));
    ASSERT_NO_FATAL_FAILURE(Enter('A', "txtDecalage", L"1"));
    EXPECT_TRUE(driver::WaitUntil([&] { return Rows("lvwChangement").size() == 7; }))
        << ::testing::PrintToString(Rows("lvwChangement"));
    const auto changes = Rows("lvwChangement");
    EXPECT_EQ(changes[1], (Cells{L"Longueur (rapport)", L"0,9524"}));
    EXPECT_EQ(changes[2], (Cells{L"Vitesse", L"+5,00 %"}));
    EXPECT_EQ(changes[3], (Cells{L"Hauteur (varispeed)", L"+0,845 demi-ton"}));
    EXPECT_EQ(changes[4], (Cells{L"Hauteur en cents", L"+84,5 cents"}));
    EXPECT_EQ(changes[6], (Cells{L"Tempo du décalage", L"127,14"}));
    EXPECT_EQ(Rows("lvwSwing")[0], (Cells{L"Croches", L"300,00", L"200,00", L"50,00"}))
        << "60 % at first";
    ASSERT_NO_FATAL_FAILURE(Enter('W', "txtSwing", L"62,5"));
    EXPECT_TRUE(driver::WaitUntil([&] {
        return Rows("lvwSwing")[0] == Cells{L"Croches", L"312,50", L"187,50", L"62,50"};
    })) << ::testing::PrintToString(Rows("lvwSwing"));
    EXPECT_FALSE(Rows("lvwLfo").empty());

    // Out of its range: said with the range, nothing changes; Escape puts
    // back the value kept.
    ASSERT_NO_FATAL_FAILURE(Enter('W', "txtSwing", L"80"));
    ASSERT_NO_FATAL_FAILURE(
        DismissWarning(L"Le swing doit être un pourcentage de 50 à 75, par exemple 60 ou 66,67."));
    EXPECT_EQ(Rows("lvwSwing")[0][1], L"312,50");
    driver::Activate(Main());
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitUntil([&] { return ViewText("txtSwing") == L"62,5"; }));
    EXPECT_TRUE(driver::WaitUntil([&] {
        return Saved(L"TempoVise") == Dword(12600) && Saved(L"Decalage") == Dword(100) &&
               Saved(L"Swing") == Dword(6250) && Saved(L"UniteLongueur") == Dword(1);
    }));
    Quit();

    // Kept for the next start.
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(ViewText("txtTempoVise"), L"126");
    EXPECT_EQ(ViewText("txtDecalage"), L"1");
    EXPECT_EQ(ViewText("txtSwing"), L"62,5");
    EXPECT_EQ(ViewText("cboUniteLongueur"), L"secondes");
    EXPECT_TRUE(NoReport());
}

}  // namespace
}  // namespace rytmalo::e2e
