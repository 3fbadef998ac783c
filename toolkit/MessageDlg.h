// Message boxes of the program: a caption by kind, the kind's icon, centred
// on the screen, modal to the active window.
#pragma once

#include <string_view>

#include "toolkit/Win.h"

namespace tk {

enum class MsgDlgType { Warning, Error, Information, Confirmation };

class FormHost;

// Returns the button pressed (IDOK, ...). buttons: MB_OK, MB_OKCANCEL, ...
int MessageDlg(FormHost& program, std::wstring_view text, MsgDlgType type, UINT buttons = MB_OK);

// A message box centred on the screen, owned by the active window of the
// program.
int CenteredMessageBox(FormHost& program, std::wstring_view text, std::wstring_view caption,
                       UINT flags);

}  // namespace tk
