// The detailed view of the main window: made the first time the user turns
// it on, then shown and hidden in one panel below the window's usual
// content. It is told each computation of the ten values and each change of
// the beat unit; it taps the tempo, finds the tempos at which a delay falls
// on a note value, and copies its figures. A tempo it finds goes to the
// window through the function it was made with.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/DelayTable.h"
#include "core/MusicTable.h"
#include "app/TapTempo.h"
#include "core/NumberFormat.h"
#include "toolkit/Win.h"

namespace tk {
class TButton;
class TControl;
class TEdit;
class TForm;
class TLabel;
class TListBox;
class TListView;
}  // namespace tk

namespace rytmalo {

class TDetailView {
public:
    using EnterTempo = std::function<void(std::int32_t tempo)>;
    TDetailView(tk::TForm& form, EnterTempo enterTempo, BeatUnit unit);

    void Show(bool show);
    bool Visible() const { return visible_; }
    // The height the window gives the view (96-dpi pixels): its table gives
    // up what the whole view cannot have. Again after a change of
    // resolution, which places the controls as the layout has them.
    void SetHeight(int height);

    // The ten values were computed for this tempo and unit: the table shows
    // the same tempo's figures, or says the tempo is outside the range.
    void TempoComputed(std::int32_t tempo, BeatUnit unit);
    // The unit changed, whether the values were computed again or not: the
    // tempos of a delay follow it at once.
    void BeatUnitChanged(BeatUnit unit);

    // A context menu asked for in a window of the view (a point of (-1, -1)
    // from the keyboard); false when the window is not the view's.
    bool ContextMenu(HWND window, POINT screen);

private:
    void Bind();
    void FitTable();
    // The table's rows for a tempo in range, in the style given.
    std::vector<std::vector<std::wstring>> Rows(std::int32_t tempo, BeatUnit unit,
                                                const tk::NumberStyle& style) const;
    // The table as tab-separated lines under a header: the selected rows,
    // or all of them when none is; figures without digit grouping, as the
    // fields they are pasted into read them.
    std::wstring TableText() const;
    void Beat(DWORD time);
    void FindTempos();
    void ListTempos();
    void ChooseTempo();
    void EnterTapped(std::int32_t tempo);

    tk::TForm& form_;
    EnterTempo enterTempo_;
    tk::NumberStyle numbers_;
    tk::TControl* panel_ = nullptr;
    tk::TButton* tap_ = nullptr;
    tk::TLabel* tapped_ = nullptr;
    tk::TEdit* delay_ = nullptr;
    tk::TListBox* tempos_ = nullptr;
    tk::TLabel* caption_ = nullptr;
    tk::TListView* table_ = nullptr;
    bool visible_ = false;
    BeatUnit unit_;
    TapTempo tapTempo_;
    // The tempo a tap entered, while it is the tempo shown.
    std::optional<std::int32_t> tappedTempo_;
    // The tempo and unit of the table's figures.
    std::optional<std::pair<std::int32_t, BeatUnit>> tableFor_;
    // The delay last entered (microseconds) and the whole tempo of each
    // line of its list.
    std::optional<std::int64_t> delay_us_;
    std::vector<std::int32_t> lineTempos_;
};

}  // namespace rytmalo
