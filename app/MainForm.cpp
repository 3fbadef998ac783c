#include "app/MainForm.h"

#include <string>
#include <vector>

#include "app/About.h"
#include "app/FormPlacement.h"
#include "app/DetailSettingsStore.h"
#include "app/DetailText.h"
#include "app/DetailView.h"
#include "app/DetailViewLayout.h"
#include "app/Forms.h"
#include "app/MainFormLayout.h"
#include "app/Preferences.h"
#include "core/TempoRange.h"
#include "core/TempoText.h"
#include "core/WindowPlacement.h"
#include "components/RegApp.h"
#include "help/HelpContexts.h"
#include "components/TopMost.h"
#include "toolkit/Application.h"
#include "toolkit/CheckControls.h"
#include "core/DecimalText.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/Clipboard.h"
#include "toolkit/MessageDlg.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/SdkExtras.h"
#include "toolkit/UserLocale.h"
#include "toolkit/WinGeometry.h"

namespace rytmalo {

TMainForm* MainForm = nullptr;

namespace {

// Where the window opens when no place has been saved yet.
constexpr int kDefaultTop = 128;
constexpr int kDefaultLeft = 222;

constexpr wchar_t kFormTop[] = L"FormTop";
constexpr wchar_t kFormLeft[] = L"FormLeft";
constexpr wchar_t kTopMost[] = L"TopMost";

}  // namespace

TMainForm::TMainForm(tk::TApplication& application)
    : TGradientForm(&application, MainFormLayout()) {
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
}

TMainForm::~TMainForm() = default;

void TMainForm::Bind() {
    txtTempo = &Find<tk::TEdit>("txtTempo");
    for (std::size_t i = 0; i < kDelayCount; ++i)
        valueLabels[i] = &Find<tk::TLabel>(kValueLabels[i]);

    txtTempo->OnKeyDown = [this](WORD& key) { txtTempoKeyDown(key); };
    OnShortcut = [this](WORD key, bool shift) {
        if (key != 'C' || !shift) return false;
        CopyValues();
        return true;
    };
    Find<tk::TRadioButton>("rdoRonde").OnClick = [this] { rdoRondeClick(); };
    Find<tk::TRadioButton>("rdoNoire").OnClick = [this] { rdoNoireClick(); };
    Find<tk::TRadioButton>("rdoCroche").OnClick = [this] { rdoCrocheClick(); };
    Find<tk::TRadioButton>("rdoDouble").OnClick = [this] { rdoDoubleClick(); };
    Find<tk::TControl>("cmdQuitter").OnClick = [this] { cmdQuitterClick(); };
    Find<tk::TMenuItem>("Prferences1").OnClick = [this] { Prferences1Click(); };
    Find<tk::TMenuItem>("N1Sommairedelaide1").OnClick = [this] { N1Sommairedelaide1Click(); };
    Find<tk::TMenuItem>("mnuAProposDe").OnClick = [this] { mnuAProposDeClick(); };
    Find<tk::TMenuItem>("mnuTableauDetaille").OnClick = [this] { mnuTableauDetailleClick(); };
}

TRegAppUserConfig& TMainForm::RegApp() const { return Find<TRegAppUserConfig>("RegApp"); }

TTopMost& TMainForm::TopMost1() const { return Find<TTopMost>("TopMost1"); }

// The store stays open until the first activation. A step that fails skips
// the rest; the window is still brought onto the screen if the place read
// so far left it where no screen shows it.
void TMainForm::FormCreate() {
    struct OnScreenAtEnd {
        TMainForm& form;
        ~OnScreenAtEnd() { KeepOnScreen(form); }
    } onScreen{*this};

    RegApp().SetActive(true);
    SetCaption(L"Rytmalo 95");
    UniteTemps = 4;
    SetTop(RegApp().HasValue(kFormTop) ? RegApp().ReadIntegerValue(kFormTop) : kDefaultTop);
    SetLeft(RegApp().HasValue(kFormLeft) ? RegApp().ReadIntegerValue(kFormLeft) : kDefaultLeft);
    ReadViewSettings();
    // The detailed view as it was left.
    if (viewSettings_.shown) ShowDetailView(true);
}

// Values that cannot be used take their defaults again, which are stored,
// so that one notice tells of them all, once.
void TMainForm::ReadViewSettings() {
    const StoredSettings stored = ReadDetailSettings(RegApp());
    viewSettings_ = stored.settings;
    if (stored.reset.empty()) return;
    tk::Guarded([&] { StoreDefaults(RegApp(), stored.reset); });
    tk::MessageDlg(Host(), ResetNotice(stored.reset), tk::MsgDlgType::Warning, MB_OK);
}

// Every time the program's own dialogs give the window back: they take it
// off the top while they are open, and the saved choice brings it back.
void TMainForm::FormActivate() {
    if (RegApp().HasValue(kTopMost)) TopMost1().SetOnTop(RegApp().ReadBoolValue(kTopMost));
    RegApp().SetActive(false);
}

// A maximised window is saved where it goes back to when restored: the next
// start opens it at its own size.
void TMainForm::SauvePosition() {
    const tk::TPoint place = PlaceToSave(*this);
    RegApp().SetActive(true);
    RegApp().WriteIntegerValue(kFormTop, place.y);
    RegApp().WriteIntegerValue(kFormLeft, place.x);
    RegApp().SetActive(false);
}

void TMainForm::CalculDelais(float tempo) {
    const auto delays = ComputeDelays(tempo, UniteTemps);
    if (!delays) {
        // The unit changed all the same.
        if (detailView_) detailView_->BeatUnitChanged(UniteTemps);
        throw tk::EZeroDivide();
    }
    for (std::size_t i = 0; i < kDelayCount; ++i) {
        valueLabels[i]->SetCaption(tk::DecimalText((*delays)[i]));
    }
    // Callers pass whole tempos.
    shownFigures_.emplace(static_cast<std::int32_t>(tempo), UniteTemps);
    if (detailView_) detailView_->TempoComputed(shownFigures_->first, shownFigures_->second);
}

void TMainForm::EnterTempo(std::int32_t tempo) {
    txtTempo->SetText(tk::DecimalText(tempo));
    CalculDelais(static_cast<float>(tempo));
}

bool TMainForm::DetailViewShown() const { return detailView_ && detailView_->Visible(); }

void TMainForm::ShowDetailView(bool show) {
    if (show == DetailViewShown()) return;
    if (!detailView_) {
        std::optional<DetailView::Computed> computed;
        if (shownFigures_) computed = {shownFigures_->first, shownFigures_->second};
        detailView_ = std::make_unique<DetailView>(
            *this, RegApp(), viewSettings_, [this](std::int32_t tempo) { EnterTempo(tempo); },
            UniteTemps, computed);
    }
    // The window takes its size and place first; the view then shows in it.
    if (show) {
        FitDetailView();
    } else {
        SetExtraClientSize(0, 0);
    }
    Find<tk::TMenuItem>("mnuTableauDetaille").SetChecked(show);
    detailView_->Show(show);
}

// The whole window on its work area: on a small screen the view's pages
// give up height, and the window moves up to end on the work area.
void TMainForm::FitDetailView() {
    const int width = detailView_->Width();
    const int without = Height() - Scale(ExtraClientHeight());
    const int height = FittedExtraHeight(detailView_->Height(), kLeastPagesHeight, without,
                                         WorkAreaHeight(*this), Dpi());
    ResizeInWorkArea(*this, width - kCalculatorWidth, height);
    detailView_->Place(width, height);
}

void TMainForm::DpiChanged(int oldDpi) {
    TGradientForm::DpiChanged(oldDpi);
    if (DetailViewShown()) FitDetailView();
}

// The view changes at once; a choice that cannot be saved is reported.
void TMainForm::mnuTableauDetailleClick() {
    ShowDetailView(!DetailViewShown());
    SaveSetting(RegApp(), *FindSettingRow(L"TableauDetaille"), DetailViewShown());
}

// Ctrl+Shift+C: the ten values under a line naming their tempo, one a
// line after its name, tab-separated as the pages' copies are.
void TMainForm::CopyValues() {
    if (!shownFigures_) {
        MessageBeep(MB_OK);
        return;
    }
    std::wstring text =
        FigureTitle(shownFigures_->first * 100, shownFigures_->second, tk::UserNumberStyle()) +
        L"\r\n";
    for (std::size_t i = 0; i < kDelayCount; ++i) {
        std::wstring name = Find<tk::TLabel>(kCaptionLabels[i]).Caption();
        if (name.ends_with(L" :")) name.resize(name.size() - 2);
        text += name + L"\t" + valueLabels[i]->Caption() + L"\r\n";
    }
    tk::CopyText(Handle(), text);
}

bool TMainForm::ContextMenu(HWND window, POINT screen) {
    if (detailView_ && detailView_->ContextMenu(window, screen)) return true;
    // A value label under the pointer: its figure, as shown.
    if (screen.x == -1 && screen.y == -1) return false;
    for (tk::TLabel* label : valueLabels) {
        RECT r;
        GetWindowRect(label->Handle(), &r);
        if (!PtInRect(&r, screen)) continue;
        const std::wstring figure = label->Caption();
        if (tk::ShowPopupMenu(Handle(), screen, {{L"&Copier", !figure.empty()}}))
            tk::CopyText(Handle(), figure);
        return true;
    }
    return false;
}

void TMainForm::WndProc(tk::Message& m) {
    if (m.msg == WM_CONTEXTMENU) {
        if (ContextMenu(reinterpret_cast<HWND>(m.wParam), tk::PointOf(m.lParam))) {
            m.result = 0;
            return;
        }
    }
    TGradientForm::WndProc(m);
}

void TMainForm::txtTempoKeyDown(WORD& key) {
    if (key == VK_RETURN) {
        const std::int32_t tempo = TempoTextToInt(txtTempo->Text());
        if (InTempoRange(tempo)) {
            if (detailView_) detailView_->TempoTyped(tempo);
            CalculDelais(static_cast<float>(tempo));
        } else {
            tk::MessageDlg(Host(), TempoRangeWarning(), tk::MsgDlgType::Warning, MB_OK);
            txtTempo->SetText(L"");
        }
    } else if (key == VK_ESCAPE) {
        txtTempo->SetText(L"");
    }
}

// The view hears of the unit with the computation, or alone when nothing
// is computed.
void TMainForm::ChooseBeatUnit(BeatUnit unit) {
    UniteTemps = unit;
    const std::wstring text = txtTempo->Text();
    if (!text.empty()) {
        CalculDelais(static_cast<float>(TempoTextToInt(text)));
    } else if (detailView_) {
        detailView_->BeatUnitChanged(unit);
    }
}

void TMainForm::rdoRondeClick() { ChooseBeatUnit(2); }
void TMainForm::rdoNoireClick() { ChooseBeatUnit(4); }
void TMainForm::rdoCrocheClick() { ChooseBeatUnit(8); }
void TMainForm::rdoDoubleClick() { ChooseBeatUnit(16); }

// The dialog's OK applies the choice itself, and the activation that
// follows the dialog applies the saved one.
void TMainForm::Prferences1Click() {
    if (TopMost1().OnTop()) TopMost1().SetOnTop(false);
    frmPreferences->ShowModal();
}

void TMainForm::N1Sommairedelaide1Click() { Host().HelpCommand(HELP_CONTEXT, kContentsTopic); }

void TMainForm::mnuAProposDeClick() {
    const bool wasOnTop = TopMost1().OnTop();
    if (wasOnTop) TopMost1().SetOnTop(false);
    frmAProposDe->ShowModal();
    if (wasOnTop) TopMost1().SetOnTop(true);
}

// Quit always ends the program: the window has no other way out. A place
// that cannot be saved is reported, and only the place is lost.
void TMainForm::cmdQuitterClick() {
    tk::Guarded([this] { SauvePosition(); });
    Host().Terminate();
}

}  // namespace rytmalo
