// The program's own help window: the topic's title, its text (selectable,
// scrollable) and a Close button. Escape, Enter or the button close it; it
// opens beside the window that asked for it and is kept for later topics.
#pragma once

#include "app/HelpTopics.h"
#include "toolkit/Application.h"
#include "toolkit/Gdi.h"

namespace rytmalo {

class THelpWindow : public tk::MessageFilter {
public:
    explicit THelpWindow(tk::TApplication& application);
    ~THelpWindow() override;
    THelpWindow(const THelpWindow&) = delete;
    THelpWindow& operator=(const THelpWindow&) = delete;

    // Shows the topic and activates the window; the first time beside the
    // anchor (the window the help is about), later where the user left it.
    void ShowTopic(const HelpTopic& topic, HWND anchor);
    void Close();
    HWND Handle() const { return hwnd_; }
    bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    int Dpi() const { return dpi_; }

    // Escape, Enter and Tab, before they reach the controls.
    bool PreTranslate(MSG& msg) override;

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateHandle(int dpi);
    void MakeFonts();
    void LayOut();
    int Scale(int value) const;

    tk::TApplication& application_;
    HWND hwnd_ = nullptr;
    HWND title_ = nullptr;
    HWND text_ = nullptr;
    HWND close_ = nullptr;
    int dpi_ = 96;
    bool placed_ = false;
    tk::FontHandle titleFont_;
    tk::FontHandle textFont_;
    tk::BrushHandle textBackground_;
};

}  // namespace rytmalo
