#include "app/DetailView.h"

#include <algorithm>
#include <cmath>

#include "app/BarsPage.h"
#include "app/DelayLookup.h"
#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "app/MixingPage.h"
#include "app/PicturePage.h"
#include "app/ValuesPage.h"
#include "components/RegApp.h"
#include "core/DecimalText.h"
#include "core/TempoRange.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dpi.h"
#include "toolkit/Edit.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/MessageDlg.h"
#include "toolkit/PageControl.h"
#include "toolkit/UserLocale.h"

namespace rytmalo {
namespace {

constexpr int kPicturePage = 3;

}  // namespace

tk::TForm& WithPageControls(tk::TForm& form, int page) {
    form.AddControls(DetailPageLayout(page));
    return form;
}

DetailView::DetailView(tk::TForm& form, TRegApp& store, EnterTempo enterTempo, BeatUnit unit)
    : form_(form),
      store_(store),
      enterTempo_(std::move(enterTempo)),
      numbers_(tk::UserNumberStyle()),
      settings_(ReadDetailSettings(store)),
      unit_(unit) {
    form.AddControls(DetailViewLayout());
    lookup_ = std::make_unique<DelayLookup>(
        form, numbers_,
        [this] {
            return LookupContext{.unit = unit_,
                                 .delayUnit = settings_.delayUnit,
                                 .allDivisions = settings_.allDivisions,
                                 .tempo = tempo_ && IsTempoInRange(*tempo_) ? tempo_ : std::nullopt,
                                 .clicks = pages_->TabIndex() == kPicturePage};
        },
        [this](ExactTempo tempo) { Enter(tempo); });
    Bind();
    // The page last shown is made now; the others when first chosen.
    pages_->SetTabIndex(settings_.page);
    Refresh();
}

DetailView::~DetailView() = default;

void DetailView::Bind() {
    panel_ = &form_.Find<tk::TControl>("pnlDetail");
    tap_ = &form_.Find<tk::TButton>("cmdTaper");
    double_ = &form_.Find<tk::TButton>("cmdDouble");
    halve_ = &form_.Find<tk::TButton>("cmdMoitie");
    tapped_ = &form_.Find<tk::TLabel>("lblTempoTape");
    exact_ = &form_.Find<tk::TEdit>("txtTempoExact");
    delayUnit_ = &form_.Find<tk::TComboBox>("cboUniteDelai");
    caption_ = &form_.Find<tk::TLabel>("lblTableau");
    pages_ = &form_.Find<tk::TPageControl>("pgcPages");

    tap_->OnPress = [this](DWORD time) { Beat(time); };
    tap_->OnKeyDown = [this](WORD& key) {
        if (key == VK_BACK || key == VK_ESCAPE) ResetTap();
    };
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
        if (delayUnit_->ItemIndex() < 0) return;
        DetailSettings s = settings_;
        s.delayUnit = static_cast<DelayUnit>(delayUnit_->ItemIndex());
        Settle(s);
        lookup_->DelayUnitChanged();
    };
    pages_->OnChange = [this](int page) { ChoosePage(page); };
}

void DetailView::Show(bool show) {
    if (show == visible_) return;
    visible_ = show;
    ShowWindow(panel_->Handle(), show ? SW_SHOWNA : SW_HIDE);
}

DetailPage& DetailView::Page(int page) {
    auto& made = made_[static_cast<std::size_t>(page)];
    if (!made) {
        const ChangeSettings change = [this](const SettingsEdit& edit) {
            DetailSettings s = settings_;
            edit(s);
            Settle(s);
        };
        switch (page) {
            case 1: made = std::make_unique<BarsPage>(form_, numbers_, change); break;
            case 2: made = std::make_unique<MixingPage>(form_, numbers_, change); break;
            case 3: made = std::make_unique<PicturePage>(form_, numbers_); break;
            default: made = std::make_unique<ValuesPage>(form_, numbers_, change); break;
        }
        made->FitColumns(Widths());
        if (width_ > 0) Place(width_, height_);
        made->Update(Context());
        stale_[static_cast<std::size_t>(page)] = false;
    }
    return *made;
}

