#include "app/DetailView.h"

#include <algorithm>

#include "app/DelayLookup.h"
#include "app/DetailSettingsStore.h"
#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "app/ExactTempoBox.h"
#include "app/PageSet.h"
#include "app/TapRow.h"
#include "app/ToolsPanel.h"
#include "core/DecimalText.h"
#include "core/TempoRange.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"
#include "toolkit/UserLocale.h"

namespace rytmalo {

DetailView::DetailView(tk::TForm& form, TRegApp& store, const DetailSettings& settings,
                       EnterTempo enterTempo, BeatUnit unit, std::optional<Computed> computed)
    : form_(form),
      store_(store),
      enterTempo_(std::move(enterTempo)),
      numbers_(tk::UserNumberStyle()),
      settings_(settings),
      unit_(unit) {
    form.AddControls(DetailViewLayout());
    Bind();
    tap_ = std::make_unique<TapRow>(form, numbers_, [this](ExactTempo tempo) { Enter(tempo); });
    exact_ =
        std::make_unique<ExactTempoBox>(form, numbers_, [this](ExactTempo tempo) { Enter(tempo); });
    lookup_ = std::make_unique<DelayLookup>(
        form, numbers_,
        [this] {
            return LookupContext{.unit = unit_,
                                 .delayUnit = settings_.delayUnit,
                                 .rates = settings_.rates,
                                 .allDivisions = settings_.allDivisions,
                                 .tempo = tempo_ && IsTempoInRange(*tempo_) ? tempo_ : std::nullopt,
                                 .clicks = pages_->Shown() == PageId::Picture};
        },
        [this](ExactTempo tempo) { Enter(tempo); });
    tools_ = std::make_unique<ToolsPanel>(form, *lookup_);
    pages_ = std::make_unique<PageSet>(
        form, *tabs_, numbers_,
        [this](const SettingRow& row, std::int32_t value) { Change(row, value); },
        [this](ExactTempo tempo) { Enter(tempo); });
    // The page last shown is made now, with its figures; the others when
    // first chosen.
    if (computed) TakeTempo(computed->tempo, computed->unit);
    tabs_->SetTabIndex(static_cast<int>(IndexOf(settings_.page)));
    Refresh();
}

DetailView::~DetailView() = default;

void DetailView::Bind() {
    toolsPanel_ = &form_.Find<tk::TControl>("pnlOutils");
    panel_ = &form_.Find<tk::TControl>("pnlDetail");
    double_ = &form_.Find<tk::TButton>("cmdDouble");
    halve_ = &form_.Find<tk::TButton>("cmdMoitie");
    delayUnit_ = &form_.Find<tk::TComboBox>("cboUniteDelai");
    caption_ = &form_.Find<tk::TLabel>("lblTableau");
    tabs_ = &form_.Find<tk::TPageControl>("pgcPages");

    double_->OnClick = [this] { Step(true); };
    halve_->OnClick = [this] { Step(false); };
    ShowDelayUnits();
    delayUnit_->OnChange = [this] {
        const int index = delayUnit_->ItemIndex();
        if (index < 0) return;
        Change(*FindSettingRow(L"UniteDelai"), index);
        lookup_->Update();
    };
    // The page is made before its tab shows it; the choice is remembered.
    tabs_->OnChange = [this](int tab) {
        if (tab < 0 || static_cast<std::size_t>(tab) >= kPageCount) return;
        const PageId page = DetailPages()[static_cast<std::size_t>(tab)].id;
        // The delay's lines read as a film click only on the picture page.
        const bool clicks = (page == PageId::Picture) != (settings_.page == PageId::Picture);
        pages_->Choose(page, Context());
        Change(*FindSettingRow(L"PageDetail"), static_cast<std::int32_t>(page));
        if (clicks) lookup_->Update();
    };
}

void DetailView::Show(bool show) {
    if (show == visible_) return;
    visible_ = show;
    // Both at once: the window is drawn once around them.
    HDWP both = BeginDeferWindowPos(2);
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                       (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    both = DeferWindowPos(both, toolsPanel_->Handle(), nullptr, 0, 0, 0, 0, flags);
    both = DeferWindowPos(both, panel_->Handle(), nullptr, 0, 0, 0, 0, flags);
    EndDeferWindowPos(both);
}

// A setting the user chose: kept, saved, and shown where it changes
// figures.
void DetailView::Change(const SettingRow& row, std::int32_t value) {
    DetailSettings settings = settings_;
    row.set(settings, value);
    Settle(settings);
}

void DetailView::Settle(const DetailSettings& settings) {
    const std::vector<const SettingRow*> changed = ChangedRows(settings_, settings);
    if (changed.empty()) return;
    const DetailSettings old = settings_;
    settings_ = settings;
    if (old.rates != settings_.rates) ShowDelayUnits();
    if (std::any_of(changed.begin(), changed.end(), [](const SettingRow* r) { return r->figures; }))
        Refresh();
    SaveDetailSettings(store_, old, settings_);
}

// Samples at the two rates the pages' sample columns have.
void DetailView::ShowDelayUnits() {
    delayUnit_->SetItems({L"millisecondes", L"hertz",
                          L"échantillons à " + RateName(settings_.rates.first, numbers_),
                          L"échantillons à " + RateName(settings_.rates.second, numbers_)});
    delayUnit_->SetItemIndex(static_cast<int>(settings_.delayUnit));
}

FigureContext DetailView::Context() const {
    FigureContext context{.unit = unit_, .settings = settings_};
    if (tempo_ && IsTempoInRange(*tempo_)) {
        context.tempo = tempo_;
        context.title = FigureTitle(*tempo_, unit_, numbers_);
    }
    return context;
}

// Every page made shows the figures of the exact tempo and unit, or none;
// the shared part says which, and what ×2 and ÷2 would give.
void DetailView::Refresh() {
    const FigureContext context = Context();
    pages_->Refresh(context);
    if (context.tempo) {
        caption_->SetCaption(TempoLine(*context.tempo, unit_, numbers_));
    } else if (outOfRange_) {
        caption_->SetCaption(L"Tempo " + tk::DecimalText(*outOfRange_) + L" hors de la plage " +
                             TempoRangeText() + L" : aucune valeur");
    }
    double_->SetEnabled(context.tempo && Stepping().Step(true).has_value());
    halve_->SetEnabled(context.tempo && Stepping().Step(false).has_value());
    tap_->TempoShown(context.tempo);
    exact_->TempoShown(context.tempo);
    lookup_->Update();
}

// A tempo the view found: exact here, whole in the window, whose
// computation comes back and refreshes the view.
void DetailView::Enter(ExactTempo tempo, std::optional<SteppedTempo> stepped) {
    outOfRange_.reset();
    tempo_ = tempo;
    stepped_ = stepped;
    enterTempo_(WholeTempo(tempo));
}

void DetailView::TempoTyped(std::int32_t tempo) {
    if (!InTempoRange(tempo)) return;
    tempo_ = tempo * 100;
    stepped_.reset();
}

void DetailView::TempoComputed(std::int32_t tempo, BeatUnit unit) {
    TakeTempo(tempo, unit);
    Refresh();
}

void DetailView::TakeTempo(std::int32_t tempo, BeatUnit unit) {
    unit_ = unit;
    if (!InTempoRange(tempo)) {
        outOfRange_ = tempo;
        tempo_.reset();
    } else {
        outOfRange_.reset();
        if (!tempo_ || WholeTempo(*tempo_) != tempo) {
            tempo_ = tempo * 100;
            stepped_.reset();
        }
    }
}

void DetailView::BeatUnitChanged(BeatUnit unit) {
    if (unit == unit_) return;
    unit_ = unit;
    Refresh();
}

bool DetailView::ContextMenu(HWND window, POINT screen) {
    return pages_->ContextMenu(window, screen);
}

// The tempo shown as reached with ×2 and ÷2: going back gives back the
// very tempo they started from.
SteppedTempo DetailView::Stepping() const {
    if (stepped_ && tempo_ && stepped_->Tempo() == *tempo_) return *stepped_;
    return SteppedTempo(tempo_.value_or(0));
}

void DetailView::Step(bool up) {
    if (!tempo_) return;
    if (const auto next = Stepping().Step(up)) Enter(next->Tempo(), next);
}

// 96-dpi pixels, rounded up.
int DetailView::Unscaled(int pixels) const {
    const int dpi = form_.Dpi();
    return (pixels * 96 + dpi - 1) / dpi;
}

int DetailView::Width() const {
    return std::max(kToolsLeft + Unscaled(tools_->Width()),
                    Unscaled(pages_->Width() + form_.Scale(2 * 8)));
}

int DetailView::Height() const { return kPagesTop + Unscaled(pages_->Height()) + 8; }

void DetailView::Place(int width, int height) {
    tools_->Place();
    const int w = form_.Scale(width);
    const int h = form_.Scale(height);
    const int inner = w - form_.Scale(16);
    panel_->SetBounds(0, form_.Scale(kCalculatorHeight), w, h);
    form_.Find<tk::TControl>("bvlTableau")
        .SetBounds(form_.Scale(8), form_.Scale(1), inner, form_.Scale(2));
    caption_->SetBounds(form_.Scale(8), form_.Scale(8), inner, form_.Scale(13));
    tabs_->SetBounds(form_.Scale(8), form_.Scale(kPagesTop), inner, h - form_.Scale(kPagesTop + 8));
    const RECT area = tabs_->DisplayRect();
    pages_->Place(area.right - area.left, area.bottom - area.top);
}

}  // namespace rytmalo
