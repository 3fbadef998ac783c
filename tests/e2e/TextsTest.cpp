// Every text of the window whole, whatever font "MS Sans Serif" resolves
// to: each caption, each line of a drop-down list and of the delay's list
// measured in the font its control is given, as the system resolves it for
// any program of this prefix, against the room its control has. Run in the
// usual prefix and in one whose "MS Sans Serif" is a wider font (the test
// is then told which, and checks it).
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "DetailViewFixture.h"
#include "app/DetailPages.h"
#include "app/MainFormLayout.h"

namespace rytmalo::e2e {
namespace {

// A font as a control of the program is given it at 96 dpi.
class Font {
public:
    explicit Font(const tk::FontSpec& given)
        : font_(CreateFontW(given.height, 0, 0, 0, given.style & tk::fsBold ? FW_BOLD : FW_NORMAL,
                            (given.style & tk::fsItalic) != 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            std::wstring(given.name).c_str())),
          dc_(CreateCompatibleDC(nullptr)),
          old_(SelectObject(dc_, font_)) {}
    ~Font() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(font_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Width(const std::wstring& text, bool prefix = true) const {
        RECT r{0, 0, 0, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | (prefix ? 0 : DT_NOPREFIX));
        return r.right - r.left;
    }

private:
    HFONT font_;
    HDC dc_;
    HGDIOBJ old_;
};

class Texts : public DetailView {
protected:
    // What each kind of control needs around its text, at least.
    static int Around(tk::ControlKind kind, const Font& font) {
        switch (kind) {
            case tk::ControlKind::Button: return 2 * GetSystemMetrics(SM_CXEDGE);
            case tk::ControlKind::CheckBox:
            case tk::ControlKind::RadioButton: return 13 + font.Width(L"0") / 2;
            case tk::ControlKind::ComboBox: return GetSystemMetrics(SM_CXVSCROLL);
            default: return 0;
        }
    }
    static const tk::FontSpec& FontOf(const tk::ControlLayout& c) {
        if (c.font) return *c.font;
        for (const tk::ControlLayout& parent : MainFormLayout().controls) {
            if (parent.name == c.parent && parent.font) return *parent.font;
        }
        return MainFormLayout().font;
    }
    // Each text of a control of the layout, whole in its control.
    void ExpectWhole(const tk::ControlLayout& c, HWND window) {
        using tk::ControlKind;
        const bool caption = c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox ||
                             c.kind == ControlKind::RadioButton || c.kind == ControlKind::Label;
        if (!window || !IsWindowVisible(window) || (c.kind != ControlKind::ComboBox && !caption))
            return;
        // A label of several lines wraps its text.
        if (c.kind == ControlKind::Label && c.bounds.Height() > 20) return;
        const Font font(FontOf(c));
        std::vector<std::wstring> texts;
        if (caption) {
            texts.push_back(driver::TextOf(window));
        } else {
            const LRESULT count = SendMessageW(window, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                std::wstring line(
                    static_cast<std::size_t>(SendMessageW(window, CB_GETLBTEXTLEN, i, 0)), L'\0');
                SendMessageW(window, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line.data()));
                texts.push_back(line);
            }
        }
        RECT client;
        GetClientRect(window, &client);
        for (const std::wstring& text : texts) {
            EXPECT_LE(font.Width(text, !c.noPrefix && caption) + Around(c.kind, font), client.right)
                << c.name << ": " << ::testing::PrintToString(text);
            ++checked_;
        }
    }
    // Controls side by side in one parent never cover each other: one made
    // wider by its text moves those after it along.
    void ExpectApart(std::span<const tk::ControlLayout> controls) {
        using tk::ControlKind;
        const auto shown = [&](const tk::ControlLayout& c) -> HWND {
            if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::Panel ||
                c.kind == ControlKind::Bevel || c.kind == ControlKind::TabSheet)
                return nullptr;
            HWND window = ViewControl(c.name);
            return window && IsWindowVisible(window) ? window : nullptr;
        };
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const HWND a = shown(controls[i]);
                const HWND b = shown(controls[j]);
                if (!a || !b || controls[i].parent != controls[j].parent) continue;
                const RECT ra = driver::ScreenRect(a);
                const RECT rb = driver::ScreenRect(b);
                RECT common;
                EXPECT_FALSE(IntersectRect(&common, &ra, &rb))
                    << controls[i].name << " covers " << controls[j].name;
            }
        }
    }
    void ExpectViewWhole() {
        for (const auto& c : DetailViewLayout()) ExpectWhole(c, ViewControl(c.name));
        ExpectApart(DetailViewLayout());
        for (const PageRow& page : DetailPages()) {
            for (const auto& c : page.content().controls) ExpectWhole(c, ViewControl(c.name));
            ExpectApart(page.content().controls);
        }
    }
    int checked_ = 0;
};

