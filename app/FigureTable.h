// A page's list of figures: rows written in the user's number format,
// columns as wide as the widest figure they can show, and copied (Ctrl+C,
// or the context menu's "Copier") as tab-separated lines: a line naming
// the tempo and beat unit the figures are for, the headings, then the
// chosen rows or all of them, figures without digit grouping.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/NumberFormat.h"
#include "toolkit/Win.h"

namespace tk {
class TForm;
class TListView;
}  // namespace tk

namespace rytmalo {

using FigureRows = std::vector<std::vector<std::wstring>>;
// A page's rows written in a number style.
using RowsIn = std::function<FigureRows(const tk::NumberStyle& style)>;

class FigureTable {
public:
    FigureTable(tk::TForm& form, tk::TListView& list, const tk::NumberStyle& numbers);

    tk::TListView& List() const { return list_; }
    // The figures for what the title names; rows() writes them.
    void Show(std::wstring title, RowsIn rows);
    // No figures: the tempo is outside the range.
    void Clear();
    // The headings shown and those a copy takes (a copy pasted alone says
    // more: "Échantillons à 48 kHz" for "48 kHz"); they may follow a
    // setting (a sample rate).
    void SetHeadings(const std::vector<std::wstring>& shown, std::vector<std::wstring> copied);
    // A context menu asked for in a window of the list: true when it was.
    bool ContextMenu(HWND window, POINT screen);
    // The list placed in its page's area (screen pixels) from a top in
    // layout pixels to the area's bottom, within the page's margins, never
    // shorter than its headings and a row.
    void Place(int top, int width, int height);

private:
    std::wstring CopyText() const;

    tk::TForm& form_;
    tk::TListView& list_;
    const tk::NumberStyle& numbers_;
    std::wstring title_;
    RowsIn rows_;
    std::vector<std::wstring> shown_;
    std::vector<std::wstring> copied_;
};

}  // namespace rytmalo
