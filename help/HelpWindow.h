// The program's own help window: the topic's title, its text (selectable,
// scrollable) and a Close button. Escape, Enter or the button close it; it
// opens beside the window that asked for it and is kept for later topics.
// A form of its own, with its own taskbar entry, as a help viewer has.
#pragma once

#include "help/HelpTopics.h"
#include "toolkit/Form.h"
#include "toolkit/Gdi.h"

namespace tk {
class TControl;
}

namespace rytmalo {

class THelpWindow : public tk::TForm {
public:
    // A window of its own, owned by no form: it has its own taskbar entry.
    explicit THelpWindow(tk::FormHost& program);

    // Shows the topic and activates the window; the first time beside the
    // anchor (the window the help is about), later where the user left it.
    void ShowTopic(const HelpTopic& topic, HWND anchor);
    void Close() { Hide(); }

protected:
    void WndProc(tk::Message& m) override;
    void Bind() override;
    void DpiChanged(int oldDpi) override;
    HWND WindowOwner() const override { return nullptr; }

private:
    // The system's message font at the window's resolution, the title in
    // bold and a third larger.
    void MakeFonts();
    void LayOut();

    tk::TControl* title_ = nullptr;
    tk::TControl* text_ = nullptr;
    tk::TControl* close_ = nullptr;
    bool placed_ = false;
    tk::FontHandle titleFont_;
    tk::FontHandle textFont_;
};

}  // namespace rytmalo
