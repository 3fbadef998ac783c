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
inline constexpr int kStepHelp = 26;  // ×2 and ÷2
inline constexpr int kExactTempoHelp = 27;
inline constexpr int kDelayUnitHelp = 28;
inline constexpr int kPagesHelp = 29;
inline constexpr int kDivisionsHelp = 30;
inline constexpr int kSampleRatesHelp = 31;
inline constexpr int kBarsHelp = 32;
inline constexpr int kMixingHelp = 33;
inline constexpr int kPictureHelp = 34;
inline constexpr int kLoopsHelp = 35;
inline constexpr int kLengthHelp = 36;
inline constexpr int kTargetTempoHelp = 37;
inline constexpr int kShiftHelp = 38;
inline constexpr int kSwingHelp = 39;
inline constexpr int kLfoHelp = 40;
inline constexpr int kQuitHelp = 260;
inline constexpr int kOptionsMenuHelp = 270;
inline constexpr int kPreferencesCommandHelp = 280;
inline constexpr int kDetailCommandHelp = 285;
inline constexpr int kHelpMenuHelp = 290;
inline constexpr int kAboutHelp = 300;

}  // namespace rytmalo
