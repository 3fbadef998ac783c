// What the detailed view remembers between starts, under the program's
// settings key: whether it is shown, the page shown, every division or
// not, the time signature, the reverb's pre-delay, the two sample rates
// and the delay's unit. Each stored value is one row of a table, which
// reading, repairing and saving all go through.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/DetailPageId.h"
#include "core/DelayInput.h"
#include "core/ExactTempo.h"
#include "core/LoopLength.h"
#include "core/Swing.h"
#include "core/TempoChange.h"
#include "core/Reverb.h"
#include "core/SampleRates.h"
#include "core/TimeSignature.h"

namespace rytmalo {

struct DetailSettings {
    bool shown = false;
    PageId page = PageId::Values;
    bool allDivisions = false;
    TimeSignature signature;
    PreDelay preDelay = PreDelay::BySize;
    SampleRates rates;
    DelayUnit delayUnit = DelayUnit::Milliseconds;
    // The page "Boucles": the unit of a loop's length, the tempo to change
    // to (hundredths of a beat per minute; 0, none), a shift (hundredths of
    // a semitone; 0, none), the swing (hundredths of a percent).
    LengthUnit lengthUnit = LengthUnit::Milliseconds;
    ExactTempo targetTempo = 0;
    std::int32_t shift = 0;
    std::int32_t swing = 6000;
    bool operator==(const DetailSettings&) const = default;
};

// One stored value: its registry name, what a user calls it, the member it
// holds (read and written as a number), the numbers it takes; its default
// is that member's in a DetailSettings made anew.
struct SettingRow {
    std::wstring_view name;
    std::wstring_view what;  // "l'unité du délai"
    std::int32_t (*get)(const DetailSettings& settings);
    void (*set)(DetailSettings& settings, std::int32_t value);
    bool (*takes)(std::int32_t stored);
    // Rows of one group are one setting, saved and reset together: half of
    // a time signature read back with the other half of another would be a
    // third.
    int group;
    // A change of it changes figures on the pages.
    bool figures;
};

std::span<const SettingRow> DetailSettingRows();
// The row of a registry name; nullptr for a name that is none.
const SettingRow* FindSettingRow(std::wstring_view name);
std::int32_t DefaultOf(const SettingRow& row);

// The rows whose values differ between two settings, with the rest of
// their groups: what a change saves.
std::vector<const SettingRow*> ChangedRows(const DetailSettings& before,
                                           const DetailSettings& after);
// The rows of the groups of some rows, in table order.
std::vector<const SettingRow*> WholeGroups(const std::vector<const SettingRow*>& rows);

// What the user is told once when stored values could not be used: which
// settings took their defaults again.
std::wstring ResetNotice(const std::vector<const SettingRow*>& reset);

}  // namespace rytmalo
