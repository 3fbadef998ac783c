#include "app/About.h"

#include "app/AboutLayout.h"
#include "app/Forms.h"
#include "toolkit/Application.h"

namespace rytmalo {

TfrmAProposDe* frmAProposDe = nullptr;

TfrmAProposDe::TfrmAProposDe(tk::TApplication& application) : TForm(&application, AboutLayout()) {}

}  // namespace rytmalo
