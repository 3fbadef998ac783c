// The main window: tempo box, beat unit, the ten delays, Quit.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/DetailSettings.h"
#include "components/GradForm.h"
#include "core/DelayTable.h"

namespace tk {
class TApplication;
class TEdit;
class TLabel;
class TRadioButton;
}  // namespace tk

namespace rytmalo {

class DetailView;
class TRegAppUserConfig;
class TTopMost;

class TMainForm : public TGradientForm {
public:
    explicit TMainForm(tk::TApplication& application);
    ~TMainForm() override;

    // Computes the ten delays for the tempo and the current beat unit and
    // shows them; tempo 0 raises the division by zero and changes nothing.
    void CalculDelais(float tempo);

    // Writes the window's place, for the next start to open there.
    void SauvePosition();

    // The detailed view below the usual content: made the first time it is
    // shown; the window grows to hold it and shrinks back.
    bool DetailViewShown() const;
    void ShowDetailView(bool show);

    // The window's components, made by its layout.
    TRegAppUserConfig& RegApp() const;
    TTopMost& TopMost1() const;

protected:
    void WndProc(tk::Message& m) override;
    void DpiChanged(int oldDpi) override;

private:
    void Bind() override;

    void FormCreate();
    void ReadViewSettings();
    void FormActivate();
    void txtTempoKeyDown(WORD& key);
    // rdoRonde is the half-note button: the names of the four buttons are
    // the ones other programs and the help know them by.
    void rdoRondeClick();
    void rdoNoireClick();
    void rdoCrocheClick();
    void rdoDoubleClick();
    void Prferences1Click();
    void N1Sommairedelaide1Click();
    void mnuAProposDeClick();
    void mnuTableauDetailleClick();
    void cmdQuitterClick();
    void CopyValues();
    // The context menu of a value label or of the detailed table.
    bool ContextMenu(HWND window, POINT screen);

    // Puts a tempo in the tempo box and computes for it, as Enter does for
    // a tempo the box accepts.
    void EnterTempo(std::int32_t tempo);
    void ChooseBeatUnit(BeatUnit unit);
    // Gives the detailed view the width it needs and the height the work
    // area leaves it.
    void FitDetailView();

    // The note value that counts as the beat (2, 4, 8 or 16); what needs it
    // is told it.
    BeatUnit UniteTemps = 0;
    tk::TEdit* txtTempo = nullptr;
    std::array<tk::TLabel*, kDelayCount> valueLabels{};
    // The detailed view's settings as read at start, until it is made.
    DetailSettings viewSettings_;
    std::unique_ptr<DetailView> detailView_;
    // The tempo and unit of the ten values shown, once computed.
    std::optional<std::pair<std::int32_t, BeatUnit>> shownFigures_;
};

}  // namespace rytmalo
