// The detailed view's pages, tried as a musician would: read from another
// process after Enter and after a unit change, switched from the keyboard,
// remembered across a restart, tapped with stamped clicks, doubled and
// halved, given a delay in hertz or a film click, copied. French numbers.
#include "DetailViewFixture.h"
#include "DisplayDpi.h"
#include "app/DetailPages.h"
#include "core/FrameRates.h"
#include "driver/Lists.h"

namespace rytmalo::e2e {
namespace {

using DetailPages = DetailView;
using Cells = std::vector<std::wstring>;

// The page whose tab is chosen.
PageId PageShown(HWND pages) {
    return rytmalo::DetailPages()[static_cast<std::size_t>(
                                      SendMessageW(pages, TCM_GETCURSEL, 0, 0))]
        .id;
}

TEST_F(DetailPages, EveryPageFollowsTheTempoTheUnitAndTheSignature) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    ASSERT_NO_FATAL_FAILURE(ToggleView());
    HWND pages = ViewControl("pgcPages");
    EXPECT_EQ(PageShown(pages), PageId::Values);
    EXPECT_EQ(ViewControl("lvwMesures"), nullptr) << "a page is made when first chosen";

    // Ctrl+Tab to the bars, as in any dialog with tabs.
    driver::Activate(Main());
    driver::PressChord({VK_CONTROL, VK_TAB});
    ASSERT_TRUE(driver::WaitUntil([&] { return PageShown(pages) == PageId::Bars; }));
    ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwMesures").size() == 7; }));
    auto bars = Rows("lvwMesures");
    EXPECT_EQ(bars[0], (Cells{L"Temps (noire)", L"500,00", L"0:00.500", L"22 050", L"24 000"}));
    EXPECT_EQ(bars[1], (Cells{L"1 mesure", L"2 000,00", L"0:02.000", L"88 200", L"96 000"}));
    EXPECT_EQ(bars[6][0], L"32 mesures");
    EXPECT_EQ(bars[6][2], L"1:04.000");

    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureHaut", L"7"));
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureBas", L"8"));
    // The beat stays the quarter; the eighth that the signature counts
    // follows it.
    EXPECT_TRUE(driver::WaitUntil([&] {
        return Rows("lvwMesures")[2] ==
               Cells{L"1 mesure", L"1 750,00", L"0:01.750", L"77 175", L"84 000"};
    })) << ::testing::PrintToString(Rows("lvwMesures"));
    EXPECT_EQ(Rows("lvwMesures")[0][0], L"Temps (noire)");
    EXPECT_EQ(Rows("lvwMesures")[1][0], L"Unité de la mesure (croche)");
    ChooseUnit("rdoCroche");
    EXPECT_TRUE(driver::WaitUntil([&] { return Rows("lvwMesures")[1][1] == L"3 500,00"; }));
    // A compound metre shows its dotted pulse: 6/8 at 133 with the eighth as beat.
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureHaut", L"6"));
    EnterTempo(L"133");
    EXPECT_TRUE(driver::WaitUntil([&] {
        bars = Rows("lvwMesures");
        return bars.size() == 8 && bars[1][0] == L"Pulsation (noire pointée)" &&
               bars[2][1] == L"2 706,77";
    })) << ::testing::PrintToString(Rows("lvwMesures"));

    // The mixing page at 120 to the quarter in 4/4.
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureHaut", L"4"));
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureBas", L"4"));
    ChooseUnit("rdoNoire");
    EnterTempo(L"120");
    driver::PressChord({VK_MENU, 'I'});
    ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwReverb").size() == 4; }));
    const auto reverb = Rows("lvwReverb");
    EXPECT_EQ(Cells(reverb[0].begin() + 1, reverb[0].end()),
              (Cells{L"7,81", L"492,19", L"500,00"}));
    EXPECT_EQ(Cells(reverb[3].begin() + 1, reverb[3].end()),
              (Cells{L"62,50", L"3 937,50", L"4 000,00"}));
    std::vector<std::wstring> compressor;
    for (const auto& row : Rows("lvwCompresseur")) compressor.push_back(row[1]);
    EXPECT_EQ(compressor, (Cells{L"31,25", L"62,50", L"250,00", L"500,00", L"468,75"}));
    ASSERT_NO_FATAL_FAILURE(Choose("cboPreDelai", L"Aucun"));
    EXPECT_TRUE(driver::WaitUntil([&] { return Rows("lvwReverb")[0][1] == L"0,00"; }));

