// Whether the Windows help engine can show the program's help file. Windows
// Vista and later no longer have one: their winhlp32.exe is a stub that only
// says so. Wine, and older systems, have a real one.
#pragma once

#include <optional>
#include <string>

#include "core/VersionInfo.h"
#include "toolkit/Win.h"

namespace rytmalo {

// The version resource of an executable, read as data (nothing of it runs).
std::optional<VersionInfo> ReadVersionInfo(const std::wstring& path);

// A help viewer: an executable that exists and is not the stub.
bool IsWinHelpViewer(const std::wstring& path);

// A viewer runs already (WinHelp hands its requests to the window of class
// "MS_WINHELP"), or the winhlp32.exe WinHelp would start is a viewer.
bool HasWinHelpEngine();

// The help file exists and an engine can show it.
bool WinHelpCanOpen(const std::wstring& helpFile);

}  // namespace rytmalo
