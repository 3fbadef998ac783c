// A page's list of figures: rows written in the user's number format,
// columns as wide as the widest figure they can show, and copied (Ctrl+C,
// or the context menu's "Copier") as tab-separated lines: a line naming
// what the figures are for, the headings, then the chosen rows or all of
// them, figures without digit grouping.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DetailPages.h"
#include "toolkit/Win.h"

namespace tk {
class TForm;
class TListView;
}  // namespace tk

namespace rytmalo {

class FigureTable {
public:
    using EnterTempo = std::function<void(ExactTempo tempo)>;
    // A row chosen (Enter, a double click) that stands for a tempo enters
    // it.
    FigureTable(tk::TForm& form, const FigureList& figures, const tk::NumberStyle& numbers,
                EnterTempo enterTempo);

    tk::TListView& List() const { return list_; }
    const FigureList& Figures() const { return figures_; }
    // The figures of a context, none outside the tempo range, under the
    // headings its settings and beat give.
    void Show(const FigureContext& context);
    // A context menu asked for in a window of the list: true when it was.
    bool ContextMenu(HWND window, POINT screen);

private:
    void SetHeadings(const Headings& headings);
    std::wstring CopyText() const;
    void Choose(int row);

    tk::TForm& form_;
    const FigureList& figures_;
    tk::TListView& list_;
    const tk::NumberStyle& numbers_;
    EnterTempo enterTempo_;
    // What the figures shown are for; nothing when none are.
    std::optional<FigureContext> shown_;
    Headings headings_;
};

}  // namespace rytmalo