    // The picture page, back with Ctrl+Shift+Tab from a page further on.
    driver::PressChord({VK_MENU, 'G'});
    ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwImage").size() == kFrameRateCount; }));
    const auto frames = Rows("lvwImage");
    EXPECT_EQ(frames[0], (Cells{L"23,976", L"11,988", L"47,952", L"12-0"}));
    EXPECT_EQ(frames[1], (Cells{L"24", L"12,000", L"48,000", L"12-0"}));
    EXPECT_EQ(frames[2], (Cells{L"25", L"12,500", L"50,000", L"12-4"}));
    // A page not shown while the tempo changes shows the new one when it
    // comes back.
    EnterTempo(L"60");
    driver::PressChord({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_TRUE(driver::WaitUntil([&] { return PageShown(pages) == PageId::Mixing; }));
    EXPECT_TRUE(driver::WaitUntil([&] { return Rows("lvwReverb")[0][3] == L"1 000,00"; }))
        << ::testing::PrintToString(Rows("lvwReverb"));
    EXPECT_TRUE(NoReport());
}

TEST_F(DetailPages, PageSignatureAndRatesAreRememberedAndABadHalfResetsTheSignature) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    driver::PressChord({VK_MENU, 'M'});
    ASSERT_TRUE(driver::WaitUntil([&] { return ViewControl("cboMesureHaut") != nullptr; }));
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureHaut", L"7"));
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureBas", L"8"));
    ASSERT_NO_FATAL_FAILURE(Choose("cboEchantillonsMesures2", L"96 kHz"));
    EXPECT_TRUE(driver::WaitUntil([&] {
        return Saved(L"PageDetail") == Dword(static_cast<DWORD>(PageId::Bars)) &&
               Saved(L"MesureHaut") == Dword(7) && Saved(L"MesureBas") == Dword(8) &&
               Saved(L"Echantillons2") == Dword(96000);
    }));
    EXPECT_EQ(driver::TextOf(ViewControl("lvwMesures")), L"");
    Quit();

    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(PageShown(ViewControl("pgcPages")), PageId::Bars);
    EXPECT_EQ(ViewText("cboMesureHaut"), L"7");
    EXPECT_EQ(ViewText("cboMesureBas"), L"8");
    EXPECT_EQ(ViewText("cboEchantillonsMesures2"), L"96 kHz");
    EXPECT_EQ(ViewControl("lvwTableau"), nullptr) << "only the page shown is made";
    Quit();

    Save(L"MesureBas", Dword(3));
    program_ = driver::Process::Launch(driver::ProgramPath());
    ASSERT_NO_FATAL_FAILURE(ExpectResetNotice(
        L"Un réglage enregistré était illisible ou hors limites : la mesure. Il a repris sa "
        L"valeur par défaut, qui est enregistrée."));
    ASSERT_NO_FATAL_FAILURE(FindMain());
    EXPECT_EQ(ViewText("cboMesureHaut"), L"4") << "half a signature is none: 4/4";
    EXPECT_EQ(ViewText("cboMesureBas"), L"4");
    EXPECT_EQ(Saved(L"MesureHaut"), Dword(4)) << "the whole signature stored again";
    EXPECT_EQ(Saved(L"MesureBas"), Dword(4));
    EXPECT_TRUE(NoReport()) << "told once";
}

// Clicks stamped 500 ms apart, one beat left out: the missed beat is
// counted once three taps have set the period.
TEST_F(DetailPages, TappingWithClicksCountsAMissedBeatAndKeepsTheTempoExact) {
    ASSERT_NO_FATAL_FAILURE(StartTapping());
    HWND tap = ViewControl("cmdTaper");
    const DWORD start = GetTickCount();
    for (const DWORD at : {0, 500, 1000, 2000, 2500, 3000})
        driver::ClickStamped(driver::Center(tap), start + at);
    EXPECT_TRUE(TapReads(L"Tempo tapé : 120,0 (6 temps, ± 0,0)"));
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"120"; }));

    // 95.4 tapped stays 95,4 in the view; the window computes 95.
    driver::PressKey(VK_ESCAPE);
    const DWORD later = GetTickCount();
    for (int beat = 0; beat < 4; ++beat)
        driver::ClickStamped(driver::Center(tap), later + static_cast<DWORD>(beat * 60000 / 95.4));
    EXPECT_TRUE(driver::WaitUntil([&] { return ViewText("txtTempoExact") == L"95,4"; }))
        << ::testing::PrintToString(ViewText("txtTempoExact"));
    EXPECT_EQ(Text("txtTempo"), L"95");
    EXPECT_EQ(ViewText("lblTableau"),
              L"Tempo 95,4 à la noire — les dix délais du haut sont ceux du tempo 95");

    // Four taps 503 ms apart: the reading says the tempo it enters.
    driver::PressKey(VK_ESCAPE);
    const DWORD again = GetTickCount();
    for (const DWORD at : {0, 503, 1006, 1509})
        driver::ClickStamped(driver::Center(tap), again + at);
    EXPECT_TRUE(TapReads(L"Tempo tapé : 119,3 (4 temps"));
    EXPECT_TRUE(driver::WaitUntil([&] { return ViewText("txtTempoExact") == L"119,3"; }));
    EXPECT_TRUE(NoReport());
}

