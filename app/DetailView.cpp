#include "app/DetailView.h"

#include <algorithm>

#include "app/DelayLookup.h"
#include "app/DetailSettingsStore.h"
#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "app/PageSet.h"
#include "app/TapRow.h"
#include "core/DecimalText.h"
#include "core/TempoRange.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/MessageDlg.h"
#include "toolkit/PageControl.h"
#include "toolkit/UserLocale.h"

namespace rytmalo {

DetailView::DetailView(tk::TForm& form, TRegApp& store, const DetailSettings& settings,
                       EnterTempo enterTempo, BeatUnit unit)
    : form_(form),
      store_(store),
      enterTempo_(std::move(enterTempo)),
      numbers_(tk::UserNumberStyle()),
      settings_(settings),
      unit_(unit) {
    form.AddControls(DetailViewLayout());
    Bind();
    tap_ = std::make_unique<TapRow>(form, numbers_, [this](ExactTempo tempo) { Enter(tempo); });
    lookup_ = std::make_unique<DelayLookup>(
        form, numbers_,
        [this] {
            return LookupContext{.unit = unit_,
                                 .delayUnit = settings_.delayUnit,
                                 .allDivisions = settings_.allDivisions,
                                 .tempo = tempo_ && IsTempoInRange(*tempo_) ? tempo_ : std::nullopt,
                                 .clicks = pages_->Shown() == PageId::Picture};
        },
        [this](ExactTempo tempo) { Enter(tempo); });
    pages_ = std::make_unique<PageSet>(
        form, *tabs_, numbers_,
        [this](const SettingRow& row, std::int32_t value) { Change(row, value); });
    // The page last shown is made now; the others when first chosen.
    tabs_->SetTabIndex(static_cast<int>(IndexOf(settings_.page)));
    Refresh();
}

DetailView::~DetailView() = default;

void DetailView::Bind() {
    panel_ = &form_.Find<tk::TControl>("pnlDetail");
    double_ = &form_.Find<tk::TButton>("cmdDouble");
    halve_ = &form_.Find<tk::TButton>("cmdMoitie");
    exact_ = &form_.Find<tk::TEdit>("txtTempoExact");
    delayUnit_ = &form_.Find<tk::TComboBox>("cboUniteDelai");
    caption_ = &form_.Find<tk::TLabel>("lblTableau");
    tabs_ = &form_.Find<tk::TPageControl>("pgcPages");

    double_->OnClick = [this] { Step(true); };
    halve_->OnClick = [this] { Step(false); };
    exact_->OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) TypeExact();
    };
    delayUnit_->SetItems({L"millisecondes", L"hertz",
                          L"échantillons à " + RateName(44100, numbers_),
                          L"échantillons à " + RateName(48000, numbers_)});
    delayUnit_->SetItemIndex(static_cast<int>(settings_.delayUnit));
    delayUnit_->OnChange = [this] {
        const int index = delayUnit_->ItemIndex();
        if (index < 0) return;
        Change(*FindSettingRow(L"UniteDelai"), index);
        lookup_->DelayUnitChanged();
    };
    // The page is made before its tab shows it; the choice is remembered.
    tabs_->OnChange = [this](int tab) {
        if (tab < 0 || static_cast<std::size_t>(tab) >= kPageCount) return;
        const PageId page = DetailPages()[static_cast<std::size_t>(tab)].id;
        pages_->Choose(page, Context());
        Change(*FindSettingRow(L"PageDetail"), static_cast<std::int32_t>(page));
    };
}

void DetailView::Show(bool show) {
    if (show == visible_) return;
    visible_ = show;
    ShowWindow(panel_->Handle(), show ? SW_SHOWNA : SW_HIDE);
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
    if (std::any_of(changed.begin(), changed.end(), [](const SettingRow* r) { return r->figures; }))
        Refresh();
    SaveDetailSettings(store_, old, settings_);
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
        caption_->SetCaption(context.title);
        exact_->SetText(TempoText(*context.tempo, numbers_));
    } else if (outOfRange_) {
        caption_->SetCaption(L"Tempo " + tk::DecimalText(*outOfRange_) + L" hors de la plage " +
                             TempoRangeText() + L" : aucune valeur");
    }
    double_->SetEnabled(context.tempo && Doubled(*context.tempo).inRange);
    halve_->SetEnabled(context.tempo && Halved(*context.tempo).inRange);
    tap_->TempoShown(context.tempo);
    lookup_->Update();
}