TEST_F(Texts, EveryTextShowsWholeInTheFontTheSystemGives) {
    // Where the test is told the wider font, it checks that the font is it.
    if (const char* face = std::getenv("RYTMALO_WIDE_FONT")) {
        const tk::FontSpec given = MainFormLayout().font;
        tk::FontSpec wide = given;
        const std::wstring name(face, face + std::strlen(face));
        wide.name = name;
        const std::wstring sample = L"Triolet de doubles croches (x/16) 176,4 kHz";
        EXPECT_EQ(Font(given).Width(sample), Font(wide).Width(sample))
            << "\"MS Sans Serif\" is not " << face << " here";
        EXPECT_GT(Font(given).Width(sample), 220);
    }
    ASSERT_NO_FATAL_FAILURE(Start());
    EnterTempo(L"120");
    ASSERT_TRUE(WaitForValues(k120Quarter));
    for (const auto& c : MainFormLayout().controls) ExpectWhole(c, Control(c.name));

    ASSERT_NO_FATAL_FAILURE(ToggleView());
    ASSERT_NO_FATAL_FAILURE(Retype("txtTempoExact", L"117,55"));
    ASSERT_TRUE(driver::WaitUntil([&] { return Text("txtTempo") == L"118"; }));
    // Every division, and a delay that the shortest of them, down to the
    // sixty-fourth, last at a tempo of the range: the longest names.
    HWND all = ViewControl("chkToutesDivisions");
    driver::PressChord({VK_MENU, 'S'});
    ASSERT_TRUE(driver::WaitUntil([&] { return Focused() == all; }));
    driver::PressKey(VK_SPACE);
    ASSERT_TRUE(
        driver::WaitUntil([&] { return SendMessageW(all, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"375"));
    HWND list = ViewControl("lstTempos");
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::ListBoxLines(list).size() > 20; }))
        << ::testing::PrintToString(driver::ListBoxLines(list));
    for (const PageRow& page : DetailPages()) {
        driver::PressChord({VK_MENU, static_cast<WORD>(tk::MnemonicOf(page.tab))});
        Sleep(300);
        ExpectViewWhole();
    }
    const Font font(MainFormLayout().font);
    const auto linesWhole = [&] {
        RECT client;
        GetClientRect(list, &client);
        for (const std::wstring& line : driver::ListBoxLines(list))
            EXPECT_LE(font.Width(line, false), client.right) << ::testing::PrintToString(line);
    };
    linesWhole();
    // The longest of the other lines: a film click's at each picture rate,
    // and the line that finds no tempo.
    const auto anyLine = [&](std::wstring_view part) {
        return driver::WaitUntil([&] {
            for (const std::wstring& line : driver::ListBoxLines(list))
                if (line.find(part) != std::wstring::npos) return true;
            return false;
        });
    };
    driver::PressChord(
        {VK_MENU, static_cast<WORD>(tk::MnemonicOf(PageRowOf(PageId::Picture).tab))});
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"360-7"));
    ASSERT_TRUE(anyLine(L"images/s")) << ::testing::PrintToString(driver::ListBoxLines(list));
    linesWhole();
    ASSERT_NO_FATAL_FAILURE(Retype("txtDelai", L"1"));
    ASSERT_TRUE(anyLine(L"Aucun tempo")) << ::testing::PrintToString(driver::ListBoxLines(list));
    linesWhole();
    EXPECT_GT(checked_, 60);
    EXPECT_TRUE(NoReport());
}

}  // namespace
}  // namespace rytmalo::e2e