TEST_F(DetailPages, DoubleHalveAndTheExactTempo) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    EnterTempo(L"120");
    HWND twice = ViewControl("cmdDouble");
    HWND half = ViewControl("cmdMoitie");
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(twice) != FALSE; }));
    ASSERT_TRUE(driver::ClickUntil(twice, [&] { return Text("txtTempo") == L"240"; }));
    EXPECT_EQ(ViewText("txtTempoExact"), L"240");
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(twice) == FALSE; }))
        << "480 would leave the range";
    ASSERT_TRUE(driver::ClickUntil(half, [&] { return Text("txtTempo") == L"120"; }));
    EnterTempo(L"15");
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(half) == FALSE; })) << "7,5";

    // Decimals typed in the view: the pages take them, the window the
    // nearest whole tempo; a tempo typed in the window is then exact.
    ASSERT_NO_FATAL_FAILURE(Retype("txtTempoExact", L"117,55"));
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"118"; }));
    const std::vector<std::wstring> noire{L"Noire", L"510,42", L"1,96", L"22 510", L"24 500"};
    EXPECT_TRUE(WaitForRow(L"Noire", noire));
    EXPECT_EQ(ViewText("lblTableau"),
              L"Tempo 117,55 à la noire — les dix délais du haut sont ceux du tempo 118");
    // ÷2 then ×2: the very tempo and the very figures, however often.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(
            driver::ClickUntil(half, [&] { return ViewText("txtTempoExact") == L"58,78"; }));
        EXPECT_EQ(Text("txtTempo"), L"59");
        ASSERT_TRUE(
            driver::ClickUntil(twice, [&] { return ViewText("txtTempoExact") == L"117,55"; }));
        EXPECT_TRUE(WaitForRow(L"Noire", noire));
    }
    // Escape in the exact tempo's box puts back the tempo in use.
    HWND exact = ViewControl("txtTempoExact");
    ASSERT_TRUE(driver::ClickUntil(exact, [&] { return Focused() == exact; }));
    driver::PressKey(VK_END);
    driver::TypeText(L"5");
    ASSERT_TRUE(driver::WaitUntil([&] { return ViewText("txtTempoExact") == L"117,555"; }));
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitUntil([&] { return ViewText("txtTempoExact") == L"117,55"; }));
    driver::PressChord({VK_CONTROL, 'A'});
    // Not a tempo of the range: said, nothing changes.
    driver::PressChord({VK_CONTROL, 'A'});
    driver::TypeText(L"251");
    driver::PressKey(VK_RETURN);
    ASSERT_NO_FATAL_FAILURE(
        DismissWarning(L"Le tempo exact doit être un nombre de 10 à 250, par exemple 117,55."));
    EXPECT_EQ(Text("txtTempo"), L"118");
    EnterTempo(L"118");
    EXPECT_TRUE(driver::WaitUntil([&] { return ViewText("txtTempoExact") == L"118"; }));
    EXPECT_TRUE(NoReport());
}

