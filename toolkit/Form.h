// A top-level window built from a layout: its controls, menu bar and
// components; keyboard navigation, activation, modal showing and context help.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Component.h"
#include "toolkit/FormHost.h"
#include "toolkit/Control.h"
#include "toolkit/Gdi.h"
#include "core/Layout.h"
#include "toolkit/Menu.h"
#include "toolkit/Message.h"
#include "toolkit/WindowHost.h"
#include "toolkit/WindowText.h"

namespace tk {

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TForm : public TComponent, public TWindowHost {
public:
    // The form of a program: its host is its owner's (the application, or
    // the form that owns it), or the one given for a form that no
    // component owns.
    TForm(TComponent* owner, const FormLayout& layout);
    TForm(TComponent* owner, FormHost& host, const FormLayout& layout);
    ~TForm() override;

    // The form object behind a window, or nullptr.
    static TForm* FromHandle(HWND hwnd);

    // Reads the layout: the window (unless it is to be made at the first
    // showing), its menu bar and controls, then the components (each told
    // Loaded() in creation order), then OnCreate.
    void Load();
    // Makes the window and its controls' windows if they are not made yet.
    void HandleNeeded();
    // Controls of a layout of their own, for a part of the window made only
    // when it is first needed; with their windows when the form has one.
    // Each carries its window identifier in its layout. `beforeWindows`
    // runs once the controls are made and before their windows are: what
    // it gives them (lines, texts, column widths) each window is made with,
    // instead of being changed just after.
    std::vector<TControl*> AddControls(const std::vector<ControlLayout>& controls,
                                       const std::function<void()>& beforeWindows = {});
    // Room right of and below the layout's client area (96-dpi pixels), for
    // a part of the window shown on demand; the window keeps its top-left
    // corner.
    int ExtraClientWidth() const { return extraClientWidth_; }
    int ExtraClientHeight() const { return extraClientHeight_; }
    void SetExtraClientHeight(int height) { SetExtraClientSize(extraClientWidth_, height); }
    void SetExtraClientSize(int width, int height);
    // The same, the window moved in the same step to a top-left corner:
    // drawn once, at its new size and place.
    void SetExtraClientSize(int width, int height, POINT topLeft);
    // The window's size with that much more client area, at its
    // resolution.
    SIZE WindowSizeWith(int extraWidth, int extraHeight) const;

    const FormLayout& Layout() const { return layout_; }
    // The program the form belongs to.
    FormHost& Host() const { return host_; }

    virtual std::wstring Caption() const;
    virtual void SetCaption(std::wstring_view caption);

    int Left() const;
    int Top() const;
    void SetLeft(int left);
    void SetTop(int top);
    int Width() const;
    int Height() const;

    BorderStyle GetBorderStyle() const { return layout_.borderStyle; }
    unsigned BorderIcons() const { return layout_.borderIcons; }
    FormStyle GetFormStyle() const { return layout_.formStyle; }
    bool IsMaximized() const { return Handle() && IsZoomed(Handle()); }
    const FontSpec& Font() const { return layout_.font; }
    tk::Color Color() const { return layout_.color; }
    int HelpContext() const { return layout_.helpContext; }
    // The resolution the window is laid out for: its monitor's.
    int Dpi() const { return dpi_; }
    // Layout pixels (96 dpi) to the window's pixels.
    int Scale(int value) const;
    // Layout bounds at the form's resolution: place and extent scaled apart,
    // as controls are made.
    TRect Scale(const TRect& bounds) const;
    // Lays the window and its controls out again for another resolution
    // (the window moved to a monitor of another resolution); the window
    // takes the suggested rectangle, else keeps its top-left corner.
    void ChangeDpi(int dpi, const RECT* suggested = nullptr);

    bool Visible() const { return Handle() && IsWindowVisible(Handle()); }
    void Show();
    void Hide();
    // Shows the form modally on a nested message loop; returns its result.
    int ShowModal();
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool IsModal() const { return modal_; }
    void Close();

    TControl* ActiveControl() const { return activeControl_; }
    void ControlFocused(TControl& control) { activeControl_ = &control; }

    // Finds a control, menu item or component of the layout by name.
    template <class T>
    T& Find(std::string_view name) const {
        T* found = dynamic_cast<T*>(FindComponent(name));
        if (!found) NotFound(name);
        return *found;
    }

    // Keyboard handling before a key reaches its control (Tab, arrows in a
    // radio group, Enter, Escape). True when the key was used. F1 is the
    // system's: it sends WM_HELP for the focused window.
    bool DialogKey(const MSG& msg);
    // Context help for a window of this form (a control, or the form).
    void HelpFor(HWND window);
    // Whether the WM_KEYF1 that follows the F1 of a menu's help is to be
    // dropped (true once): Wine posts it to the focused window when the
    // menu takes the key, which would ask for that window's help as well.
    bool DropKeyF1();

    std::function<void()> OnCreate;
    std::function<void()> OnActivate;
    // A key with Ctrl (and maybe Shift) anywhere in the form, before its
    // control sees it: true when the form used it.
    std::function<bool(WORD key, bool shift)> OnShortcut;

    // Called by the application when this form becomes its active form.
    void Activated();

protected:
    // The form's message table; handlers call TForm::WndProc for the
    // toolkit's handling.
    void WndProc(Message& m) override;
    // Binds controls and events once the controls exist.
    virtual void Bind() {}
    virtual void CreateWindowHandle();
    virtual void DestroyWindowHandle();
    // The text the window is created with.
    virtual std::wstring WindowTextForCreation() const { return {}; }
    // The window that owns the form's window: the application's, which
    // stands for the program in the taskbar; none for a window with a
    // taskbar entry of its own.
    virtual HWND WindowOwner() const;
    // After the window and its controls were laid out for a new resolution.
    virtual void DpiChanged(int /*oldDpi*/) {}

private:
    // Out of Find, which is made once for each kind: its message is built once.
    [[noreturn]] static void NotFound(std::string_view name);
    void AnswerWhileShowing();
    std::vector<TControl*> CreateControls(const std::vector<ControlLayout>& controls);
    // Makes the windows of the controls (the form's, in layout order).
    void CreateControlWindows(const std::vector<TControl*>& controls);
    // A key with Alt: the control whose caption marks that letter.
    bool Mnemonic(WPARAM key);
    bool NextTab(bool forward);
    void CreateComponents();
    void SetFocusToActiveControl();
    std::vector<TControl*> TabOrderList() const;
    void AppendTabOrder(const TControl* parent, std::vector<TControl*>& out) const;
    void SelectNext(bool forward);
    bool MoveInRadioGroup(bool forward);
    void RequestHelp(int context);
    void HelpForMenu(const HELPINFO& info);
    void PlaceAtFirstShow();
    void LoadIcons();
    // The outer size of the window for its client area at a resolution.
    SIZE WindowSizeForDpi(int dpi) const;

    const FormLayout& layout_;
    FormHost& host_;
    int dpi_ = 96;
    int extraClientWidth_ = 0;
    int extraClientHeight_ = 0;
    std::unique_ptr<MenuBar> menuBar_;
    TControl* activeControl_ = nullptr;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool shownBefore_ = false;
    // In ShowWindow: the window is on screen, its activation and painting
    // not done yet.
    bool showing_ = false;
    bool menuHelpKey_ = false;
    WindowCaption caption_;
    SolidBrush background_;
    IconHandle icon_;
    IconHandle smallIcon_;
};

}  // namespace tk
