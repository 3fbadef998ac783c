// The detailed view's settings in the program's store: read once at
// start, every bad value (of the wrong type or out of range) given its
// default again, stored, and told to the user in one notice; each change
// saved as it is made.
#pragma once

#include <string>
#include <vector>

#include "app/DetailSettings.h"

namespace rytmalo {

class TRegApp;

struct StoredSettings {
    DetailSettings settings;
    // The rows whose stored values could not be used, whole groups.
    std::vector<const SettingRow*> reset;
};

// The settings as stored; a bad value's group takes its defaults. Nothing
// is written.
StoredSettings ReadDetailSettings(TRegApp& store);

// The defaults of the rows reset, written back so that the next start
// finds good values.
void StoreDefaults(TRegApp& store, const std::vector<const SettingRow*>& reset);

// Writes one setting's value.
void SaveSetting(TRegApp& store, const SettingRow& row, std::int32_t value);

// Writes what changed between two settings (whole groups); a failure is
// raised to the caller.
void SaveDetailSettings(TRegApp& store, const DetailSettings& before, const DetailSettings& after);

}  // namespace rytmalo
