// What the detailed view remembers between starts, under the program's
// settings key: the page shown, every division or not, the time signature,
// the reverb's pre-delay, the two sample rates and the delay's unit.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/DelayInput.h"
#include "core/Reverb.h"
#include "core/SampleRates.h"
#include "core/TimeSignature.h"

namespace rytmalo {

class TRegApp;

inline constexpr wchar_t kPageSetting[] = L"PageDetail";
inline constexpr wchar_t kAllDivisionsSetting[] = L"ToutesDivisions";
inline constexpr wchar_t kNumeratorSetting[] = L"MesureHaut";
inline constexpr wchar_t kDenominatorSetting[] = L"MesureBas";
inline constexpr wchar_t kPreDelaySetting[] = L"PreDelai";
inline constexpr wchar_t kFirstRateSetting[] = L"Echantillons1";
inline constexpr wchar_t kSecondRateSetting[] = L"Echantillons2";
inline constexpr wchar_t kDelayUnitSetting[] = L"UniteDelai";

inline constexpr int kPageCount = 4;

struct DetailSettings {
    int page = 0;  // 0 Valeurs, 1 Mesures, 2 Mixage, 3 Image
    bool allDivisions = false;
    TimeSignature signature;
    PreDelay preDelay = PreDelay::BySize;
    SampleRates rates;
    DelayUnit delayUnit = DelayUnit::Milliseconds;
    bool operator==(const DetailSettings&) const = default;
};

// The settings as stored. A value of the wrong type or out of range is
// reported, once, through the error report, and its default kept (a bad
// half of the signature gives 4/4); nothing stored is changed.
DetailSettings ReadDetailSettings(TRegApp& store);

// Writes one setting at once; a failure is reported to the caller.
void SaveDetailSetting(TRegApp& store, std::wstring_view name, std::int32_t value);

}  // namespace rytmalo
