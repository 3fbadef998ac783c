// The preferences dialog: whether the main window stays above all others.
// The choice is applied and saved on OK; Annuler shows the saved choice
// again when the box was changed.
#pragma once

#include "toolkit/Form.h"

namespace tk {
class TApplication;
class TCheckBox;
}  // namespace tk

namespace rytmalo {

class TRegAppUserConfig;

class TfrmPreferences : public tk::TForm {
public:
    explicit TfrmPreferences(tk::TApplication& application);

    TRegAppUserConfig& RegApp2() const;

private:
    void Bind() override;

    void FormCreate();
    void chkFenetrePersistenteClick();
    void cmdOKClick();
    void cmdAnnulerClick();

    tk::TCheckBox* chkFenetrePersistente = nullptr;
};

}  // namespace rytmalo
