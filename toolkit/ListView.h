// A list view in report mode: rows of cells under a header, whole rows
// selected; screen readers read each cell with its column's header.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class TListView : public TControl {
public:
    using TControl::TControl;
    bool IsTabStop() const override { return true; }
    void ApplyDpi() override;

    // Replaces every row; each row holds one text per column.
    void SetRows(const std::vector<std::vector<std::wstring>>& rows);
    int RowCount() const;
    std::wstring Cell(int row, int column) const;
    // The selected rows, in order.
    std::vector<int> SelectedRows() const;
    // The row with the focus, or -1.
    int FocusedRow() const;
    // Where a context menu asked for from the keyboard opens, on the
    // screen: at the focused row, else at the top-left of the rows.
    POINT MenuPoint() const;

    // The height of a row and of the headings (screen pixels), as the list
    // draws them in its font: what it needs to show some rows whole.
    int RowHeight() const;
    int HeaderHeight() const;

    // A row double-clicked: the row's number.
    std::function<void(int row)> OnDoubleClick;
    bool Reflected(Message& m) override;

    // A column's heading, when it changes with a setting; it keeps its
    // column's alignment.
    void SetColumnCaption(int column, const std::wstring& caption);

    // Each column made as wide as the widest of these texts and its
    // heading, measured in the list's font at its resolution, and kept so
    // at every resolution: no figure is ever clipped.
    void FitColumns(std::vector<std::vector<std::wstring>> widest);
    // Widths measured elsewhere (for lists that share them), kept as they
    // are.
    void SetColumnWidths(std::vector<int> widths);
    // The widths that fitting gives, for rows and headings in a font; what
    // a list not made yet will need.
    static std::vector<int> ColumnWidths(HFONT font, int dpi,
                                         const std::vector<std::vector<std::wstring>>& rows);

protected:
    const wchar_t* WindowClass() const override;
    DWORD Style() const override;
    DWORD ExStyle() const override { return Layout().ctl3d ? WS_EX_CLIENTEDGE : 0; }
    Color DefaultBackground() const override { return clWindow; }
    void HandleCreated() override;

private:
    void SetColumnWidths();

    std::vector<std::vector<std::wstring>> widest_;
    std::vector<int> widths_;
    std::vector<std::wstring> captions_;
};

}  // namespace tk
