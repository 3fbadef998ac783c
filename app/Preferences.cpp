#include "app/Preferences.h"

#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/PreferencesLayout.h"
#include "components/RegApp.h"
#include "components/TopMost.h"
#include "toolkit/Application.h"
#include "toolkit/CheckControls.h"

namespace rytmalo {

TfrmPreferences* frmPreferences = nullptr;

namespace {

// Whether the check box has reported a click since the dialog was made or
// last confirmed: Annuler then reads the saved choice back. The dialog's
// own, kept for the program's one dialog.
bool OptionsChanged = false;

// The existence test and the accesses spell the value differently; the
// registry does not tell them apart.
constexpr wchar_t kTopMostExists[] = L"Topmost";
constexpr wchar_t kTopMost[] = L"TopMost";

}  // namespace

TfrmPreferences::TfrmPreferences(tk::TApplication& application)
    : TForm(&application, PreferencesLayout()) {
    OnCreate = [this] { FormCreate(); };
}

TRegAppUserConfig& TfrmPreferences::RegApp2() const { return Find<TRegAppUserConfig>("RegApp2"); }

void TfrmPreferences::Bind() {
    chkFenetrePersistente = &Find<tk::TCheckBox>("chkFenetrePersistente");
    chkFenetrePersistente->OnClick = [this] { chkFenetrePersistenteClick(); };
    Find<tk::TControl>("cmdOK").OnClick = [this] { cmdOKClick(); };
    Find<tk::TControl>("cmdAnnuler").OnClick = [this] { cmdAnnulerClick(); };
}

// The store stays open until the first OK, or the first Annuler that finds
// the box changed.
void TfrmPreferences::FormCreate() {
    OptionsChanged = false;
    RegApp2().SetActive(true);
    if (RegApp2().HasValue(kTopMostExists))
        chkFenetrePersistente->SetChecked(RegApp2().ReadBoolValue(kTopMost));
}

void TfrmPreferences::chkFenetrePersistenteClick() { OptionsChanged = true; }

// The main window follows the box at once, before the choice is saved: a
// failing write leaves the dialog open with the choice already applied.
void TfrmPreferences::cmdOKClick() {
    const bool choice = chkFenetrePersistente->Checked();
    MainForm->TopMost1().SetOnTop(choice);
    RegApp2().SetActive(true);
    RegApp2().WriteBoolValue(kTopMost, choice);
    RegApp2().SetActive(false);
    OptionsChanged = false;
    SetModalResult(tk::mrOk);
}

// Nothing is applied here: the main window applies the saved choice when it
// is activated again.
void TfrmPreferences::cmdAnnulerClick() {
    if (OptionsChanged) {
        RegApp2().SetActive(true);
        if (RegApp2().HasValue(kTopMostExists))
            chkFenetrePersistente->SetChecked(RegApp2().ReadBoolValue(kTopMost));
        RegApp2().SetActive(false);
    }
    SetModalResult(tk::mrCancel);
}

}  // namespace rytmalo
