// The program's own pop-up help: the topic in a box near the pointer, as
// the help engine's context pop-up shows it. A kind of hint window that
// never takes the focus; the next key or click anywhere in the program
// closes it (and does nothing else), as does switching to another program.
#pragma once

#include <string>

#include "help/HelpTopics.h"
#include "toolkit/Application.h"
#include "toolkit/Gdi.h"
#include "toolkit/HintWindow.h"

namespace rytmalo {

class THelpPopup : public tk::THintWindow, public tk::MessageFilter {
public:
    explicit THelpPopup(tk::TApplication& application) : application_(application) {}
    ~THelpPopup() override;

    void ShowTopic(const HelpTopic& topic);
    void Close();

    bool PreTranslate(MSG& msg) override;

protected:
    std::wstring_view WindowClassName() const override;
    void CreateParams(tk::WindowParams& params) const override;
    void Paint(HDC dc) override;
    void WndProc(tk::Message& m) override;

private:
    void MakeFonts();
    // The title's and the text's rectangles, in client coordinates, for a
    // client area starting at (0, 0).
    void Measure(RECT& title, RECT& text) const;
    int Scale(int value) const;

    tk::TApplication& application_;
    bool filtering_ = false;
    std::wstring title_;
    tk::FontHandle titleFont_;
    tk::FontHandle textFont_;
};

}  // namespace rytmalo
