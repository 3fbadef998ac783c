#include "app/TapRow.h"

#include "app/DetailText.h"
#include "app/DetailViewLayout.h"
#include "core/TempoRange.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace rytmalo {

TapRow::TapRow(tk::TForm& form, const tk::NumberStyle& numbers, EnterTempo enterTempo)
    : numbers_(numbers),
      enterTempo_(std::move(enterTempo)),
      button_(form.Find<tk::TButton>("cmdTaper")),
      said_(form.Find<tk::TLabel>("lblTempoTape")) {
    button_.OnPress = [this](DWORD time) { Beat(time); };
    button_.OnKeyDown = [this](WORD& key) {
        if (key == VK_BACK || key == VK_ESCAPE) Reset();
    };
}

void TapRow::TempoShown(std::optional<ExactTempo> tempo) {
    if (tapped_ && tempo != tapped_) Reset();
}

void TapRow::Beat(DWORD time) {
    const std::optional<TapReading> reading = taps_.Beat(time);
    if (!reading) {
        if (!tapped_) said_.SetCaption(L"Tapez le temps suivant…");
        return;
    }
    const std::wstring said = TapText(*reading, numbers_);
    const std::optional<ExactTempo> tempo = TempoFromTap(reading->bpm);
    if (!tempo) {
        said_.SetCaption(said + L", hors de la plage " + TempoRangeText());
        return;
    }
    said_.SetCaption(said);
    tapped_ = tempo;
    enterTempo_(*tempo);
}

void TapRow::Reset() {
    taps_.Reset();
    tapped_.reset();
    said_.SetCaption(kTapPrompt);
}

}  // namespace rytmalo
