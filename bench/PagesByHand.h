// The yardstick for the detailed view's pages: the same pages made with
// plain Win32 calls, nothing else. A window with a tab control of the same
// tabs; each page a static window on it, made hidden when its tab is first
// chosen, with the same controls (same classes, styles, identifiers, texts,
// font), each where the program placed its own, the drop-down lists given
// the same lines, the lists the same columns and figures; then shown, and
// the page shown before hidden. Ctrl+Tab chooses the next tab, as in the
// program.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <string_view>
#include <vector>

#include "app/DetailPageId.h"

namespace bench {

// Where the program put the tab control and each control of its pages
// (relative to their parents), and how wide it made its lists' columns, by
// name.
struct PageGeometry {
    RECT tabs{};
    std::map<std::string_view, RECT> controls;
    std::map<std::string_view, std::vector<int>> columns;
};

class PagesByHand {
public:
    // The window made and shown with the first page.
    explicit PagesByHand(const PageGeometry& geometry);
    ~PagesByHand();
    PagesByHand(const PagesByHand&) = delete;
    PagesByHand& operator=(const PagesByHand&) = delete;

    HWND Window() const { return window_; }
    int TabCount() const;
    // The thread's messages handled; Ctrl+Tab goes to the next tab.
    void Pump();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void ShowChosen();
    HWND MakePage(std::size_t index);

    const PageGeometry& geometry_;
    HFONT font_ = nullptr;
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    std::array<HWND, rytmalo::kPageCount> pages_{};
};

}  // namespace bench
