// The help's topic numbers, one name each: the windows' layouts, the menu
// commands and the help's own topics all use these.
#pragma once

namespace rytmalo {

inline constexpr int kContentsTopic = 10;  // the main window, the help's contents
inline constexpr int kTempoHelp = 11;
inline constexpr int kPreferencesHelp = 13;
inline constexpr int kStayOnTopHelp = 14;
inline constexpr int kBeatUnitHelp = 21;
inline constexpr int kTapHelp = 22;
inline constexpr int kDelayHelp = 23;
inline constexpr int kTemposHelp = 24;
inline constexpr int kTableHelp = 25;
inline constexpr int kQuitHelp = 260;
inline constexpr int kOptionsMenuHelp = 270;
inline constexpr int kPreferencesCommandHelp = 280;
inline constexpr int kDetailCommandHelp = 285;
inline constexpr int kHelpMenuHelp = 290;
inline constexpr int kAboutHelp = 300;

}  // namespace rytmalo
