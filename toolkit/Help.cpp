#include "toolkit/Help.h"

namespace tk {

bool WinHelpService(HWND owner, const std::wstring& file, UINT command, ULONG_PTR data) {
    return WinHelpW(owner, file.c_str(), command, data) != FALSE;
}

}  // namespace tk
