// The program started on settings that a test writes beforehand, its saved
// values read back as any other program sees them, and its two dialogs.
#pragma once

#include <optional>
#include <string>

#include "ProgramFixture.h"
#include "app/AboutLayout.h"
#include "app/PreferencesLayout.h"
#include "tests/win32/RegistryScratch.h"

namespace rytmalo::e2e {

using rytmalo::testing::Dword;
using rytmalo::testing::RawValue;

inline const std::wstring kSettingsKey = L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0";

// A REG_SZ value (the fixture's Text reads a control).
inline RawValue TextValue(const std::wstring& text) { return rytmalo::testing::Text(text); }

// Each test starts the program itself once its settings are in place; the
// settings go with the test.
class SettingsTest : public ProgramTest {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override {
        program_.Kill();
        ClearSettings();
    }

    static void ClearSettings() { rytmalo::testing::DeleteTree(HKEY_CURRENT_USER, kSettingsKey); }
    static void Save(const std::wstring& name, const RawValue& value) {
        rytmalo::testing::WriteRaw(HKEY_CURRENT_USER, kSettingsKey, name, value.type,
                                   value.data.data(), static_cast<DWORD>(value.data.size()));
    }
    static std::optional<RawValue> Saved(const std::wstring& name) {
        return rytmalo::testing::ReadRaw(HKEY_CURRENT_USER, kSettingsKey, name);
    }

    POINT MainPlace() const {
        const RECT r = driver::ScreenRect(Main());
        return {r.left, r.top};
    }
    bool MainOnTop() const { return driver::IsTopMost(Main()); }
    // Waits for the state, then for it to last: a wrong change may come late.
    bool MainStaysOnTop(bool onTop) const {
        if (!driver::WaitUntil([&] { return MainOnTop() == onTop; }, 5000)) return false;
        Sleep(200);
        return MainOnTop() == onTop;
    }

    // "&Préferences" of the "&Options" menu, from the keyboard.
    HWND OpenPreferences() {
        driver::Activate(Main());
        driver::PressChord({VK_MENU, 'O'});
        Sleep(200);
        driver::PressKey('P');
        return driver::WaitForTopLevel(Pid(), L"TfrmPreferences", 5000);
    }
    // "&A propos de ..." of the "&?" menu, from the keyboard.
    HWND OpenAbout() {
        driver::Activate(Main());
        OpenHelpMenu();
        driver::PressKey('A');
        return driver::WaitForTopLevel(Pid(), L"TfrmAProposDe", 5000);
    }
    // One of the program's dialogs at its first showing, its title and
    // client size as designed: on top, fixed, with a close box, centred.
    static void ExpectFirstShowing(HWND dialog, const wchar_t* title, LONG width, LONG height) {
        EXPECT_EQ(driver::TextOf(dialog), title);
        EXPECT_TRUE(driver::IsTopMost(dialog));
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, width);
        EXPECT_EQ(client.bottom, height);
        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        EXPECT_NE(style & WS_SYSMENU, 0);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        const RECT r = driver::ScreenRect(dialog);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
        Sleep(300);
        driver::SaveBmp(driver::Capture(r),
                        driver::OwnDirectory() + driver::ClassOf(dialog) + L".bmp");
    }
    static bool WaitClosed(HWND dialog) {
        return driver::WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000);
    }

    static HWND PreferencesControl(HWND dialog, std::string_view name) {
        return driver::FindDescendant(dialog, PreferencesLayout().ControlId(name));
    }
    static bool BoxChecked(HWND dialog) {
        return SendMessageW(PreferencesControl(dialog, "chkFenetrePersistente"), BM_GETCHECK, 0,
                            0) == BST_CHECKED;
    }
    // Space on the check box, which has the focus when the dialog opens.
    static void ToggleBox(HWND dialog) {
        const bool before = BoxChecked(dialog);
        driver::PressKey(VK_SPACE);
        EXPECT_TRUE(driver::WaitUntil([&] { return BoxChecked(dialog) != before; }, 5000));
    }
    static void Press(HWND dialog, std::string_view button) {
        EXPECT_TRUE(driver::ClickUntil(PreferencesControl(dialog, button),
                                       [&] { return !IsWindowVisible(dialog); }))
            << button << " did not end the dialog";
    }
    // Clicks the close box, found by asking the window where it is.
    static void ClickCloseBox(HWND window) {
        const RECT r = driver::ScreenRect(window);
        for (int y = r.top; y < r.top + 40; ++y) {
            for (int x = r.right - 1; x > r.right - 60; --x) {
                if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                    // A click that Wine delivered where the pointer was a
                    // moment before is given again (nothing lies beneath
                    // the box's corner).
                    driver::ClickUntil(POINT{x - 3, y + 3},
                                       [&] { return !IsWindowVisible(window); });
                    EXPECT_TRUE(WaitClosed(window)) << "the close box did not end the dialog";
                    // Nor may a later click land there: the dialog shows
                    // again where it was left, and its close box would end
                    // it as if its button had.
                    driver::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 5,
                                            GetSystemMetrics(SM_CYSCREEN) - 5});
                    return;
                }
            }
        }
        ADD_FAILURE() << "no close box";
    }

    // The general error report: message and full stop, the program's
    // title, the stop icon, OK. Closed once read.
    void ExpectReport(const std::wstring& message) {
        HWND box = driver::WaitForMessageBox(Pid(), 20000);
        ASSERT_NE(box, nullptr) << "no report";
        ExpectOkBox(box, L"Rytmalo95", message + L".", IDI_HAND);
        driver::Activate(box);
        driver::PressKey(VK_RETURN);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, 5000));
    }
    // The report of a registry read.
    void ExpectReadReport(const std::wstring& valueName) {
        ExpectReport(L"Erreur à l'obtention des données pour '" + valueName + L"'");
    }
    // The notice of stored settings that took their defaults again: a
    // warning with OK. Closed once read.
    void ExpectResetNotice(const std::wstring& text) {
        HWND box = driver::WaitForMessageBox(Pid(), 20000);
        ASSERT_NE(box, nullptr) << "no notice";
        ExpectOkBox(box, L"Avertissement", text, IDI_EXCLAMATION);
        driver::Activate(box);
        driver::PressKey(VK_RETURN);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, 5000));
    }
    bool NoReport() const { return driver::FindTopLevel(Pid(), L"#32770") == nullptr; }
    // Starts the program when its start-up reports first.
    void StartThroughReports(const std::wstring& valueName, int count) {
        program_ = driver::Process::Launch(driver::ProgramPath());
        for (int i = 0; i < count; ++i) ASSERT_NO_FATAL_FAILURE(ExpectReadReport(valueName));
        ASSERT_NO_FATAL_FAILURE(FindMain());
    }
};

}  // namespace rytmalo::e2e
