// The program's own pop-up help: the topic in a box near the pointer, as
// the help engine's context pop-up shows it. It never takes the focus; the
// next key or click anywhere in the program closes it (and does nothing
// else), as does switching to another program.
#pragma once

#include <string>

#include "app/HelpTopics.h"
#include "toolkit/Application.h"
#include "toolkit/Gdi.h"

namespace rytmalo {

class THelpPopup : public tk::MessageFilter {
public:
    explicit THelpPopup(tk::TApplication& application);
    ~THelpPopup() override;
    THelpPopup(const THelpPopup&) = delete;
    THelpPopup& operator=(const THelpPopup&) = delete;

    void ShowTopic(const HelpTopic& topic);
    void Close();
    HWND Handle() const { return hwnd_; }
    bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    int Dpi() const { return dpi_; }

    bool PreTranslate(MSG& msg) override;

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateHandle();
    void MakeFonts();
    // The title's and the text's rectangles, in client coordinates, for a
    // client area starting at (0, 0).
    void Measure(RECT& title, RECT& text) const;
    void Paint(HDC dc) const;
    // The topic's text, kept as the window's text.
    std::wstring Text() const;
    int Scale(int value) const;

    tk::TApplication& application_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    bool filtering_ = false;
    std::wstring title_;
    tk::FontHandle titleFont_;
    tk::FontHandle textFont_;
};

}  // namespace rytmalo
