// The detailed view's tests start the program with French number settings
// (a comma and a space, as a French user writes them) and drive the view
// from outside: turned on from the Options menu, its controls found by
// their identifiers, its lists read as any program reads them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "app/DetailViewLayout.h"
#include "driver/Lists.h"

namespace rytmalo::e2e {

inline constexpr wchar_t kInternational[] = L"Control Panel\\International";

class DetailView : public SettingsTest {
public:
    static constexpr int kColumns = 5;

protected:
    void SetUp() override {
        SettingsTest::SetUp();
        for (const auto& [name, value] : kFrench) {
            saved_.emplace_back(name,
                                rytmalo::testing::ReadRaw(HKEY_CURRENT_USER, kInternational, name));
            rytmalo::testing::WriteRaw(HKEY_CURRENT_USER, kInternational, name, REG_SZ, value,
                                       static_cast<DWORD>((wcslen(value) + 1) * 2));
        }
        driver::ClearClipboard();
    }
    void TearDown() override {
        SettingsTest::TearDown();
        for (const auto& [name, value] : saved_) {
            if (value) {
                rytmalo::testing::WriteRaw(HKEY_CURRENT_USER, kInternational, name, value->type,
                                           value->data.data(),
                                           static_cast<DWORD>(value->data.size()));
            } else {
                RegDeleteKeyValueW(HKEY_CURRENT_USER, kInternational, name.c_str());
            }
        }
    }

