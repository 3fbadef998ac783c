// The main window: tempo box, beat unit, the ten delays, Quit.
#pragma once

#include <array>
#include <cstdint>

#include "app/DelayTable.h"
#include "components/GradForm.h"

namespace tk {
class TApplication;
class TEdit;
class TLabel;
class TRadioButton;
}  // namespace tk

namespace rytmalo {

class TMainForm : public TGradientForm {
public:
    explicit TMainForm(tk::TApplication& application);

    // Computes the ten delays for the tempo and the current beat unit and
    // shows them; tempo 0 raises the division by zero and changes nothing.
    void CalculDelais(float tempo);

    // The note value that counts as the beat (2, 4, 8 or 16).
    BeatUnit UniteTemps = 0;

private:
    void Bind() override;

    void FormCreate();
    void FormActivate();
    void txtTempoKeyDown(WORD& key);
    void rdoRondeClick();
    void rdoNoireClick();
    void rdoCrocheClick();
    void rdoDoubleClick();
    void Prferences1Click();
    void N1Sommairedelaide1Click();
    void mnuAProposDeClick();
    void cmdQuitterClick();

    void ChooseBeatUnit(BeatUnit unit);

    tk::TEdit* txtTempo = nullptr;
    std::array<tk::TLabel*, kDelayCount> valueLabels{};
};

}  // namespace rytmalo
