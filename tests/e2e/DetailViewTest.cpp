// The detailed view, tried as a new user would: off at first, turned on from
// the Options menu, its table read from outside after a tempo and a unit
// change, remembered, tapped, asked for the tempo of a delay, copied from.
// The user writes numbers the French way here: a comma and a space.
#include "DetailViewFixture.h"
#include "DisplayDpi.h"
#include "HelpFixture.h"
#include "app/DetailPageId.h"
#include "core/DelayInput.h"
#include "core/LoopLength.h"

namespace rytmalo::e2e {
namespace {

TEST_F(DetailView, OffAtFirstThenShownBesideAndBelowTheValuesFollowingTempoAndUnit) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(ClientHeight(), 327);
    EXPECT_EQ(ViewControl("lvwTableau"), nullptr) << "nothing of the view is made before";
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));

    const RECT before = driver::ScreenRect(Main());
    ASSERT_NO_FATAL_FAILURE(ToggleView());
    // The tools beside the calculator, the pages below it to the bottom.
    EXPECT_GT(ClientHeight(), 327 + kLeastPagesHeight);
    EXPECT_EQ(driver::RectInParent(ViewControl("pnlOutils")).left, kToolsLeft);
    EXPECT_EQ(driver::RectInParent(ViewControl("pnlOutils")).bottom, 327);
    EXPECT_EQ(driver::RectInParent(ViewControl("pnlDetail")).top, 327);
    EXPECT_EQ(driver::RectInParent(ViewControl("pnlDetail")).bottom, ClientHeight());
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto movedUpEnough = [&] {
        const RECT r = driver::ScreenRect(Main());
        return r.top == std::min(before.top, work.bottom - (r.bottom - r.top));
    };
    EXPECT_TRUE(driver::WaitUntil(movedUpEnough, 5000))
        << "moved up only as far as the work area asks";
    const RECT grown = driver::ScreenRect(Main());
    EXPECT_EQ(grown.left, before.left);

    // The figures of the tempo shown, dotted values after their plain one.
    const auto table = Table();
    ASSERT_EQ(table.size(), 19u);
    EXPECT_EQ(table[9][0], L"Croche");
    EXPECT_EQ(table[10], (std::vector<std::wstring>{L"Croche pointée", L"375,00", L"2,67",
                                                    L"16 538", L"18 000"}));
    EXPECT_EQ(table[8], (std::vector<std::wstring>{L"Triolet de noires", L"333,33", L"3,00",
                                                   L"14 700", L"16 000"}));
    EXPECT_EQ(table[5], (std::vector<std::wstring>{L"Triolet de blanches", L"666,67", L"1,50",
                                                   L"29 400", L"32 000"}));
    EXPECT_EQ(ViewText("lblTableau"), L"Tempo 120 à la noire") << "what the figures are for";
    ChooseUnit("rdoCroche");
    EXPECT_TRUE(WaitForRow(L"Noire", {L"Noire", L"1 000,00", L"1,00", L"44 100", L"48 000"}));
    EXPECT_EQ(ViewText("lblTableau"), L"Tempo 120 à la croche");
    // A rejected tempo changes neither the values nor the table.
    EnterTempo(L"300");
    HWND warning = driver::WaitForMessageBox(Pid());
    ASSERT_NE(warning, nullptr);
    driver::PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(warning); }));
    EXPECT_EQ(Row(L"Noire")[1], L"1 000,00");

    ASSERT_NO_FATAL_FAILURE(ToggleView());
    EXPECT_EQ(ClientHeight(), 327);
    EXPECT_EQ(driver::ScreenRect(Main()).top, grown.top) << "the top-left corner stays";
    EXPECT_TRUE(driver::WaitUntil([&] { return Saved(L"TableauDetaille") == Dword(0); }));
}

