// Starts the real program for a test and finds its windows and controls the
// way any other program would.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "app/MainFormLayout.h"
#include "driver/Driver.h"
#include "driver/Screen.h"

namespace rytmalo::e2e {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }

    // Starts the program, ending the one this test started before: one
    // instance at a time.
    void Start() {
        program_ = driver::Process();
        program_ = driver::Process::Launch(driver::ProgramPath());
        main_ = driver::WaitForTopLevel(program_.Id(), L"TMainForm", 20000);
        ASSERT_NE(main_, nullptr) << "the main window did not appear";
        ASSERT_TRUE(driver::Activate(main_));
        ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("txtTempo"); }));
    }

    DWORD Pid() const { return program_.Id(); }
    HWND Main() const { return main_; }
    driver::Process& Program() { return program_; }

    HWND Control(std::string_view name) const {
        return driver::FindDescendant(main_, MainFormLayout().ControlId(name));
    }
    std::wstring Text(std::string_view name) const { return driver::TextOf(Control(name)); }

    // The ten value labels' texts, in table order.
    std::vector<std::wstring> Values() const {
        std::vector<std::wstring> values;
        for (std::string_view name : kValueLabels) values.push_back(Text(name));
        return values;
    }
    bool WaitForValues(const std::vector<std::wstring>& expected) const {
        return driver::WaitUntil([&] { return Values() == expected; }, 5000);
    }

    HWND Focused() const {
        GUITHREADINFO info{sizeof info};
        GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info);
        return info.hwndFocus;
    }

    // Puts the focus in the tempo box, empties it and types the text.
    void TypeTempo(std::wstring_view text) {
        driver::Activate(main_);
        ASSERT_TRUE(driver::ClickUntil(Control("txtTempo"), [&] { return Focused() == Control("txtTempo"); }));
        driver::PressChord({VK_CONTROL, 'A'});
        driver::PressKey(VK_DELETE);
        driver::PressKey(VK_END);
        while (!Text("txtTempo").empty()) {
            driver::PressKey(VK_BACK);
            Sleep(10);
        }
        driver::TypeText(text);
        ASSERT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == text; }))
            << "the tempo box shows " << ::testing::PrintToString(Text("txtTempo"));
    }
    void EnterTempo(std::wstring_view text) {
        TypeTempo(text);
        driver::PressKey(VK_RETURN);
    }
    // Clicks a beat-unit button; done when it is selected or a message box
    // came up.
    void ChooseUnit(std::string_view radio) {
        driver::Activate(main_);
        ASSERT_TRUE(driver::ClickUntil(Control(radio), [&] {
            return Checked(radio) || driver::FindTopLevel(Pid(), L"#32770") != nullptr;
        })) << radio;
    }
    bool Checked(std::string_view radio) const {
        return SendMessageW(Control(radio), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // Ends the program with its Quit button and checks the exit code.
    void Quit() {
        driver::Activate(main_);
        ASSERT_TRUE(driver::ClickUntil(Control("cmdQuitter"), [&] { return !program_.Running(); }))
            << "Quit did not end the program";
        EXPECT_EQ(program_.ExitCode(), 0u);
    }

    driver::Process program_;
    HWND main_ = nullptr;
};

}  // namespace rytmalo::e2e