// The page is made before its tab shows it; the choice is remembered.
void DetailView::ChoosePage(int page) {
    if (page < 0 || page >= kPageCount) return;
    DetailPage& chosen = Page(page);
    if (stale_[static_cast<std::size_t>(page)]) {
        chosen.Update(Context());
        stale_[static_cast<std::size_t>(page)] = false;
    }
    if (page == settings_.page) return;
    DetailSettings s = settings_;
    s.page = page;
    Settle(s);
}

// A setting the user changed: kept, shown on every page made, saved.
void DetailView::Settle(const DetailSettings& settings) {
    const DetailSettings old = settings_;
    settings_ = settings;
    // The page shown and the delay's unit change no figure.
    DetailSettings same = settings;
    same.page = old.page;
    same.delayUnit = old.delayUnit;
    if (same != old) Refresh();
    if (old.allDivisions != settings.allDivisions) lookup_->Relist();
    const auto save = [&](const wchar_t* name, std::int32_t before, std::int32_t now) {
        if (before != now) SaveDetailSetting(store_, name, now);
    };
    save(kPageSetting, old.page, settings.page);
    save(kAllDivisionsSetting, old.allDivisions, settings.allDivisions);
    // A signature is saved whole: half of one read back with the other
    // half of another would be a third.
    if (old.signature != settings.signature) {
        SaveDetailSetting(store_, kNumeratorSetting, settings.signature.numerator);
        SaveDetailSetting(store_, kDenominatorSetting, settings.signature.denominator);
    }
    save(kPreDelaySetting, static_cast<int>(old.preDelay), static_cast<int>(settings.preDelay));
    save(kFirstRateSetting, old.rates.first, settings.rates.first);
    save(kSecondRateSetting, old.rates.second, settings.rates.second);
    save(kDelayUnitSetting, static_cast<int>(old.delayUnit), static_cast<int>(settings.delayUnit));
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
    // The page shown now; the others when they are shown next.
    const int shown = pages_->TabIndex();
    for (int page = 0; page < kPageCount; ++page) {
        const auto& made = made_[static_cast<std::size_t>(page)];
        if (!made) continue;
        if (page == shown) {
            made->Update(context);
        } else {
            stale_[static_cast<std::size_t>(page)] = true;
        }
    }
    if (context.tempo) {
        caption_->SetCaption(context.title);
        exact_->SetText(TempoText(*context.tempo, numbers_));
    } else if (outOfRange_) {
        caption_->SetCaption(L"Tempo " + tk::DecimalText(*outOfRange_) + L" hors de la plage " +
                             TempoRangeText() + L" : aucune valeur");
    }
    double_->SetEnabled(context.tempo && Doubled(*context.tempo).inRange);
    halve_->SetEnabled(context.tempo && Halved(*context.tempo).inRange);
    lookup_->ShowClosest();
}

void DetailView::SetExact(std::optional<ExactTempo> tempo) {
    // A tapped tempo is no longer what the view shows.
    if (tappedTempo_ && tempo != tappedTempo_) ResetTap();
    tempo_ = tempo;
    Refresh();
}

// A tempo the view found: exact here, whole in the window.
void DetailView::Enter(ExactTempo tempo) {
    if (tappedTempo_ && tempo != *tappedTempo_) ResetTap();
    outOfRange_.reset();
    tempo_ = tempo;
    enterTempo_(WholeTempo(tempo));
    Refresh();
}

void DetailView::TempoComputed(std::int32_t tempo, BeatUnit unit) {
    BeatUnitChanged(unit);
    if (!InTempoRange(tempo)) {
        outOfRange_ = tempo;
        SetExact(std::nullopt);
        return;
    }
    outOfRange_.reset();
    if (tempo_ && WholeTempo(*tempo_) == tempo) {
        Refresh();
        return;
    }
    SetExact(tempo * 100);
}

void DetailView::TempoTyped(std::int32_t tempo) {
    if (InTempoRange(tempo)) SetExact(tempo * 100);
}

void DetailView::BeatUnitChanged(BeatUnit unit) {
    if (unit == unit_) return;
    unit_ = unit;
    lookup_->Relist();
    Refresh();
}