// Through a beat-unit button the window computes for whatever the box
// holds; the view shows figures for tempos from 10 to 250 only, and says so.
TEST_F(DetailView, ATempoOutsideTheRangeEmptiesTheTableAndIsSaid) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    HWND table = ViewControl("lvwTableau");
    for (const wchar_t* tempo : {L"-50", L"300"}) {
        ASSERT_NO_FATAL_FAILURE(TypeTempo(tempo));
        ChooseUnit(std::wstring_view(tempo) == L"-50" ? "rdoCroche" : "rdoNoire");
        EXPECT_TRUE(driver::WaitUntil([&] {
            return ViewText("lblTableau") == L"Tempo " + std::wstring(tempo) +
                                                 L" hors de la plage de 10 à 250 : aucune valeur";
        })) << ViewText("lblTableau");
        EXPECT_TRUE(Table().empty()) << tempo;
        EXPECT_EQ(ListView_GetItemCount(table), 0);
    }
    EXPECT_EQ(Text("txtRonde"), L"800") << "the window computed for 300 all the same";
    EnterTempo(L"120");
    EXPECT_TRUE(WaitForRow(L"Noire", {L"Noire", L"500,00", L"2,00", L"22 050", L"24 000"}));
    EXPECT_EQ(ViewText("lblTableau"), L"Tempo 120 à la noire");
    EXPECT_TRUE(NoReport());
}

// The longest figures (tempo 10, the sixteenth as beat) and the highest
// frequencies (250, the half note as beat) in French, at 96 and 144 dpi:
// every text, headers too, fits its column with the list's own margins.
TEST_F(DetailView, NoFigureOrNameIsClippedAt96Or144Dpi) {
    for (const int dpi : {96, 144}) {
        {
            DisplayDpi display(dpi);
            ASSERT_NO_FATAL_FAILURE(Start());
        }
        if (!ViewShown()) {
            ASSERT_NO_FATAL_FAILURE(ToggleView());
        }
        HWND table = ViewControl("lvwTableau");
        const auto& columns = FindDetailControl("lvwTableau")->columns;
        const auto expectFits = [&](const std::wstring& text, int column) {
            const int width = driver::ListViewStringWidth(table, text);
            ASSERT_GT(width, 0) << text;
            // The list draws a cell's text inside margins of 5 pixels.
            EXPECT_LE(width + 10, ListView_GetColumnWidth(table, column))
                << dpi << " dpi: " << ::testing::PrintToString(text);
        };
        for (std::size_t c = 0; c < columns.size(); ++c)
            expectFits(std::wstring(columns[c].caption), static_cast<int>(c));
        for (const auto& [tempo, unit] : {std::pair{L"10", "rdoDouble"}, {L"250", "rdoRonde"}}) {
            ChooseUnit(unit);
            EnterTempo(tempo);
            ASSERT_TRUE(driver::WaitUntil([&] {
                return ViewText("lblTableau").starts_with(L"Tempo " + std::wstring(tempo) + L" ");
            }));
            const auto rows = Table();
            ASSERT_EQ(rows.size(), 19u);
            for (const auto& row : rows) {
                for (std::size_t c = 0; c < row.size(); ++c)
                    expectFits(row[c], static_cast<int>(c));
            }
            if (tempo == std::wstring(L"10")) {
                EXPECT_EQ(Row(L"Ronde pointée")[1], L"144 000,00");
            }
        }
        Quit();
    }
}

TEST_F(DetailView, RememberedAtTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    EXPECT_TRUE(driver::WaitUntil([&] { return Saved(L"TableauDetaille") == Dword(1); }));
    const LONG height = ClientHeight();
    Quit();
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(ViewShown());
    EXPECT_EQ(ClientHeight(), height);
}

