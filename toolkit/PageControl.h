// A tab control with pages: each page is a container shown in the tab
// control's display area while its tab is selected.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class TTabSheet;

class TPageControl : public TControl {
public:
    using TControl::TControl;
    // Tabs to choose between are a stop of their own, as in every dialog
    // with tabs: the arrow keys then move between them. A lone tab has
    // nothing to choose.
    bool IsTabStop() const override { return TabCount() > 1; }
    // Pages add themselves when their windows are created: to the layout's
    // tab of the same caption, else as a tab of their own.
    void AddPage(TTabSheet& page);
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet& page);
    // The tabs, whether their pages are made or not.
    int TabCount() const;
    int TabIndex() const;
    std::wstring TabCaption(int index) const;
    // Chooses a tab as the user would: OnChange hears it, then its page shows.
    void SetTabIndex(int index);
    // A tab was chosen; its page may be made now, before it shows.
    std::function<void(int tab)> OnChange;
    // A page made hidden (its layout says so, so that nothing half-built
    // is drawn) is ready: it shows when its tab is chosen.
    void PageReady(TTabSheet& page);
    // The area of the pages, in the page control's client coordinates.
    RECT DisplayRect() const;
    bool Reflected(Message& m) override;
    void ApplyDpi() override;

protected:
    const wchar_t* WindowClass() const override { return WC_TABCONTROLW; }
    DWORD Style() const override { return TControl::Style() | WS_CLIPCHILDREN | TCS_TABS; }
    DWORD ExStyle() const override { return WS_EX_CONTROLPARENT; }
    void HandleCreated() override;
    void WndProc(Message& m) override;

private:
    void InsertTab(std::wstring_view caption);
    // The chosen page in front of the others, then the others hidden: the
    // area under them is never uncovered.
    void ShowSelectedPage();
    // Every page fills the display area.
    void PlacePages();
    // One per tab; none for a tab whose page is not made yet.
    std::vector<TTabSheet*> pages_;
    // Pages made hidden and not ready yet.
    std::vector<TTabSheet*> waiting_;
};

class TTabSheet : public TControl {
public:
    TTabSheet(TForm& form, TControl* parent, const ControlLayout& layout);
    // Placed by its page control.
    void ApplyDpi() override;

protected:
    const wchar_t* WindowClass() const override { return L"STATIC"; }
    DWORD Style() const override { return TControl::Style() | WS_CLIPCHILDREN | SS_NOTIFY; }
    DWORD ExStyle() const override { return WS_EX_CONTROLPARENT; }
    void HandleCreated() override;
    void WndProc(Message& m) override;

private:
    TPageControl& Pages() const;
};

}  // namespace tk
