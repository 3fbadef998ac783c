#include "app/DetailView.h"

#include "app/DetailViewLayout.h"
#include "app/MainForm.h"
#include "app/MusicTable.h"
#include "toolkit/Button.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/MessageDlg.h"
#include "toolkit/UserLocale.h"

namespace rytmalo {
namespace {

// The longest delay taken: a thousand seconds, in microseconds.
constexpr std::int64_t kLongestDelayUs = 1'000'000'000;

constexpr wchar_t kCopyHeader[] =
    L"Valeur\tms\tHz\tÉchantillons à 44,1 kHz\tÉchantillons à 48 kHz\r\n";

}  // namespace

TDetailView::TDetailView(TMainForm& form) : form_(form), numbers_(tk::UserNumberStyle()) {
    for (tk::TControl* control : form.AddControls(DetailViewLayout())) {
        windows_.push_back(control->Handle());
        ShowWindow(control->Handle(), SW_HIDE);
    }
    tap_ = &form.Find<tk::TButton>("cmdTaper");
    tapped_ = &form.Find<tk::TLabel>("lblTempoTape");
    delay_ = &form.Find<tk::TEdit>("txtDelai");
    tempos_ = &form.Find<tk::TListBox>("lstTempos");
    table_ = &form.Find<tk::TListView>("lvwTableau");

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

void TDetailView::Show(bool show) {
    if (show == visible_) return;
    visible_ = show;
    for (HWND window : windows_) ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
}

bool TDetailView::IsTable(HWND window) const {
    return window && (window == table_->Handle() || IsChild(table_->Handle(), window));
}

void TDetailView::ShowFigures(std::int32_t tempo, BeatUnit unit) {
    std::vector<std::vector<std::wstring>> rows;
    for (const NoteValue& value : NoteValues()) {
        const auto figures = FiguresOf(value, tempo, unit);
        if (!figures) return;
        rows.push_back({std::wstring(value.name),
                        tk::FormatFixed(figures->hundredthsOfMs, 2, numbers_),
                        tk::FormatFixed(figures->hundredthsOfHz, 2, numbers_),
                        tk::FormatFixed(figures->samples44k, 0, numbers_),
                        tk::FormatFixed(figures->samples48k, 0, numbers_)});
    }
    table_->SetRows(rows);
    // The tempos of a delay depend on the beat unit.
    if (delay_us_ && unit != temposUnit_) ListTempos();
}

std::wstring TDetailView::TableText() const {
    std::vector<int> rows = table_->SelectedRows();
    if (rows.empty()) {
        for (int row = 0; row < table_->RowCount(); ++row) rows.push_back(row);
    }
    std::wstring text = kCopyHeader;
    const int columns = static_cast<int>(table_->Layout().columns.size());
    for (int row : rows) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0) text += L'\t';
            text += table_->Cell(row, column);
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
        tapped_->SetCaption(L"Tempo tapé : " + figure + L", hors de la plage de 10 à 250");
        return;
    }
    tapped_->SetCaption(L"Tempo tapé : " + figure);
    form_.EnterTempo(*accepted);
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
    temposUnit_ = form_.UniteTemps;
    std::vector<std::wstring> lines;
    lineTempos_.clear();
    for (const NoteValue& value : NoteValues()) {
        const auto tenths = TenthsOfTempoFor(value, *delay_us_, temposUnit_);
        if (!tenths || *tenths < 100 || *tenths > 2500) continue;
        lines.push_back(std::wstring(value.name) + L" : " + tk::FormatFixed(*tenths, 1, numbers_));
        lineTempos_.push_back(static_cast<std::int32_t>((*tenths + 5) / 10));
    }
    if (lines.empty()) lines.push_back(L"Aucun tempo de 10 à 250 pour ce délai");
    tempos_->SetItems(lines);
}

void TDetailView::ChooseTempo() {
    const int line = tempos_->ItemIndex();
    if (line < 0 || line >= static_cast<int>(lineTempos_.size())) return;
    form_.EnterTempo(lineTempos_[static_cast<std::size_t>(line)]);
}

}  // namespace rytmalo