// Every value of the view stored wrong, of the wrong type or out of range:
// one notice names them all, their defaults are stored, the next start is
// silent.
TEST_F(DetailView, BadStoredValuesAreToldOnceAndTheirDefaultsStored) {
    Save(L"TableauDetaille", TextValue(L"oui"));
    Save(L"PageDetail", Dword(static_cast<DWORD>(kPageCount)));
    Save(L"ToutesDivisions", Dword(2));
    Save(L"MesureHaut", Dword(33));
    Save(L"MesureBas", Dword(4));
    Save(L"PreDelai", TextValue(L"1/16"));
    Save(L"Echantillons1", Dword(22050));
    Save(L"Echantillons2", TextValue(L"48000"));
    Save(L"UniteDelai", Dword(kDelayUnitCount));
    Save(L"UniteLongueur", Dword(kLengthUnitCount));
    Save(L"TempoVise", Dword(25001));
    Save(L"Decalage", TextValue(L"+1"));
    Save(L"Swing", Dword(80));
    program_ = driver::Process::Launch(driver::ProgramPath());
    ASSERT_NO_FATAL_FAILURE(ExpectResetNotice(
        L"Des réglages enregistrés étaient illisibles ou hors limites : l'affichage du tableau "
        L"détaillé, la page affichée, le choix de toutes les divisions, la mesure, le pré-délai "
        L"de la réverbération, la première fréquence d'échantillonnage, la seconde fréquence "
        L"d'échantillonnage, l'unité du délai, l'unité de la longueur d'une boucle, le tempo "
        L"visé, le décalage en demi-tons et le swing. Ils ont repris leur valeur par défaut, qui "
        L"est enregistrée."));
    ASSERT_NO_FATAL_FAILURE(FindMain());
    EXPECT_TRUE(NoReport()) << "one notice";
    EXPECT_FALSE(ViewShown());
    const std::pair<const wchar_t*, DWORD> defaults[] = {
        {L"TableauDetaille", 0},   {L"PageDetail", 0},        {L"ToutesDivisions", 0},
        {L"MesureHaut", 4},        {L"MesureBas", 4},         {L"PreDelai", 0},
        {L"Echantillons1", 44100}, {L"Echantillons2", 48000}, {L"UniteDelai", 0},
        {L"UniteLongueur", 0},     {L"TempoVise", 0},         {L"Decalage", 0},
        {L"Swing", 6000}};
    for (const auto& [name, value] : defaults) EXPECT_EQ(Saved(name), Dword(value)) << name;
    Quit();

    ASSERT_NO_FATAL_FAILURE(Start());
    Sleep(500);
    EXPECT_TRUE(NoReport()) << "the next start is silent";
}

TEST_F(DetailView, TappingTheBeatSetsTheTempoAndATempoOutOfRangeIsOnlySaid) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    HWND tap = ViewControl("cmdTaper");
    HWND said = ViewControl("lblTempoTape");
    // Clicks stamped 480 ms apart (a loaded machine cannot stretch them):
    // 125 beats per minute. Read once the sixth tap is counted.
    const DWORD start = GetTickCount();
    for (DWORD beat = 0; beat < 6; ++beat)
        driver::ClickStamped(driver::Center(tap), start + beat * 480);
    ASSERT_TRUE(driver::WaitUntil([&] {
        return driver::TextOf(said).rfind(L"Tempo tapé : 125,0 (6 temps", 0) == 0;
    })) << ::testing::PrintToString(driver::TextOf(said));
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"125"; }));
    EXPECT_EQ(Text("txtRonde"), L"1920") << "computed as Enter would";

    // Escape on the button starts over; two quick presses of Space are far
    // beyond 250.
    driver::Activate(Main());
    ASSERT_TRUE(driver::ClickUntil(tap, [&] { return Focused() == tap; }));
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::TextOf(said) == kTapPrompt; }));
    // The click that gave the focus was a tap of the series too.
    const std::wstring tempoNow = Text("txtTempo");
    const std::wstring values = Text("txtRonde");
    driver::PressKey(VK_SPACE);
    Sleep(60);
    driver::PressKey(VK_SPACE);
    EXPECT_TRUE(driver::WaitUntil([&] {
        return driver::TextOf(said).find(L"hors de la plage") != std::wstring::npos;
    })) << driver::TextOf(said);
    EXPECT_EQ(Text("txtTempo"), tempoNow);
    EXPECT_EQ(Text("txtRonde"), values);
    EXPECT_TRUE(NoReport()) << "no message box interrupts the tapping";
}

// Taps are timed by their input, not by when the program gets to them:
// presses stamped 500 ms apart but sent at once are 120 beats a minute. A
// tempo then entered otherwise takes the tapped one off the view.
TEST_F(DetailView, TapsAreTimedByTheirInputAndATempoEnteredOtherwiseClearsTheTappedOne) {
    ASSERT_NO_FATAL_FAILURE(StartTapping());
    HWND said = ViewControl("lblTempoTape");
    const DWORD start = GetTickCount();
    for (DWORD beat = 0; beat < 5; ++beat) driver::PressKeyStamped(VK_SPACE, start + 500 * beat);
    EXPECT_TRUE(TapReads(L"Tempo tapé : 120,0 (5 temps, ± 0,0)"));
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"120"; }));

    EnterTempo(L"90");
    EXPECT_TRUE(driver::WaitUntil([&] {
        return driver::TextOf(said) == L"Tapez au moins deux temps";
    })) << ::testing::PrintToString(driver::TextOf(said));
    EXPECT_TRUE(NoReport());
}

