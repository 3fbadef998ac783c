// The delay the detailed view looks tempos up for. Typed in milliseconds,
// hertz or samples (or, on the picture page, as a film click such as
// "12-2"), it gets the list of the tempos at which each note value lasts it
// (a line chosen enters its tempo) and the note value of the tempo shown
// that lasts nearest to it. What it needs of the view, it asks for when it
// looks: the view's state changes under it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/DelayInput.h"
#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/NumberFormat.h"

namespace tk {
class TEdit;
class TForm;
class TLabel;
class TListBox;
}  // namespace tk

namespace rytmalo {

struct LookupContext {
    BeatUnit unit = 4;
    DelayUnit delayUnit = DelayUnit::Milliseconds;
    bool allDivisions = false;
    // The tempo shown, when it is in range.
    std::optional<ExactTempo> tempo;
    // The picture page is shown: a film click is taken too.
    bool clicks = false;
};

class DelayLookup {
public:
    using Context = std::function<LookupContext()>;
    using EnterTempo = std::function<void(ExactTempo tempo)>;
    DelayLookup(tk::TForm& form, const tk::NumberStyle& numbers, Context context,
                EnterTempo enterTempo);

    // What the view shows changed: the list follows the beat unit and the
    // note values listed when they changed, and the nearest value the
    // tempo.
    void Update();
    // The delay's unit changed: the delay typed is read again in it.
    void DelayUnitChanged();

private:
    void Find();
    void List();
    void ShowClosest();
    void Choose();

    tk::TForm& form_;
    const tk::NumberStyle& numbers_;
    Context context_;
    EnterTempo enterTempo_;
    tk::TEdit* delay_ = nullptr;
    tk::TListBox* tempos_ = nullptr;
    tk::TLabel* closest_ = nullptr;
    // The delay last entered, or the click, and the exact tempo of each
    // line of its list.
    std::optional<ExactMs> delayMs_;
    std::optional<std::int64_t> clickEighths_;
    std::vector<ExactTempo> lineTempos_;
    // What the list was made for.
    BeatUnit listedUnit_ = 0;
    bool listedAll_ = false;
};

}  // namespace rytmalo