bool DetailView::ContextMenu(HWND window, POINT screen) {
    for (const auto& page : made_) {
        if (page && page->ContextMenu(window, screen)) return true;
    }
    return false;
}

// Each press is a beat, timed by its input; a tempo in range is computed at
// once, anything else only said.
void DetailView::Beat(DWORD time) {
    const std::optional<TapReading> reading = tapTempo_.Beat(time);
    if (!reading) {
        if (!tappedTempo_) tapped_->SetCaption(L"Tapez le temps suivant…");
        return;
    }
    const auto tenths = static_cast<std::int64_t>(std::llround(reading->bpm * 10));
    std::wstring said = L"Tempo tapé : " + tk::FormatFixed(tenths, 1, numbers_);
    said += L" (" + tk::DecimalText(static_cast<std::int64_t>(reading->taps)) + L" temps";
    if (reading->uncertainty) {
        said += L", ± " + tk::FormatFixed(std::llround(*reading->uncertainty * 10), 1, numbers_);
    }
    said += L")";
    const std::optional<ExactTempo> tempo = TempoFromTap(reading->bpm);
    if (!tempo) {
        tapped_->SetCaption(said + L", hors de la plage " + TempoRangeText());
        return;
    }
    tapped_->SetCaption(said);
    tappedTempo_ = tempo;
    Enter(*tempo);
}

void DetailView::ResetTap() {
    tapTempo_.Reset();
    tappedTempo_.reset();
    tapped_->SetCaption(kTapPrompt);
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

// Each column as wide as its widest figure and heading, measured in the
// view's font (which its lists use), once for the window's resolution.
const ColumnWidths& DetailView::Widths() const {
    const int dpi = form_.Dpi();
    if (dpi == widthsDpi_) return widths_;
    const HFONT font = panel_->FontHandle();
    const auto measure = [&](FigureRows rows, std::string_view list) {
        std::vector<std::wstring>& headings = rows.emplace_back();
        for (const tk::ListColumn& c : FindDetailControl(list)->columns)
            headings.emplace_back(c.caption);
        widths_[list] = tk::TListView::ColumnWidths(font, dpi, rows);
    };
    measure(ValuesPage::Widest(numbers_), "lvwTableau");
    measure(BarsPage::Widest(numbers_), "lvwMesures");
    measure(MixingPage::WidestReverb(numbers_), "lvwReverb");
    measure(MixingPage::WidestCompressor(numbers_), "lvwCompresseur");
    measure(PicturePage::Widest(numbers_), "lvwImage");
    widthsDpi_ = dpi;
    return widths_;
}

// The widest of the pages' lists, with room for a scroll bar and the list's
// edges, within its page (4 on each side), the tabs' frame (about 4 more)
// and the view's margins (8).
int DetailView::Width() const {
    const int dpi = form_.Dpi();
    int widest = 0;
    for (const auto& [list, columns] : Widths()) {
        int sum = 0;
        for (const int w : columns) sum += w;
        widest = std::max(widest, sum + tk::SystemMetricForDpi(SM_CXVSCROLL, dpi) +
                                      4 * tk::SystemMetricForDpi(SM_CXEDGE, dpi));
    }
    const int view =
        std::max(widest, form_.Scale(kPageSettingsWidth)) + form_.Scale(2 * (4 + 4 + 8));
    return std::max(kSharedWidth, (view * 96 + dpi - 1) / dpi);
}

void DetailView::Place(int width, int height) {
    width_ = width;
    height_ = height;
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
    place(*tapped_, 242, kTemposTop + 2, width - 250, 13);
    place(form_.Find<tk::TControl>("lblProche"), 242, kTemposTop + 18, width - 250, 26 - cut);
    place(*caption_, 8, kPagesTop - 17 - cut, width - 16, 13);
    place(*pages_, 8, kPagesTop - cut, width - 16, height - kPagesTop + cut - 8);
    const RECT area = pages_->DisplayRect();
    for (const auto& page : made_) {
        if (!page) continue;
        page->FitColumns(Widths());
        page->Place(area.right - area.left, area.bottom - area.top);
    }
}

}  // namespace rytmalo
