// A control: a child window of a standard Windows class, placed by its layout,
// whose notifications come back to its own object.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/Component.h"
#include "core/Exception.h"
#include "toolkit/Gdi.h"
#include "core/Layout.h"
#include "toolkit/Message.h"
#include "toolkit/ProcedureHook.h"
#include "toolkit/WindowText.h"

namespace tk {

class TForm;

class TControl : public TComponent, public TProcedureHook {
public:
    TControl(TForm& form, TControl* parent, const ControlLayout& layout);
    ~TControl() override;

    // The control object behind a window, or nullptr for a foreign window.
    static TControl* FromHandle(HWND hwnd);

    HWND Handle() const { return Hooked(); }
    TForm& Form() const { return form_; }
    TControl* Parent() const { return parent_; }
    HWND ParentHandle() const;
    const ControlLayout& Layout() const { return layout_; }

    std::wstring Caption() const;
    virtual void SetCaption(std::wstring_view text);
    int HelpContext() const { return layout_.helpContext; }
    std::wstring_view Hint() const { return layout_.hint; }
    bool ShowHint() const { return layout_.showHint; }

    // Keyboard navigation.
    virtual bool IsTabStop() const { return false; }
    bool CanFocus() const;
    void SetFocus();
    // The focus given from the keyboard (Tab, a mnemonic): a control that
    // selects its text on request (a text box) selects all of it, as dialogs
    // do, so that what the user types replaces it.
    void FocusFromKeyboard();
    bool Focused() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // Moved and sized in its parent's client pixels (a height below zero
    // as none).
    void SetBounds(int left, int top, int width, int height) const;

    // Resolved appearance: the layout's, else the parent's.
    const FontSpec& Font() const;
    HFONT FontHandle() const;
    Color BackgroundColor() const;

    std::function<void()> OnClick;
    // Key pressed while the control has the focus; setting the key to 0
    // keeps it from the control.
    std::function<void(WORD& key)> OnKeyDown;

    virtual void Click();

    // Creates the window under the parent's window (parents first). The
    // system puts a new window behind the siblings made before it; in front
    // of them, as a control listed later in its layout belongs, unless
    // made behind on purpose (its later siblings made already).
    enum class Placement { InFront, AsMade };
    void CreateHandle(Placement placement = Placement::InFront);
    // Places the window and sets its font for the form's resolution, which
    // has changed (parents first).
    virtual void ApplyDpi();
    // The width its caption or its items need to show whole, in screen
    // pixels at the form's resolution; 0 for a control without text of
    // that kind. A control is never narrower than that.
    virtual int TextWidth() const { return 0; }
    // Widened again to its text, after the text or the items changed.
    void FitToText();

    // A notification that the parent window received about this control
    // (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM). True when handled.
    virtual bool Reflected(Message& m);

protected:
    virtual const wchar_t* WindowClass() const = 0;
    virtual DWORD Style() const;
    virtual DWORD ExStyle() const { return 0; }
    // Where the window is created, in the parent's client coordinates: the
    // layout's bounds at the form's resolution, widened to its text.
    virtual RECT CreationRect() const;
    // A rectangle widened to the control's text where the text would be
    // cut; in a group box, not past its edge.
    RECT FittedRect(RECT r) const;
    virtual void HandleCreated() {}
    // The control's message table; the default passes to the class's own
    // window procedure.
    void WndProc(Message& m) override;
    // Background used when the layout says "as the parent".
    virtual Color DefaultBackground() const;
    // Answers WM_CTLCOLOR* with the control's colours.
    void AnswerCtlColor(Message& m);
    HBRUSH BackgroundBrush();
    // Answers WM_ERASEBKGND by filling the client area with the background.
    void EraseBackground(Message& m);
    int Scale(int value) const;

private:
    TForm& form_;
    TControl* parent_;
    ControlLayout layout_;
    WindowCaption caption_;
    SolidBrush brush_;
};

// Whether the window has a non-client area (a border, an edge, a scroll
// bar) around its client area.
bool HasFrame(HWND window);
// Passes a parent's notification to the control it concerns. True when that
// control handled it.
bool ReflectToChild(Message& m);
// For a container: a child's context menu goes on up to the form naming the
// child, as it does from a control placed on the form itself (the system
// would name the container instead). True when it was one.
bool PassContextMenuUp(Message& m);

}  // namespace tk
