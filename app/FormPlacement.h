// Where the main window goes on the screens: brought back when no screen
// shows it, moved up when it grows below its work area, and the corner its
// next start opens at. The arithmetic is the windowless core's.
#pragma once

#include "core/Geometry.h"

namespace tk {
class TForm;
}

namespace rytmalo {

// Brings the form onto the nearest monitor's work area when no monitor
// shows any of it.
void KeepOnScreen(tk::TForm& form);
// The window given more client area (96-dpi pixels) and moved, in the same
// step, only as far as it must to stay on its work area.
void ResizeInWorkArea(tk::TForm& form, int extraWidth, int extraHeight);
// The corner to save: for a maximised form, the one it goes back to.
tk::TPoint PlaceToSave(const tk::TForm& form);
// How tall the work area of the form's monitor is, in screen pixels.
int WorkAreaHeight(const tk::TForm& form);

}  // namespace rytmalo
