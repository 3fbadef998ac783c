// Starts the real program for a test and finds its windows and controls the
// way any other program would.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <thread>

#include <gtest/gtest.h>

#include "app/MainFormLayout.h"
#include "core/HintGeometry.h"
#include "driver/Driver.h"
#include "driver/Screen.h"

namespace rytmalo::e2e {

// The delays at 120 with the quarter note as the beat.
inline const std::vector<std::wstring> k120Quarter = {L"2000", L"1000", L"500", L"333", L"250",
                                                      L"166",  L"125",  L"83",  L"62",  L"31"};

inline constexpr wchar_t kTempoHint[] = L"Entrez ici le tempo servant de base au calcul";

// Where the bubble of a control's hint goes at a resolution: the text
// measured in MS Sans Serif 8 pt, placed at the control's client origin, 6
// pixels below its bottom, grown by 6 and 2 pixels, then enlarged for the
// ellipse.
inline RECT ExpectedHintBubble(HWND control, const wchar_t* text, int dpi = 96) {
    HDC screen = GetDC(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(8, dpi, 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy(lf.lfFaceName, L"MS Sans Serif");
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(screen, font);
    RECT measured{0, 0, GetSystemMetrics(SM_CXSCREEN), 0};
    DrawTextW(screen, text, -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);

    const RECT outer = driver::ScreenRect(control);
    POINT at{0, outer.bottom - outer.top + MulDiv(6, dpi, 96)};
    ClientToScreen(control, &at);
    const tk::TRect bubble =
        EnlargeForEllipse({at.x, at.y, at.x + measured.right + MulDiv(6, dpi, 96),
                           at.y + measured.bottom + MulDiv(2, dpi, 96)});
    return {bubble.Left, bubble.Top, bubble.Right, bubble.Bottom};
}

// A window of another program that takes the foreground: a thread of the
// test with a message loop of its own, so that it answers the activation
// messages the program's windows send it.
class OtherProgramWindow {
public:
    explicit OtherProgramWindow(RECT r = {20, 600, 260, 720}) : thread_([this, r] { Run(r); }) {
        driver::WaitUntil([this] { return window_.load() != nullptr; });
    }
    ~OtherProgramWindow() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    HWND Handle() const { return window_; }

private:
    void Run(RECT r) {
        HWND w = CreateWindowExW(0, L"STATIC", L"Autre programme", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr,
                                 nullptr, nullptr, nullptr);
        SetForegroundWindow(w);
        window_ = w;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == WM_CLOSE && msg.hwnd == w) break;
            DispatchMessageW(&msg);
        }
        DestroyWindow(w);
    }
    std::atomic<HWND> window_{nullptr};
    std::thread thread_;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }

    // Starts the program, ending the one this test started before: one
    // instance at a time.
    void Start() {
        program_ = driver::Process();
        program_ = driver::Process::Launch(driver::ProgramPath());
        ASSERT_NO_FATAL_FAILURE(FindMain());
        ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == Control("txtTempo"); }));
    }
    // The main window of the program started, activated.
    void FindMain() {
        main_ = driver::WaitForTopLevel(program_.Id(), L"TMainForm", 20000);
        ASSERT_NE(main_, nullptr) << "the main window did not appear";
        ASSERT_TRUE(driver::Activate(main_));
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
        ASSERT_TRUE(driver::ClickUntil(Control("txtTempo"),
                                       [&] { return Focused() == Control("txtTempo"); }));
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

    // A message box of the program with an OK button alone.
    static void ExpectOkBox(HWND box, const std::wstring& caption, const std::wstring& text,
                            LPCWSTR icon) {
        const driver::MessageBoxInfo info = driver::ReadMessageBox(box);
        EXPECT_EQ(info.caption, caption);
        EXPECT_EQ(info.text, text);
        EXPECT_EQ(info.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_EQ(driver::MessageBoxIcon(box), icon);
    }

    // The program's warning, its text read, then closed with Enter.
    void DismissWarning(const std::wstring& text) {
        HWND box = driver::WaitForMessageBox(Pid());
        ASSERT_NE(box, nullptr);
        ExpectOkBox(box, L"Avertissement", text, IDI_EXCLAMATION);
        driver::PressKey(VK_RETURN);
        ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
    }

    // The "?" menu opened from the keyboard, its first item ("Sommaire")
    // highlighted.
    static void OpenHelpMenu() {
        driver::PressKey(VK_F10);
        Sleep(200);
        driver::PressKey(VK_RIGHT);
        driver::PressKey(VK_DOWN);
        Sleep(300);
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
