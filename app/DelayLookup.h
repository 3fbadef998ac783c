// The delay the detailed view looks tempos up for. Typed in the unit its
// list shows (milliseconds, hertz or samples), or, on the picture page, as
// a film click ("12-2"), it gets the list of the tempos at which each note
// value lasts it (a line chosen enters its tempo) and the note value of the
// tempo shown that lasts nearest to it. What it needs of the view, it asks
// for when it looks: the view's state changes under it, and the delay
// entered is read again whenever what it is read in changes (the unit, the
// page), so that no line is ever left from another reading.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DelayLines.h"
#include "core/DelayInput.h"
#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/NumberFormat.h"
#include "core/SampleRates.h"

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
    // The rates the samples units count at, the pages' sample columns'.
    SampleRates rates;
    bool allDivisions = false;
    // The tempo shown, when it is in range.
    std::optional<ExactTempo> tempo;
    // The picture page is shown: a film click is taken too.
    bool clicks = false;
    bool operator==(const LookupContext&) const = default;
};

class DelayLookup {
public:
    using Context = std::function<LookupContext()>;
    using EnterTempo = std::function<void(ExactTempo tempo)>;
    DelayLookup(tk::TForm& form, const tk::NumberStyle& numbers, Context context,
                EnterTempo enterTempo);

    // What the view shows changed: the lines follow what the delay is read
    // in, and the nearest value the tempo.
    void Update();
    // The width the list needs for its widest line (screen pixels).
    int LinesWidth() const;

private:
    // The delay or click a text stands for in a context; nothing when it
    // stands for neither there.
    struct Reading {
        std::optional<ExactMs> delay;
        std::optional<std::int64_t> click;
    };
    Reading Read(const std::wstring& text, const LookupContext& context) const;
    void Enter();
    void List(const LookupContext& context);
    void ShowClosest(const LookupContext& context);
    void Choose();

    tk::TForm& form_;
    const tk::NumberStyle& numbers_;
    Context context_;
    EnterTempo enterTempo_;
    tk::TEdit& delay_;
    tk::TListBox& tempos_;
    tk::TLabel& closest_;
    // The text last entered with Enter, what it was read as, what for.
    std::optional<std::wstring> entered_;
    Reading reading_;
    LookupContext listedFor_;
    std::vector<DelayLine> lines_;
};

}  // namespace rytmalo
