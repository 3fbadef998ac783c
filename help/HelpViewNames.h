// How the program's help windows can be found from outside (by tests, by
// accessibility tools): window classes and control identifiers.
#pragma once

namespace rytmalo {

// The help window: the topic's title, its text, a Close button.
inline constexpr wchar_t kHelpWindowClass[] = L"TRytmaloHelp";
inline constexpr int kHelpTitleId = 100;
inline constexpr int kHelpTextId = 101;
inline constexpr int kHelpCloseId = 2;  // IDCANCEL
// The pop-up: its window text is the topic's text.
inline constexpr wchar_t kHelpPopupClass[] = L"TRytmaloHelpPopup";

}  // namespace rytmalo
