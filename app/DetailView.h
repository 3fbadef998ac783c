// The detailed view of the main window: made the first time the user turns
// it on, then shown and hidden with the window growing and shrinking below
// its usual content. It follows every computation of the ten values, taps
// the tempo, finds the tempos at which a delay falls on a note value, and
// copies figures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/DelayTable.h"
#include "app/TapTempo.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/Win.h"

namespace tk {
class TButton;
class TEdit;
class TLabel;
class TListBox;
class TListView;
}  // namespace tk

namespace rytmalo {

class TMainForm;

class TDetailView {
public:
    explicit TDetailView(TMainForm& form);

    void Show(bool show);
    bool Visible() const { return visible_; }

    // The ten values were computed for this tempo and unit.
    void ShowFigures(std::int32_t tempo, BeatUnit unit);
    // The table as tab-separated lines under a header: the selected rows, or
    // all of them when none is.
    std::wstring TableText() const;
    bool IsTable(HWND window) const;

private:
    void Beat(DWORD time);
    void FindTempos();
    void ListTempos();
    void ChooseTempo();

    TMainForm& form_;
    tk::NumberStyle numbers_;
    std::vector<HWND> windows_;
    tk::TButton* tap_ = nullptr;
    tk::TLabel* tapped_ = nullptr;
    tk::TEdit* delay_ = nullptr;
    tk::TListBox* tempos_ = nullptr;
    tk::TListView* table_ = nullptr;
    bool visible_ = false;
    TapTempo tapTempo_;
    // The delay last entered (microseconds), the unit its tempos were found
    // with, and the whole tempo of each line of the list.
    std::optional<std::int64_t> delay_us_;
    BeatUnit temposUnit_ = 0;
    std::vector<std::int32_t> lineTempos_;
};

}  // namespace rytmalo
