#include "app/MainForm.h"

#include <string>

#include "app/Forms.h"
#include "app/MainFormLayout.h"
#include "app/TempoText.h"
#include "toolkit/Application.h"
#include "toolkit/CheckControls.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/MessageDlg.h"

namespace rytmalo {

TMainForm* MainForm = nullptr;

namespace {

constexpr int kContentsTopic = 10;
constexpr int kMinTempo = 10;
constexpr int kMaxTempo = 250;

}  // namespace

TMainForm::TMainForm(tk::TApplication& application)
    : TGradientForm(&application, MainFormLayout()) {
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
}

void TMainForm::Bind() {
    txtTempo = &Find<tk::TEdit>("txtTempo");
    for (std::size_t i = 0; i < kDelayCount; ++i) valueLabels[i] = &Find<tk::TLabel>(kValueLabels[i]);

    txtTempo->OnKeyDown = [this](WORD& key) { txtTempoKeyDown(key); };
    Find<tk::TRadioButton>("rdoRonde").OnClick = [this] { rdoRondeClick(); };
    Find<tk::TRadioButton>("rdoNoire").OnClick = [this] { rdoNoireClick(); };
    Find<tk::TRadioButton>("rdoCroche").OnClick = [this] { rdoCrocheClick(); };
    Find<tk::TRadioButton>("rdoDouble").OnClick = [this] { rdoDoubleClick(); };
    Find<tk::TControl>("cmdQuitter").OnClick = [this] { cmdQuitterClick(); };
    Find<tk::TMenuItem>("Prferences1").OnClick = [this] { Prferences1Click(); };
    Find<tk::TMenuItem>("N1Sommairedelaide1").OnClick = [this] { N1Sommairedelaide1Click(); };
    Find<tk::TMenuItem>("mnuAProposDe").OnClick = [this] { mnuAProposDeClick(); };
}

void TMainForm::FormCreate() {
    SetCaption(L"Rytmalo 95");
    UniteTemps = 4;
}

void TMainForm::FormActivate() {}

void TMainForm::CalculDelais(float tempo) {
    const auto delays = ComputeDelays(tempo, UniteTemps);
    if (!delays) throw tk::EZeroDivide();
    for (std::size_t i = 0; i < kDelayCount; ++i) {
        valueLabels[i]->SetCaption(std::to_wstring((*delays)[i]));
    }
}

void TMainForm::txtTempoKeyDown(WORD& key) {
    if (key == VK_RETURN) {
        const std::int32_t tempo = TempoTextToInt(txtTempo->Text());
        if (tempo >= kMinTempo && tempo <= kMaxTempo) {
            CalculDelais(static_cast<float>(tempo));
        } else {
            tk::MessageDlg(L"La plage de valeurs de Tempo doit être comprise entre 10 et 250 ...",
                           tk::MsgDlgType::Warning, MB_OK);
            txtTempo->SetText(L"");
        }
    } else if (key == VK_ESCAPE) {
        txtTempo->SetText(L"");
    }
}

void TMainForm::ChooseBeatUnit(BeatUnit unit) {
    UniteTemps = unit;
    const std::wstring text = txtTempo->Text();
    if (!text.empty()) CalculDelais(static_cast<float>(TempoTextToInt(text)));
}

void TMainForm::rdoRondeClick() { ChooseBeatUnit(2); }
void TMainForm::rdoNoireClick() { ChooseBeatUnit(4); }
void TMainForm::rdoCrocheClick() { ChooseBeatUnit(8); }
void TMainForm::rdoDoubleClick() { ChooseBeatUnit(16); }

void TMainForm::Prferences1Click() {}

void TMainForm::N1Sommairedelaide1Click() { tk::Application->HelpContext(kContentsTopic); }

void TMainForm::mnuAProposDeClick() {}

void TMainForm::cmdQuitterClick() { tk::Application->Terminate(); }

}  // namespace rytmalo