    HWND ViewControl(std::string_view name) const {
        return driver::FindDescendant(Main(), FindDetailControl(name)->id);
    }
    bool ViewShown() const {
        HWND view = ViewControl("pnlDetail");
        return view && IsWindowVisible(view);
    }
    LONG ClientHeight() const {
        RECT r;
        GetClientRect(Main(), &r);
        return r.bottom;
    }
    // "&Tableau détaillé" of the "&Options" menu, from the keyboard.
    void ToggleView() {
        const bool before = ViewShown();
        driver::Activate(Main());
        driver::PressChord({VK_MENU, 'O'});
        Sleep(200);
        driver::PressKey('T');
        ASSERT_TRUE(driver::WaitUntil([&] { return ViewShown() != before; }, 5000));
        // The command has ended (the choice saved) when the program answers.
        SendMessageTimeoutW(Main(), WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
    }
    // The program started and the view turned on.
    void StartWithView() {
        ASSERT_NO_FATAL_FAILURE(Start());
        ASSERT_NO_FATAL_FAILURE(ToggleView());
    }
    // The tap reading, once it begins with the text; its whole text when it
    // does not in time.
    ::testing::AssertionResult TapReads(std::wstring_view start) const {
        if (driver::WaitUntil([&] { return ViewText("lblTempoTape").starts_with(start); }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << ::testing::PrintToString(ViewText("lblTempoTape"));
    }
    // A box of the view clicked, its text replaced by a new one, and Enter.
    void Retype(std::string_view box, std::wstring_view text) {
        HWND window = ViewControl(box);
        ASSERT_TRUE(driver::ClickUntil(window, [&] { return Focused() == window; })) << box;
        driver::PressChord({VK_CONTROL, 'A'});
        driver::TypeText(text);
        driver::PressKey(VK_RETURN);
    }
    // The program started, the view turned on and "Taper" given the focus
    // by a click, which taps a first beat: Backspace starts the taps over.
    void StartTapping() {
        ASSERT_NO_FATAL_FAILURE(StartWithView());
        HWND tap = ViewControl("cmdTaper");
        driver::Activate(Main());
        ASSERT_TRUE(driver::ClickUntil(tap, [&] { return Focused() == tap; }));
        driver::PressKey(VK_BACK);
        ASSERT_TRUE(driver::WaitUntil(
            [&] { return driver::TextOf(ViewControl("lblTempoTape")) == kTapPrompt; }));
    }
    std::vector<std::vector<std::wstring>> Table() const {
        return driver::ListViewRows(ViewControl("lvwTableau"), kColumns);
    }
    // The cells of a page's list, once it shows any.
    std::vector<std::vector<std::wstring>> Rows(std::string_view list) const {
        HWND window = ViewControl(list);
        if (!window) return {};
        const int columns = static_cast<int>(FindDetailControl(list)->columns.size());
        return driver::ListViewRows(window, columns);
    }
    // A line of a drop-down list chosen from the keyboard: the list reached
    // with the mnemonic of its label (and Tab for the second of a pair),
    // its first line, then down to the line wanted. A list the screen cuts
    // off (a small screen at a high resolution) is reached all the same.
    void Choose(std::string_view combo, const std::wstring& line) {
        static const std::map<std::string_view, std::pair<WORD, int>> keys = {
            {"cboUniteDelai", {'N', 0}},
            {"cboEchantillons1", {'C', 0}},
            {"cboEchantillons2", {'C', 1}},
            {"cboMesureHaut", {'U', 0}},
            {"cboMesureBas", {'U', 1}},
            {"cboEchantillonsMesures1", {'C', 0}},
            {"cboEchantillonsMesures2", {'C', 1}},
            {"cboPreDelai", {'P', 0}},
            {"cboUniteLongueur", {'E', 0}}};
        HWND box = ViewControl(combo);
        driver::Activate(Main());
        const auto [letter, tabs] = keys.at(combo);
        driver::PressChord({VK_MENU, letter});
        for (int i = 0; i < tabs; ++i) driver::PressKey(VK_TAB);
        ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == box; })) << combo;
        // Each key is waited for: the line it chooses, then the next.
        const auto chosen = [&] { return SendMessageW(box, CB_GETCURSEL, 0, 0); };
        driver::PressKey(VK_HOME);
        ASSERT_TRUE(driver::WaitUntil([&] { return chosen() == 0; })) << combo;
        const LRESULT lines = SendMessageW(box, CB_GETCOUNT, 0, 0);
        while (driver::TextOf(box) != line && chosen() + 1 < lines) {
            const LRESULT before = chosen();
            driver::PressKey(VK_DOWN);
            ASSERT_TRUE(driver::WaitUntil([&] { return chosen() == before + 1; })) << combo;
        }
        ASSERT_EQ(driver::TextOf(box), line) << combo;
    }
    // The row of a note value, by name.
    std::vector<std::wstring> Row(std::wstring_view name) const {
        for (auto& row : Table()) {
            if (row[0] == name) return row;
        }
        return {};
    }
    bool WaitForRow(std::wstring_view name, const std::vector<std::wstring>& row) const {
        return driver::WaitUntil([&] { return Row(name) == row; }, 5000);
    }
    std::wstring ViewText(std::string_view name) const { return driver::TextOf(ViewControl(name)); }
    // A box of the view reached with its label's letter, its text replaced
    // by a new one, and Enter.
    void Enter(WORD letter, std::string_view box, std::wstring_view text) {
        HWND window = ViewControl(box);
        driver::Activate(Main());
        driver::PressChord({VK_MENU, letter});
        ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == window; })) << box;
        driver::PressChord({VK_CONTROL, 'A'});
        driver::PressKey(VK_DELETE);
        driver::TypeText(text);
        ASSERT_TRUE(driver::WaitUntil([&] { return driver::TextOf(window) == text; })) << box;
        driver::PressKey(VK_RETURN);
    }
    // The context menu that came up: its "&Copier", from the keyboard.
    void ChooseCopier() const {
        ASSERT_TRUE(driver::WaitUntil(
            [&] { return driver::FindTopLevel(Pid(), L"#32768") != nullptr; }, 5000))
            << "no context menu";
        driver::PressKey('C');
        EXPECT_TRUE(driver::WaitUntil(
            [&] { return driver::FindTopLevel(Pid(), L"#32768") == nullptr; }, 5000));
    }

private:
    static constexpr std::pair<const wchar_t*, const wchar_t*> kFrench[] = {
        {L"sDecimal", L","}, {L"sThousand", L" "}, {L"sGrouping", L"3;0"}};
    std::vector<std::pair<std::wstring, std::optional<rytmalo::testing::RawValue>>> saved_;
};

}  // namespace rytmalo::e2e
