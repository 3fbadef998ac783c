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

class TRegAppUserConfig;
class TTopMost;

class TMainForm : public TGradientForm {
public:
    explicit TMainForm(tk::TApplication& application);

    // Computes the ten delays for the tempo and the current beat unit and
    // shows them; tempo 0 raises the division by zero and changes nothing.
    void CalculDelais(float tempo);

    // Writes the window's place, for the next start to open there.
    void SauvePosition();

    // The note value that counts as the beat (2, 4, 8 or 16).
    BeatUnit UniteTemps = 0;

    // The window's components, made by its layout.
    TRegAppUserConfig& RegApp() const;
    TTopMost& TopMost1() const;

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
    POINT PlaceToSave() const;
    // Brings the window onto the nearest screen when no screen shows any of
    // it.
    void KeepOnScreen();

    tk::TEdit* txtTempo = nullptr;
    std::array<tk::TLabel*, kDelayCount> valueLabels{};
};

}  // namespace rytmalo
