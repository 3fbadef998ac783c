// The "Taper" button and what it says: each press is a beat, timed by its
// input; a reading within the tempo range is entered at once, anything
// else only said. Escape or Backspace on the button starts over, as does
// a tempo that comes from anywhere else.
#pragma once

#include <functional>
#include <optional>

#include "core/ExactTempo.h"
#include "core/NumberFormat.h"
#include "core/TapTempo.h"
#include "toolkit/Win.h"

namespace tk {
class TButton;
class TForm;
class TLabel;
}  // namespace tk

namespace rytmalo {

class TapRow {
public:
    using EnterTempo = std::function<void(ExactTempo tempo)>;
    TapRow(tk::TForm& form, const tk::NumberStyle& numbers, EnterTempo enterTempo);

    // The tempo the view now shows: a tapped tempo that is no longer it is
    // forgotten.
    void TempoShown(std::optional<ExactTempo> tempo);

private:
    void Beat(DWORD time);
    void Reset();

    const tk::NumberStyle& numbers_;
    EnterTempo enterTempo_;
    tk::TButton& button_;
    tk::TLabel& said_;
    TapTempo taps_;
    std::optional<ExactTempo> tapped_;
};

}  // namespace rytmalo
