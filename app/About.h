// The about box: the program's name and what it does; OK or the close box
// ends it.
#pragma once

#include "toolkit/Form.h"

namespace tk {
class TApplication;
}

namespace rytmalo {

class TfrmAProposDe : public tk::TForm {
public:
    explicit TfrmAProposDe(tk::TApplication& application);
};

}  // namespace rytmalo
