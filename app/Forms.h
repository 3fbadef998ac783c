// The program's forms, created once at start-up by the application.
#pragma once

namespace rytmalo {

class TMainForm;

extern TMainForm* MainForm;

}  // namespace rytmalo