TEST_F(DetailView, ADelayGivesTheTemposItFallsOnAndChoosingOneComputesIt) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    HWND list = ViewControl("lstTempos");
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"375"));
    ASSERT_TRUE(driver::WaitUntil([&] { return !driver::ListBoxLines(list).empty(); }));
    const auto lines = driver::ListBoxLines(list);
    // From 10 to 250 only: the whole and half notes, at 640 and 320, and the
    // whole-note triplet, at 426,7, are left out.
    EXPECT_EQ(lines.front(), L"Triolet de blanches : 213,3");
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Croche pointée : 120,0"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Noire : 160,0"), lines.end());

    // Enter on a line, then a double-click on another.
    const auto index = [&](const wchar_t* line) {
        return static_cast<int>(std::find(lines.begin(), lines.end(), line) - lines.begin());
    };
    ASSERT_TRUE(driver::ClickUntil(list, [&] { return Focused() == list; }));
    SendMessageW(list, LB_SETCURSEL, index(L"Croche pointée : 120,0"), 0);
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForValues(k120Quarter));
    EXPECT_EQ(Text("txtTempo"), L"120");

    // Not a positive number: said, and nothing changes.
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"abc"));
    ASSERT_NO_FATAL_FAILURE(DismissWarning(
        L"Le délai doit être un nombre positif de millisecondes, par exemple 375 ou 187,5."));
    EXPECT_EQ(driver::ListBoxLines(list), lines);
    EXPECT_EQ(Text("txtTempo"), L"120");

    // Another beat unit with the tempo box empty: the list follows it at
    // once, and a line chosen is the tempo at which its value lasts 375 ms.
    driver::PressKey(VK_ESCAPE);
    ASSERT_NO_FATAL_FAILURE(TypeTempo(L""));
    ChooseUnit("rdoCroche");
    EXPECT_TRUE(driver::WaitUntil([&] {
        const auto now = driver::ListBoxLines(list);
        return std::find(now.begin(), now.end(), L"Croche pointée : 240,0") != now.end();
    })) << ::testing::PrintToString(driver::ListBoxLines(list));
    const auto eighth = driver::ListBoxLines(list);
    ASSERT_TRUE(driver::ClickUntil(list, [&] { return Focused() == list; }));
    SendMessageW(
        list, LB_SETCURSEL,
        std::find(eighth.begin(), eighth.end(), L"Croche pointée : 240,0") - eighth.begin(), 0);
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"240"; }));
    EXPECT_TRUE(WaitForRow(L"Croche pointée",
                           {L"Croche pointée", L"375,00", L"2,67", L"16 538", L"18 000"}));
}

TEST_F(DetailView, CtrlCCopiesTheTableAndCopierAValue) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    ASSERT_NO_FATAL_FAILURE(ToggleView());

    // Reached with Tab, nothing selected: the whole table, under a line
    // naming the tempo and beat and the headings.
    HWND table = ViewControl("lvwTableau");
    HWND rate = ViewControl("cboEchantillons2");
    ASSERT_TRUE(driver::ClickUntil(rate, [&] { return Focused() == rate; }));
    driver::PressKey(VK_ESCAPE);
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == table; }));
    driver::PressChord({VK_CONTROL, 'C'});
    ASSERT_TRUE(driver::WaitUntil([&] { return !driver::ClipboardText().empty(); }));
    const std::wstring all = driver::ClipboardText();
    EXPECT_EQ(all.substr(0, all.find(L"\r\n")), L"Tempo 120 à la noire");
    EXPECT_NE(all.find(L"\r\nValeur\tms\tHz\tÉchantillons à 44,1 kHz\tÉchantillons à 48 kHz\r\n"),
              std::wstring::npos);
    EXPECT_NE(all.find(L"\r\nCroche pointée\t375,00\t2,67\t16538\t18000\r\n"), std::wstring::npos);
    EXPECT_EQ(std::count(all.begin(), all.end(), L'\n'), 21);

    // One row chosen (the seventh, from the keyboard): that row; then the
    // context menu's Copier does the same.
    driver::PressKey(VK_HOME);
    for (int i = 0; i < 6; ++i) driver::PressKey(VK_DOWN);
    driver::ClearClipboard();
    driver::PressChord({VK_CONTROL, 'C'});
    const std::wstring noire =
        L"Tempo 120 à la noire\r\nValeur\tms\tHz\tÉchantillons à 44,1 kHz\tÉchantillons à 48 "
        L"kHz\r\n"
        L"Noire\t500,00\t2,00\t22050\t24000\r\n";
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::ClipboardText() == noire; }))
        << ::testing::PrintToString(driver::ClipboardText());
    // From the keyboard the menu opens at the focused row, its first
    // command highlighted: Enter chooses it.
    driver::ClearClipboard();
    const int focused = ListView_GetNextItem(table, -1, LVNI_FOCUSED);
    ASSERT_EQ(focused, 6);
    driver::PressChord({VK_SHIFT, VK_F10});
    HWND menu = nullptr;
    ASSERT_TRUE(driver::WaitUntil(
        [&] { return (menu = driver::FindTopLevel(Pid(), L"#32768")) != nullptr; }, 5000));
    const RECT at = driver::ScreenRect(menu);
    const RECT rowOnScreen = driver::ListViewRowRect(table, focused);
    EXPECT_GE(at.top, rowOnScreen.top);
    EXPECT_LE(at.top, rowOnScreen.bottom);
    EXPECT_GE(at.left, driver::ScreenRect(table).left);
    EXPECT_LT(at.left, driver::ScreenRect(table).right);
    driver::PressKey(VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::ClipboardText() == noire; }))
        << ::testing::PrintToString(driver::ClipboardText());

    // A value label's context menu copies its figure alone, as shown.
    driver::ClearClipboard();
    ASSERT_TRUE(driver::RightClickUntil(
        Control("txtTriolet"), [&] { return driver::FindTopLevel(Pid(), L"#32768") != nullptr; }));
    ASSERT_NO_FATAL_FAILURE(ChooseCopier());
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::ClipboardText() == L"166"; }))
        << ::testing::PrintToString(driver::ClipboardText());
    EXPECT_TRUE(NoReport());
}

