// Typing tempos, choosing the beat unit, reading the ten delays.
#include "ProgramFixture.h"

namespace rytmalo::e2e {
namespace {

using Calculator = ProgramTest;

const std::vector<std::wstring> k120Eighth = {L"4000", L"2000", L"1000", L"666", L"500",
                                              L"333",  L"250",  L"166",  L"125", L"62"};
const std::vector<std::wstring> kEmpty(10);

constexpr wchar_t kRangeWarning[] =
    L"La plage de valeurs de Tempo doit être comprise entre 10 et 250 ...";

TEST_F(Calculator, EnterComputesAndBeatUnitRecomputesWithoutEnter) {
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(k120Quarter));
    ChooseUnit("rdoCroche");
    EXPECT_TRUE(WaitForValues(k120Eighth));
    EXPECT_TRUE(Checked("rdoCroche"));
    EXPECT_FALSE(Checked("rdoNoire"));
    ChooseUnit("rdoRonde");
    EXPECT_TRUE(WaitForValues(
        {L"1000", L"500", L"250", L"166", L"125", L"83", L"62", L"41", L"31", L"15"}));
    ChooseUnit("rdoDouble");
    EXPECT_TRUE(WaitForValues(
        {L"8000", L"4000", L"2000", L"1333", L"1000", L"666", L"500", L"333", L"250", L"125"}));
}

TEST_F(Calculator, RangeEndsComputeOutOfRangeWarnsThenEmptiesTheBoxAndKeepsTheValues) {
    EnterTempo(L"250");
    EXPECT_TRUE(
        WaitForValues({L"960", L"480", L"240", L"160", L"120", L"80", L"60", L"40", L"30", L"15"}));
    EnterTempo(L"10");
    const std::vector<std::wstring> k10 = {L"24000", L"12000", L"6000", L"4000", L"3000",
                                           L"2000",  L"1500",  L"1000", L"750",  L"375"};
    ASSERT_TRUE(WaitForValues(k10));
    EXPECT_EQ(driver::FindTopLevel(Pid(), L"#32770"), nullptr);
    for (const wchar_t* tempo : {L"9", L"251", L"-5", L"abc", L""}) {
        if (*tempo) {
            EnterTempo(tempo);
        } else {
            TypeTempo(L"");
            driver::PressKey(VK_RETURN);
        }
        HWND box = driver::WaitForMessageBox(Pid());
        ASSERT_NE(box, nullptr) << "no warning for " << std::wstring(tempo).size();
        ExpectOkBox(box, L"Avertissement", kRangeWarning, IDI_EXCLAMATION);
        const driver::MessageBoxInfo info = driver::ReadMessageBox(box);
        EXPECT_EQ(info.defaultButton, IDOK);
        EXPECT_NEAR((info.rect.left + info.rect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((info.rect.top + info.rect.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        // Still the tempo typed while the box is up.
        EXPECT_EQ(Text("txtTempo"), tempo);
        // OK is also the cancel button: Escape closes the box.
        driver::Activate(box);
        driver::PressKey(VK_ESCAPE);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo").empty(); }));
        EXPECT_EQ(Values(), k10);
    }
}

// How text reads as a number is the tempo reader's (TempoText unit tests);
// here, that the window reads the box with it.
TEST_F(Calculator, TempoTextIsReadLeniently) {
    EnterTempo(L"12a");
    EXPECT_TRUE(WaitForValues(
        {L"20000", L"10000", L"5000", L"3333", L"2500", L"1666", L"1250", L"833", L"625", L"312"}));
    EXPECT_EQ(Text("txtTempo"), L"12a");
}

TEST_F(Calculator, EscapeEmptiesTheBoxOnly) {
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    TypeTempo(L"90");
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo").empty(); }));
    EXPECT_EQ(Values(), k120Quarter);
    EXPECT_EQ(driver::FindTopLevel(Pid(), L"#32770"), nullptr);
}

TEST_F(Calculator, BeatUnitComputesAnyTempoWithoutRangeCheck) {
    TypeTempo(L"300");
    ChooseUnit("rdoCroche");
    EXPECT_TRUE(WaitForValues(
        {L"1600", L"800", L"400", L"266", L"200", L"133", L"100", L"66", L"50", L"25"}));
    TypeTempo(L"-7");
    ChooseUnit("rdoNoire");
    EXPECT_TRUE(WaitForValues({L"-34285", L"-17142", L"-8571", L"-5714", L"-4285", L"-2857",
                               L"-2142", L"-1428", L"-1071", L"-535"}));
}

TEST_F(Calculator, BeatUnitWithEmptyBoxAppliesToTheNextEnter) {
    ChooseUnit("rdoCroche");
    ASSERT_TRUE(driver::WaitUntil([&] { return Checked("rdoCroche"); }));
    Sleep(200);
    EXPECT_EQ(Values(), kEmpty);
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(k120Eighth));
}

TEST_F(Calculator, TempoZeroIsReportedAndChangesNothingButTheUnit) {
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    TypeTempo(L"0");
    ChooseUnit("rdoCroche");
    HWND box = driver::WaitForMessageBox(Pid());
    ASSERT_NE(box, nullptr);
    ExpectOkBox(box, L"Rytmalo95", L"Division flottante par zéro.", IDI_HAND);
    driver::Activate(box);
    driver::PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(Values(), k120Quarter);
    EXPECT_TRUE(Checked("rdoCroche"));
    // The program goes on, and the eighth note stays the beat.
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForValues(k120Eighth));
    Quit();
}

TEST_F(Calculator, ArrowKeysMoveTheBeatUnit) {
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("rdoNoire"); }));
    driver::PressKey(VK_DOWN);
    EXPECT_TRUE(driver::WaitUntil([&] { return Focused() == Control("rdoCroche"); }));
    EXPECT_TRUE(WaitForValues(k120Eighth));
}

}  // namespace
}  // namespace rytmalo::e2e
