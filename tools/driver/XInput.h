// Keys typed through the display's own input, as a user's keyboard sends
// them: under Wine they reach the program with the order and timing of the X
// server (xdotool releases the keys of "key alt+d" in the order it pressed
// them, Alt first), not those of SendInput.
#pragma once

#include <string_view>

namespace driver {

// Runs the display's input tool (named by RYTMALO_XINPUT, the host path of
// xdotool, which the virtual display's script sets) with the arguments,
// e.g. "key alt+d" or "type 375". It runs in the background: wait for the
// keys' effect, then for KeysReleased. False when the tool cannot start.
bool TypeOnDisplay(std::string_view arguments);
// No key is held down any more for the desktop: every key the display sent
// has been taken up by the program that has the focus.
bool KeysReleased();

}  // namespace driver