TEST_F(DetailPages, ADelayInHertzItsNearestValueAndAFilmClick) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    EnterTempo(L"120");
    ASSERT_NO_FATAL_FAILURE(Choose("cboUniteDelai", L"hertz"));
    EXPECT_TRUE(driver::WaitUntil([&] { return Saved(L"UniteDelai") == Dword(1); }));
    HWND list = ViewControl("lstTempos");
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"2,5"));
    ASSERT_TRUE(driver::WaitUntil([&] { return !driver::ListBoxLines(list).empty(); }));
    const auto lines = driver::ListBoxLines(list);
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Noire : 150,0"), lines.end())
        << ::testing::PrintToString(lines);
    EXPECT_EQ(ViewText("lblProche"), L"Au tempo 120, le plus proche : Croche pointée, +6,67 %");
    // The delay typed is read again in the unit chosen: as samples, which
    // are whole, "2,5" at 48 kHz is 3 of them, 0,0625 ms.
    ASSERT_NO_FATAL_FAILURE(Choose("cboUniteDelai", L"échantillons à 48 kHz"));
    EXPECT_TRUE(driver::WaitUntil([&] {
        return driver::ListBoxLines(list) ==
               std::vector<std::wstring>{L"Aucun tempo de 10 à 250 pour ce délai"};
    })) << ::testing::PrintToString(driver::ListBoxLines(list));
    EXPECT_EQ(ViewText("lblProche"), L"Au tempo 120, le plus proche : Quadruple croche, −99,80 %");

    // On the picture page the box takes a click: its tempo at each rate.
    driver::PressChord({VK_MENU, 'G'});
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"12-2"));
    const std::wstring at24 = L"12-2 à 24 images/s : 117,55";
    ASSERT_TRUE(driver::WaitUntil([&] {
        const auto now = driver::ListBoxLines(list);
        return std::find(now.begin(), now.end(), at24) != now.end();
    })) << ::testing::PrintToString(driver::ListBoxLines(list));
    const auto clicks = driver::ListBoxLines(list);
    ASSERT_TRUE(driver::ClickUntil(list, [&] { return Focused() == list; }));
    SendMessageW(list, LB_SETCURSEL, std::find(clicks.begin(), clicks.end(), at24) - clicks.begin(),
                 0);
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] { return ViewText("txtTempoExact") == L"117,55"; }));
    EXPECT_EQ(Text("txtTempo"), L"118");
    EXPECT_TRUE(driver::WaitUntil([&] { return Rows("lvwImage")[1][3] == L"12-2"; }));
    EXPECT_TRUE(NoReport());
}

