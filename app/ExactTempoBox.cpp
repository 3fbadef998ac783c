#include "app/ExactTempoBox.h"

#include "app/DetailText.h"
#include "core/TempoRange.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/MessageDlg.h"

namespace rytmalo {

ExactTempoBox::ExactTempoBox(tk::TForm& form, const tk::NumberStyle& numbers, EnterTempo enterTempo)
    : form_(form),
      numbers_(numbers),
      enterTempo_(std::move(enterTempo)),
      box_(form.Find<tk::TEdit>("txtTempoExact")) {
    box_.OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) Take();
        if (key == VK_ESCAPE) {
            box_.SetText(shown_ ? TempoText(*shown_, numbers_) : L"");
            SendMessageW(box_.Handle(), EM_SETSEL, 0, -1);
        }
    };
}

void ExactTempoBox::TempoShown(std::optional<ExactTempo> tempo) {
    shown_ = tempo;
    if (tempo) box_.SetText(TempoText(*tempo, numbers_));
}

void ExactTempoBox::Take() {
    const std::optional<ExactTempo> tempo = ParseTempo(box_.Text(), numbers_);
    if (!tempo) {
        tk::MessageDlg(form_.Host(),
                       L"Le tempo exact doit être un nombre " + TempoRangeText() +
                           L", par exemple 117" + numbers_.decimal + L"55.",
                       tk::MsgDlgType::Warning, MB_OK);
        return;
    }
    enterTempo_(*tempo);
}

}  // namespace rytmalo
