#include "toolkit/PageControl.h"

#include <algorithm>
#include <string>

#include "core/Exception.h"

namespace tk {

void TPageControl::HandleCreated() {
    for (const std::wstring_view tab : Layout().tabs) InsertTab(tab);
}

void TPageControl::InsertTab(std::wstring_view caption) {
    const std::wstring text(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    const int index = static_cast<int>(pages_.size());
    SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    pages_.push_back(nullptr);
}

void TPageControl::AddPage(TTabSheet& page) {
    const auto& tabs = Layout().tabs;
    auto tab = std::find(tabs.begin(), tabs.end(), page.Layout().caption);
    std::size_t index = static_cast<std::size_t>(tab - tabs.begin());
    if (tab == tabs.end() || index >= pages_.size() || pages_[index]) {
        InsertTab(page.Layout().caption);
        index = pages_.size() - 1;
    }
    pages_[index] = &page;
    if (!page.Layout().visible) waiting_.push_back(&page);
    // The tabs take room from the display area: place every page again.
    PlacePages();
    ShowSelectedPage();
}

void TPageControl::PageReady(TTabSheet& page) {
    std::erase(waiting_, &page);
    ShowSelectedPage();
}

void TPageControl::PlacePages() {
    const RECT area = DisplayRect();
    for (TTabSheet* p : pages_) {
        if (!p) continue;
        SetWindowPos(p->Handle(), nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int TPageControl::TabCount() const { return static_cast<int>(pages_.size()); }

std::wstring TPageControl::TabCaption(int index) const {
    wchar_t text[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(Handle(), TCM_GETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

int TPageControl::TabIndex() const {
    return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

void TPageControl::SetTabIndex(int index) {
    if (index < 0 || index >= TabCount()) return;
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (OnChange) OnChange(index);
    ShowSelectedPage();
}

void TPageControl::ApplyDpi() {
    TControl::ApplyDpi();
    PlacePages();
}

TTabSheet* TPageControl::ActivePage() const {
    const auto index = SendMessageW(Handle(), TCM_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= pages_.size()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void TPageControl::SetActivePage(TTabSheet& page) {
    auto it = std::find(pages_.begin(), pages_.end(), &page);
    if (it == pages_.end()) return;
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(it - pages_.begin()), 0);
    ShowSelectedPage();
}

RECT TPageControl::DisplayRect() const {
    RECT r;
    GetClientRect(Handle(), &r);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

void TPageControl::ShowSelectedPage() {
    TTabSheet* active = ActivePage();
    const bool ready =
        active && std::find(waiting_.begin(), waiting_.end(), active) == waiting_.end();
    // The page shown so far stays until the chosen one can cover it.
    if (!ready) return;
    SetWindowPos(active->Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (TTabSheet* page : pages_) {
        if (page && page != active) ShowWindow(page->Handle(), SW_HIDE);
    }
}

bool TPageControl::Reflected(Message& m) {
    if (m.msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(m.lParam)->code == TCN_SELCHANGE) {
        if (OnChange) OnChange(TabIndex());
        ShowSelectedPage();
        return true;
    }
    return TControl::Reflected(m);
}

void TPageControl::WndProc(Message& m) {
    if (ReflectToChild(m) || PassContextMenuUp(m)) return;
    TControl::WndProc(m);
    if (m.msg == WM_SIZE) PlacePages();
}

TTabSheet::TTabSheet(TForm& form, TControl* parent, const ControlLayout& layout)
    : TControl(form, parent, layout) {
    if (!dynamic_cast<TPageControl*>(parent))
        throw ProgrammingError({"a tab page belongs in a page control"});
}

TPageControl& TTabSheet::Pages() const { return *static_cast<TPageControl*>(Parent()); }

void TTabSheet::ApplyDpi() {
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

void TTabSheet::HandleCreated() {
    // A page fills the display area of its page control, whatever its layout
    // says, and shows no text of its own: its caption is its tab.
    SetWindowTextW(Handle(), L"");
    Pages().AddPage(*this);
}

void TTabSheet::WndProc(Message& m) {
    if (ReflectToChild(m) || PassContextMenuUp(m)) return;
    if (m.msg == WM_ERASEBKGND) {
        EraseBackground(m);
        return;
    }
    TControl::WndProc(m);
}

}  // namespace tk