// On the picture page a figure is read in the unit shown, a film click
// only in its dashed form; the lines are those of the page shown.
TEST_F(DetailPages, ThePicturePageReadsADelayInItsUnitAndItsLinesFollowThePage) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    EnterTempo(L"120");
    HWND list = ViewControl("lstTempos");
    const auto lines = [&] { return driver::ListBoxLines(list); };
    const auto has = [&](const std::wstring& line) {
        const auto now = lines();
        return std::find(now.begin(), now.end(), line) != now.end();
    };
    driver::PressChord({VK_MENU, 'G'});
    ASSERT_TRUE(driver::WaitUntil([&] { return !Rows("lvwImage").empty(); }));
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"375"));
    EXPECT_TRUE(driver::WaitUntil([&] { return has(L"Croche pointée : 120,0"); }))
        << ::testing::PrintToString(lines());
    driver::PressChord({VK_CONTROL, 'A'});
    driver::TypeText(L"12");
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] {
        return has(L"Noire : 5000,0") || has(L"Ronde : 20000,0") || lines().size() == 1;
    })) << "12 ms, no click: "
        << ::testing::PrintToString(lines());
    EXPECT_FALSE(has(L"12-0 à 24 images/s : 120")) << "not a click";
    // A click, then the page left: the lines are read again there, where
    // a click is no delay.
    driver::PressChord({VK_CONTROL, 'A'});
    driver::TypeText(L"12-0");
    driver::PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitUntil([&] { return has(L"12-0 à 24 images/s : 120"); }))
        << ::testing::PrintToString(lines());
    driver::PressChord({VK_MENU, 'V'});
    EXPECT_TRUE(driver::WaitUntil([&] { return lines().empty(); }))
        << ::testing::PrintToString(lines());
    driver::PressChord({VK_MENU, 'G'});
    EXPECT_TRUE(driver::WaitUntil([&] { return has(L"12-0 à 24 images/s : 120"); }));
    EXPECT_TRUE(NoReport());
}

// The line that finds no tempo is chosen like any other: nothing changes.
TEST_F(DetailPages, TheLineOfNoTempoEntersNothing) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    EnterTempo(L"120");
    HWND list = ViewControl("lstTempos");
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"0,01"));
    ASSERT_TRUE(driver::WaitUntil([&] {
        return driver::ListBoxLines(list) ==
               std::vector<std::wstring>{L"Aucun tempo de 10 à 250 pour ce délai"};
    })) << ::testing::PrintToString(driver::ListBoxLines(list));
    ASSERT_TRUE(driver::ClickUntil(list, [&] { return Focused() == list; }));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    driver::PressKey(VK_RETURN);
    Sleep(300);
    EXPECT_EQ(Text("txtTempo"), L"120");
    EXPECT_EQ(ViewText("txtTempoExact"), L"120");
    EXPECT_EQ(ViewText("lblTableau"), L"Tempo 120 à la noire");
    EXPECT_TRUE(NoReport());
}

// Ctrl+Shift+C anywhere in the window: the ten values under their tempo.
TEST_F(DetailPages, TheTenValuesAreCopiedFromTheKeyboard) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    driver::PressChord({VK_CONTROL, VK_SHIFT, 'C'});
    ASSERT_TRUE(driver::WaitUntil([&] { return !driver::ClipboardText().empty(); }));
    EXPECT_EQ(driver::ClipboardText(),
              L"Tempo 120 à la noire\r\nRonde\t2000\r\nBlanche\t1000\r\nNoire\t500\r\n"
              L"Triolet de noire\t333\r\nCroche\t250\r\nTriolet\t166\r\nDouble-Croche\t125\r\n"
              L"Triolet de Double\t83\r\nTriple-Croche\t62\r\nQuadruple croche\t31\r\n");
    EXPECT_EQ(Text("txtTempo"), L"120") << "the tempo box keeps its text";
}