// Its own topic for each control and for the command (the help file absent).
TEST_F(DetailView, F1OnTheNewControlsAndTheCommandShowsTheirTopics) {
    ASSERT_NO_FATAL_FAILURE(StartWithView());
    const auto expectPopup = [&](int context) {
        driver::PressKey(VK_F1);
        HWND popup = WaitForHelpPopup(Pid());
        ASSERT_NE(popup, nullptr) << context;
        EXPECT_EQ(driver::TextOf(popup), std::wstring(Topic(context).text)) << context;
        driver::PressKey(VK_SHIFT);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(popup); }));
    };
    // The tab order goes on from the Quit button through the view, its
    // shared part, the tabs and the page shown, then back to the tempo box.
    const std::pair<std::string_view, int> order[] = {{"cmdTaper", kTapHelp},
                                                      {"cmdDouble", kStepHelp},
                                                      {"cmdMoitie", kStepHelp},
                                                      {"txtTempoExact", kExactTempoHelp},
                                                      {"txtDelai", kDelayHelp},
                                                      {"cboUniteDelai", kDelayUnitHelp},
                                                      {"lstTempos", kTemposHelp},
                                                      {"pgcPages", kPagesHelp},
                                                      {"chkToutesDivisions", kDivisionsHelp},
                                                      {"cboEchantillons1", kSampleRatesHelp},
                                                      {"cboEchantillons2", kSampleRatesHelp},
                                                      {"lvwTableau", kTableHelp}};
    EnterTempo(L"120");  // ×2 and ÷2 take the focus once there is a tempo
    ASSERT_TRUE(WaitForValues(k120Quarter));
    driver::PressKey(VK_TAB);
    driver::PressKey(VK_TAB);
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("cmdQuitter"); }));
    for (const auto& [name, context] : order) {
        driver::PressKey(VK_TAB);
        ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == ViewControl(name); })) << name;
        ASSERT_NO_FATAL_FAILURE(expectPopup(context)) << name;
    }
    driver::PressKey(VK_TAB);
    EXPECT_TRUE(driver::WaitUntil([&] { return Focused() == Control("txtTempo"); }));
    // The tabs are reached with their letters (Ctrl+Tab switches them).
    driver::PressChord({VK_MENU, 'V'});
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == ViewControl("pgcPages"); }));
    ASSERT_NO_FATAL_FAILURE(expectPopup(kPagesHelp));

    driver::PressChord({VK_MENU, 'O'});
    Sleep(200);
    driver::PressKey(VK_DOWN);
    Sleep(200);
    ASSERT_NO_FATAL_FAILURE(expectPopup(kDetailCommandHelp));
    EXPECT_TRUE(NoReport());
}

}  // namespace
}  // namespace rytmalo::e2e
