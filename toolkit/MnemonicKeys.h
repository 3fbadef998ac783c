// The keys of a mnemonic (Alt and a letter) that a form used are the
// mnemonic's alone. Left to the default window procedure, the release of Alt
// would open the menu bar when Alt is let go before the letter (Wine takes it
// for a lone Alt: the procedure never saw the letter), and a repeated letter
// would reach the menu bar as a character.
#pragma once

#include "toolkit/Win.h"

namespace tk {

class MnemonicKeys {
public:
    // Alt and a key went down: noted before a form acts on them, since the
    // action may run a modal loop that receives the rest of the keys.
    void Pressed(const MSG& keyDown) { key_ = keyDown.wParam; }
    // A form used the key just pressed.
    void Used(const MSG& keyDown);
    // No form used the key just pressed.
    void Unused() { key_ = 0; }
    // True for a message of the used mnemonic, to keep from every window:
    // the letter's repeats and characters while Alt is down, and the release
    // of Alt.
    bool Consumes(const MSG& msg);

private:
    // The letter of the mnemonic used since Alt went down; 0 for none.
    WPARAM key_ = 0;
};

}  // namespace tk
