#include "app/DetailView.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "core/TempoRange.h"
#include "toolkit/Button.h"
#include "toolkit/Clipboard.h"
#include "core/DecimalText.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/MessageDlg.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/UserLocale.h"

namespace rytmalo {
namespace {

// The longest delay taken: a thousand seconds, in microseconds.
constexpr std::int64_t kLongestDelayUs = 1'000'000'000;

constexpr wchar_t kCopyHeader[] =
    L"Valeur\tms\tHz\tÉchantillons à 44,1 kHz\tÉchantillons à 48 kHz\r\n";

// The note that counts as the beat, as a metronome marking names it.
std::wstring_view BeatName(BeatUnit unit) {
    switch (unit) {
        case 2: return L"Blanche";
        case 8: return L"Croche";
        case 16: return L"Double croche";
        default: return L"Noire";
    }
}

// The style of copied figures: the user's decimal mark, no grouping.
tk::NumberStyle Ungrouped(tk::NumberStyle style) {
    style.groups.clear();
    style.repeatLast = false;
    return style;
}

}  // namespace

TDetailView::TDetailView(tk::TForm& form, EnterTempo enterTempo, BeatUnit unit)
    : form_(form),
      enterTempo_(std::move(enterTempo)),
      numbers_(tk::UserNumberStyle()),
      unit_(unit) {
    form.AddControls(DetailViewLayout());
    Bind();
    FitTable();
}

void TDetailView::Bind() {
    panel_ = &form_.Find<tk::TControl>("pnlDetail");
    tap_ = &form_.Find<tk::TButton>("cmdTaper");
    tapped_ = &form_.Find<tk::TLabel>("lblTempoTape");
    delay_ = &form_.Find<tk::TEdit>("txtDelai");
    tempos_ = &form_.Find<tk::TListBox>("lstTempos");
    caption_ = &form_.Find<tk::TLabel>("lblTableau");
    table_ = &form_.Find<tk::TListView>("lvwTableau");

    tap_->OnPress = [this](DWORD time) { Beat(time); };
    delay_->OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) FindTempos();
    };
    tempos_->OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) ChooseTempo();
    };
    tempos_->OnDoubleClick = [this] { ChooseTempo(); };
    table_->OnKeyDown = [this](WORD& key) {
        if (GetKeyState(VK_CONTROL) >= 0) return;
        if (key == 'C') {
            tk::CopyText(form_.Handle(), TableText());
        } else if (key == 'A') {
            ListView_SetItemState(table_->Handle(), -1, LVIS_SELECTED, LVIS_SELECTED);
        }
    };
}

// The longest figures come at the slowest tempo with the shortest beat, the
// highest frequencies at the fastest tempo with the longest one.
void TDetailView::FitTable() {
    std::vector<std::vector<std::wstring>> widest = Rows(kMinTempo, 16, numbers_);
    for (auto& row : Rows(kMaxTempo, 2, numbers_)) widest.push_back(std::move(row));
    table_->FitColumns(std::move(widest));
}

void TDetailView::Show(bool show) {
    if (show == visible_) return;
    visible_ = show;
    ShowWindow(panel_->Handle(), show ? SW_SHOWNA : SW_HIDE);
}

