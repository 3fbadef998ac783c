// The program's forms, created once at start-up by the application in this
// order, and kept until it ends.
#pragma once

namespace rytmalo {

class TMainForm;
class TfrmAProposDe;
class TfrmPreferences;

extern TMainForm* MainForm;
extern TfrmAProposDe* frmAProposDe;
extern TfrmPreferences* frmPreferences;

}  // namespace rytmalo