TEST_F(DetailPages, APageIsCopiedUnderALineNamingItsTempo) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    EnterTempo(L"120");
    driver::PressChord({VK_MENU, 'M'});
    ASSERT_TRUE(driver::WaitUntil([&] { return ViewControl("cboMesureHaut") != nullptr; }));
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureHaut", L"7"));
    ASSERT_NO_FATAL_FAILURE(Choose("cboMesureBas", L"8"));
    HWND list = ViewControl("lvwMesures");
    ASSERT_TRUE(driver::ClickUntil(list, [&] { return Focused() == list; }));
    driver::PressChord({VK_CONTROL, 'A'});
    driver::PressChord({VK_CONTROL, 'C'});
    ASSERT_TRUE(driver::WaitUntil([&] { return !driver::ClipboardText().empty(); }));
    const std::wstring text = driver::ClipboardText();
    EXPECT_EQ(text.rfind(L"Tempo 120 à la noire, mesure 7/8\r\n"
                         L"Durée\tms\tmin:s.ms\tÉchantillons à 44,1 kHz\tÉchantillons à 48 kHz\r\n"
                         L"Temps (noire)\t500,00\t0:00.500\t22050\t24000\r\n"
                         L"Unité de la mesure (croche)\t250,00\t0:00.250\t11025\t12000\r\n"
                         L"1 mesure\t1750,00\t0:01.750\t77175\t84000\r\n",
                         0),
              0u)
        << ::testing::PrintToString(text);
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 2 + 8);
}

// Every heading and figure of every page whole at 96, 120 and 144 dpi in
// French, the longest at tempo 10 with the sixteenth as beat in 32/1, the
// highest at 250 with the half note; the window wider than its own for
// that, and its own again without the view.
TEST_F(DetailPages, NoPageClipsAFigureAtAnyResolution) {
    for (const int dpi : {96, 120, 144}) {
        {
            DisplayDpi display(dpi);
            ASSERT_NO_FATAL_FAILURE(Start());
        }
        RECT own{};
        GetClientRect(Main(), &own);
        if (!ViewShown()) {
            ASSERT_NO_FATAL_FAILURE(ToggleView());
        }
        const auto fits = [&](std::string_view name) {
            HWND list = ViewControl(name);
            const auto& columns = FindDetailControl(name)->columns;
            RECT client;
            GetClientRect(list, &client);
            int total = 0;
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const int width = ListView_GetColumnWidth(list, static_cast<int>(c));
                total += width;
                for (const auto& row : Rows(name)) {
                    EXPECT_LE(driver::ListViewStringWidth(list, row[c]) + 10, width)
                        << dpi << " dpi, " << name << ": " << ::testing::PrintToString(row[c]);
                }
            }
            EXPECT_LE(total, client.right) << dpi << " dpi, " << name << ": no sideways scrolling";
        };
        for (const auto& [tempo, unit] : {std::pair{L"10", "rdoDouble"}, {L"250", "rdoRonde"}}) {
            ChooseUnit(unit);
            EnterTempo(tempo);
            driver::PressChord({VK_MENU, 'V'});
            ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwTableau").size() == 19; }));
            fits("lvwTableau");
            driver::PressChord({VK_MENU, 'M'});
            ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwMesures").size() >= 7; }));
            ASSERT_NO_FATAL_FAILURE(Choose("cboMesureHaut", L"32"));
            ASSERT_NO_FATAL_FAILURE(Choose("cboMesureBas", L"1"));
            fits("lvwMesures");
            driver::PressChord({VK_MENU, 'I'});
            ASSERT_TRUE(driver::WaitUntil([&] { return Rows("lvwReverb").size() == 4; }));
            ASSERT_NO_FATAL_FAILURE(Choose("cboPreDelai", L"1/16"));
            fits("lvwReverb");
            fits("lvwCompresseur");
            driver::PressChord({VK_MENU, 'G'});
            ASSERT_TRUE(
                driver::WaitUntil([&] { return Rows("lvwImage").size() == kFrameRateCount; }));
            fits("lvwImage");
        }
        RECT wide{};
        GetClientRect(Main(), &wide);
        EXPECT_GT(wide.right, own.right);
        ASSERT_NO_FATAL_FAILURE(ToggleView());
        RECT back{};
        GetClientRect(Main(), &back);
        EXPECT_EQ(back.right, own.right) << "its own width without the view";
        EXPECT_EQ(back.bottom, own.bottom);
        Quit();
    }
}

}  // namespace
}  // namespace rytmalo::e2e