void TDetailView::SetHeight(int height) {
    const auto place = [&](tk::TControl& control, int top, int controlHeight) {
        const tk::TRect& b = control.Layout().bounds;
        SetWindowPos(control.Handle(), nullptr, form_.Scale(b.Left), form_.Scale(top),
                     form_.Scale(b.Width()), form_.Scale(controlHeight),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const int shortBy = std::max(0, kTableTop + kLeastTableHeight + 8 - height);
    const int listCut = std::min(shortBy, kTemposHeight - kLeastTemposHeight);
    const int tableTop = kTableTop - listCut;
    place(*panel_, kDetailViewTop, height);
    place(*tempos_, kTemposTop, kTemposHeight - listCut);
    place(*caption_, caption_->Layout().bounds.Top - listCut, caption_->Layout().bounds.Height());
    place(*table_, tableTop, std::max(height - tableTop - 8, kLeastTableHeight));
}

std::vector<std::vector<std::wstring>> TDetailView::Rows(std::int32_t tempo, BeatUnit unit,
                                                         const tk::NumberStyle& style) const {
    std::vector<std::vector<std::wstring>> rows;
    for (const NoteValue& value : NoteValues()) {
        const RowFigures figures = *FiguresOf(value, tempo, unit);
        rows.push_back({std::wstring(value.name), tk::FormatFixed(figures.hundredthsOfMs, 2, style),
                        tk::FormatFixed(figures.hundredthsOfHz, 2, style),
                        tk::FormatFixed(figures.samples44k, 0, style),
                        tk::FormatFixed(figures.samples48k, 0, style)});
    }
    return rows;
}

void TDetailView::TempoComputed(std::int32_t tempo, BeatUnit unit) {
    BeatUnitChanged(unit);
    // A tapped tempo is no longer what the window shows.
    if (tappedTempo_ && *tappedTempo_ != tempo) {
        tappedTempo_.reset();
        tapTempo_.Reset();
        tapped_->SetCaption(kTapPrompt);
    }
    if (!InTempoRange(tempo)) {
        tableFor_.reset();
        table_->SetRows({});
        caption_->SetCaption(L"Tempo " + tk::DecimalText(tempo) +
                             L" hors de la plage " + TempoRangeText() + L" : aucune valeur");
        return;
    }
    tableFor_.emplace(tempo, unit);
    table_->SetRows(Rows(tempo, unit, numbers_));
    caption_->SetCaption(std::wstring(BeatName(unit)) + L" = " + tk::DecimalText(tempo));
}

void TDetailView::BeatUnitChanged(BeatUnit unit) {
    if (unit == unit_) return;
    unit_ = unit;
    if (delay_us_) ListTempos();
}

bool TDetailView::ContextMenu(HWND window, POINT screen) {
    if (!window || (window != table_->Handle() && !IsChild(table_->Handle(), window))) return false;
    const bool keyboard = screen.x == -1 && screen.y == -1;
    if (keyboard) screen = table_->MenuPoint();
    if (tk::ShowPopupMenu(form_.Handle(), screen, {{L"&Copier", tableFor_.has_value()}},
                          keyboard ? tk::MenuFrom::Keyboard : tk::MenuFrom::Mouse)) {
        tk::CopyText(form_.Handle(), TableText());
    }
    return true;
}

std::wstring TDetailView::TableText() const {
    std::wstring text = kCopyHeader;
    if (!tableFor_) return text;
    const auto rows = Rows(tableFor_->first, tableFor_->second, Ungrouped(numbers_));
    std::vector<int> chosen = table_->SelectedRows();
    if (chosen.empty()) {
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) chosen.push_back(row);
    }
    for (int row : chosen) {
        const auto& cells = rows[static_cast<std::size_t>(row)];
        for (std::size_t column = 0; column < cells.size(); ++column) {
            if (column > 0) text += L'\t';
            text += cells[column];
        }
        text += L"\r\n";
    }
    return text;
}

// Each press is a beat, timed by its input; a tempo in the box's range is
// computed at once, anything else only said.
void TDetailView::Beat(DWORD time) {
    const std::optional<double> tempo = tapTempo_.Beat(time);
    if (!tempo) {
        tapped_->SetCaption(L"Tapez le temps suivant…");
        return;
    }
    const std::wstring figure =
        tk::FormatFixed(static_cast<std::int64_t>(*tempo * 10 + 0.5), 1, numbers_);
    const std::optional<std::int32_t> accepted = AcceptedTempo(*tempo);
    if (!accepted) {
        tapped_->SetCaption(L"Tempo tapé : " + figure + L", hors de la plage " + TempoRangeText());
        return;
    }
    tapped_->SetCaption(L"Tempo tapé : " + figure);
    EnterTapped(*accepted);
}

void TDetailView::EnterTapped(std::int32_t tempo) {
    tappedTempo_ = tempo;
    enterTempo_(tempo);
}

void TDetailView::FindTempos() {
    const auto delay = tk::ParseFixed(delay_->Text(), 3, numbers_, kLongestDelayUs);
    if (!delay || *delay <= 0) {
        tk::MessageDlg(
            L"Le délai doit être un nombre positif de millisecondes, par exemple 375 "
            L"ou 187" +
                numbers_.decimal + L"5.",
            tk::MsgDlgType::Warning, MB_OK);
        return;
    }
    delay_us_ = delay;
    ListTempos();
}

void TDetailView::ListTempos() {
    std::vector<std::wstring> lines;
    lineTempos_.clear();
    for (const TempoOfDelay& tempo : TemposOfDelay(*delay_us_, unit_)) {
        lines.push_back(std::wstring(tempo.name) + L" : " +
                        tk::FormatFixed(tempo.tenths, 1, numbers_));
        lineTempos_.push_back(tempo.whole);
    }
    if (lines.empty()) lines.push_back(L"Aucun tempo " + TempoRangeText() + L" pour ce délai");
    tempos_->SetItems(lines);
}

void TDetailView::ChooseTempo() {
    const int line = tempos_->ItemIndex();
    if (line < 0 || line >= static_cast<int>(lineTempos_.size())) return;
    enterTempo_(lineTempos_[static_cast<std::size_t>(line)]);
}

}  // namespace rytmalo
