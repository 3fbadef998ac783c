// Where the application's help requests go: by default the Windows help
// engine; a test or another help viewer can take its place.
#pragma once

#include <functional>
#include <string>

#include "toolkit/Win.h"

namespace tk {

using HelpService =
    std::function<bool(HWND owner, const std::wstring& file, UINT command, ULONG_PTR data)>;

// Hands the request to WinHelp unchanged.
bool WinHelpService(HWND owner, const std::wstring& file, UINT command, ULONG_PTR data);

}  // namespace tk
