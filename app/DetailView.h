// The detailed view of the main window: made the first time the user turns
// it on, then shown and hidden in one panel below (and, for its widest
// page, beside) the window's usual content. Above its pages, what they
// share: tap tempo, ×2 and ÷2, the exact tempo, the tempos of a delay and
// the note value nearest to it. Below, the pages of figures. It is told
// each computation of the ten values and each change of the beat unit; a
// tempo it finds goes to the window through the function it was made
// with, and comes back as a computation. Each user action refreshes what
// it changes once.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/DetailPage.h"
#include "app/DetailSettings.h"
#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/NumberFormat.h"
#include "toolkit/Win.h"

namespace tk {
class TButton;
class TComboBox;
class TControl;
class TEdit;
class TForm;
class TLabel;
class TPageControl;
}  // namespace tk

namespace rytmalo {

class DelayLookup;
class ExactTempoBox;
class PageSet;
class TapRow;
class ToolsPanel;
class TRegApp;

class DetailView {
public:
    // The main window computes a whole tempo, the nearest to the exact one.
    using EnterTempo = std::function<void(std::int32_t tempo)>;
    // The tempo the main window last computed, and its unit.
    struct Computed {
        std::int32_t tempo;
        BeatUnit unit;
    };
    // Made showing what the main window shows: its unit, and the figures
    // of the tempo it last computed, if any.
    DetailView(tk::TForm& form, TRegApp& store, const DetailSettings& settings,
               EnterTempo enterTempo, BeatUnit unit, std::optional<Computed> computed);
    ~DetailView();

    void Show(bool show);
    bool Visible() const { return visible_; }
    // The window's client width the view needs, its tools and its widest
    // page showing every text and figure whole, and the height it asks for
    // below the calculator, its page that needs most showing all its rows
    // (96-dpi pixels, at the form's resolution).
    int Width() const;
    int Height() const;
    // The room the window gives it (96-dpi pixels): the client width, and
    // the height below the calculator, where its lists give up height when
    // there is not enough. Again after a change of resolution.
    void Place(int width, int height);

    // The user typed this whole tempo in the tempo box; its computation
    // follows.
    void TempoTyped(std::int32_t tempo);
    // The ten values were computed for this whole tempo and unit. An exact
    // tempo of the view that rounds to it stays; any other is replaced.
    void TempoComputed(std::int32_t tempo, BeatUnit unit);

    // The unit changed and nothing was computed.
    void BeatUnitChanged(BeatUnit unit);

    // A context menu asked for in a window of the view (a point of (-1, -1)
    // from the keyboard); false when the window is not the view's.
    bool ContextMenu(HWND window, POINT screen);

private:
    void Bind();
    FigureContext Context() const;
    void Refresh();
    void TakeTempo(std::int32_t tempo, BeatUnit unit);
    void Change(const SettingRow& row, std::int32_t value);
    void Settle(const DetailSettings& settings);
    void ShowDelayUnits();
    void Enter(ExactTempo tempo, std::optional<SteppedTempo> stepped = std::nullopt);
    SteppedTempo Stepping() const;
    void Step(bool up);
    int Unscaled(int pixels) const;

    tk::TForm& form_;
    TRegApp& store_;
    EnterTempo enterTempo_;
    tk::NumberStyle numbers_;
    DetailSettings settings_;
    tk::TControl* toolsPanel_ = nullptr;
    tk::TControl* panel_ = nullptr;
    tk::TButton* double_ = nullptr;
    tk::TButton* halve_ = nullptr;
    tk::TComboBox* delayUnit_ = nullptr;
    tk::TLabel* caption_ = nullptr;
    tk::TPageControl* tabs_ = nullptr;
    bool visible_ = false;

    BeatUnit unit_;
    // The tempo of the figures: exact, or the whole one outside the range
    // that the window computed for (nothing before any).
    std::optional<ExactTempo> tempo_;
    std::optional<std::int32_t> outOfRange_;
    // How the tempo shown was reached with ×2 and ÷2, if it was.
    std::optional<SteppedTempo> stepped_;
    std::unique_ptr<TapRow> tap_;
    std::unique_ptr<ExactTempoBox> exact_;
    std::unique_ptr<DelayLookup> lookup_;
    std::unique_ptr<ToolsPanel> tools_;
    std::unique_ptr<PageSet> pages_;
};

}  // namespace rytmalo