// A tempo the view found: exact here, whole in the window, whose
// computation comes back and refreshes the view.
void DetailView::Enter(ExactTempo tempo) {
    outOfRange_.reset();
    tempo_ = tempo;
    enterTempo_(WholeTempo(tempo));
}

void DetailView::TempoTyped(std::int32_t tempo) {
    if (InTempoRange(tempo)) tempo_ = tempo * 100;
}

void DetailView::TempoComputed(std::int32_t tempo, BeatUnit unit) {
    if (unit != unit_) unit_ = unit;
    if (!InTempoRange(tempo)) {
        outOfRange_ = tempo;
        tempo_.reset();
    } else {
        outOfRange_.reset();
        if (!tempo_ || WholeTempo(*tempo_) != tempo) tempo_ = tempo * 100;
    }
    Refresh();
}

void DetailView::BeatUnitChanged(BeatUnit unit) {
    if (unit == unit_) return;
    unit_ = unit;
    Refresh();
}

bool DetailView::ContextMenu(HWND window, POINT screen) {
    return pages_->ContextMenu(window, screen);
}

void DetailView::Step(bool up) {
    if (!tempo_) return;
    const TempoStep step = up ? Doubled(*tempo_) : Halved(*tempo_);
    if (step.inRange) Enter(step.tempo);
}

void DetailView::TypeExact() {
    const std::optional<ExactTempo> tempo = ParseTempo(exact_->Text(), numbers_);
    if (!tempo) {
        tk::MessageDlg(form_.Host(),
                       L"Le tempo exact doit être un nombre de " + tk::DecimalText(kMinTempo) +
                           L" à " + tk::DecimalText(kMaxTempo) + L", par exemple 117" +
                           numbers_.decimal + L"55.",
                       tk::MsgDlgType::Warning, MB_OK);
        return;
    }
    Enter(*tempo);
}

// The widest of the pages' lists within its page (4 on each side), the
// tabs' frame (about 4 more) and the view's margins (8).
int DetailView::Width() const {
    const int dpi = form_.Dpi();
    const int view = std::max(pages_->WidestList(), form_.Scale(kPageSettingsWidth)) +
                     form_.Scale(2 * (4 + 4 + 8));
    return std::max(kSharedWidth, (view * 96 + dpi - 1) / dpi);
}

void DetailView::Place(int width, int height) {
    const auto place = [&](tk::TControl& c, int left, int top, int w, int h) {
        SetWindowPos(c.Handle(), nullptr, form_.Scale(left), form_.Scale(top), form_.Scale(w),
                     form_.Scale(std::max(h, 0)), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    // The pages' lists give up height first; then the list of tempos, down
    // to two lines; past that the view is cut at the window's bottom.
    const int pagesLeast = 24 + kPageSettingsHeight + kLeastTableHeight + 8;
    const int shortBy = std::max(0, kPagesTop + pagesLeast + 8 - height);
    const int cut = std::min(shortBy, kTemposHeight - kLeastTemposHeight);
    place(*panel_, 0, kDetailViewTop, width, height);
    place(form_.Find<tk::TControl>("bvlTableau"), 8, 1, width - 16, 2);
    place(form_.Find<tk::TControl>("lstTempos"), 8, kTemposTop, 226, kTemposHeight - cut);
    place(form_.Find<tk::TControl>("lblTempoTape"), 242, kTemposTop + 2, width - 250, 13);
    place(form_.Find<tk::TControl>("lblProche"), 242, kTemposTop + 18, width - 250, 26 - cut);
    place(*caption_, 8, kPagesTop - 17 - cut, width - 16, 13);
    place(*tabs_, 8, kPagesTop - cut, width - 16, height - kPagesTop + cut - 8);
    const RECT area = tabs_->DisplayRect();
    pages_->Place(area.right - area.left, area.bottom - area.top);
}

}  // namespace rytmalo
