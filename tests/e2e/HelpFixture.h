// The program's help as another program sees it: the help window and the
// pop-up it shows itself, and the help file put in place for the Windows
// help engine.
#pragma once

#include <string>

#include <windows.h>

#include "help/HelpTopics.h"
#include "help/HelpViewNames.h"
#include "driver/Driver.h"

namespace rytmalo::e2e {

inline const std::wstring kHelpFolder = L"C:\\Program Files\\HelpScribble";
inline const std::wstring kHelpFilePath = kHelpFolder + L"\\Rytmalo95.hlp";

// The help file at its fixed place for as long as the object lives.
class HelpFileInPlace {
public:
    HelpFileInPlace() {
        folderMade_ = CreateDirectoryW(kHelpFolder.c_str(), nullptr) != FALSE;
        HANDLE file = CreateFileW(kHelpFilePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, "?_\3\0", 4, &written, nullptr);
            CloseHandle(file);
        }
    }
    ~HelpFileInPlace() {
        DeleteFileW(kHelpFilePath.c_str());
        if (folderMade_) RemoveDirectoryW(kHelpFolder.c_str());
    }
    HelpFileInPlace(const HelpFileInPlace&) = delete;
    HelpFileInPlace& operator=(const HelpFileInPlace&) = delete;

private:
    bool folderMade_ = false;
};

// The program's help window, once visible.
inline HWND WaitForHelpWindow(DWORD pid, DWORD timeoutMs = 10000) {
    return driver::WaitForTopLevel(pid, kHelpWindowClass, timeoutMs);
}
inline HWND WaitForHelpPopup(DWORD pid, DWORD timeoutMs = 10000) {
    return driver::WaitForTopLevel(pid, kHelpPopupClass, timeoutMs);
}
inline std::wstring HelpTitle(HWND window) {
    return driver::TextOf(GetDlgItem(window, kHelpTitleId));
}
inline std::wstring HelpText(HWND window) {
    return driver::TextOf(GetDlgItem(window, kHelpTextId));
}

inline const HelpTopic& Topic(int context) {
    static const HelpTopic none{0, L"", L""};
    const HelpTopic* topic = FindHelpTopic(context);
    return topic ? *topic : none;
}

}  // namespace rytmalo::e2e
