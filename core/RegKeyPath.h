// Registry key paths: where a configuration store keeps its values and where
// the shell looks up a program started by its file name. No Windows types
// here, so the rules are checked natively.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rytmalo {

// The registry root a configuration store lives under (stored in layouts as
// its ordinal).
enum TRegistryHive : std::uint8_t {
    rhCurrentUser = 0,  // HKEY_CURRENT_USER
    rhAllUsers = 1,     // HKEY_USERS, below .DEFAULT
    rhMachine = 2,      // HKEY_LOCAL_MACHINE
};

struct RegKeyNames {
    TRegistryHive hive = rhCurrentUser;
    std::wstring_view company;
    std::wstring_view applicationName;
    std::wstring_view version;
    std::wstring_view relativePath;
};

// The key below the root: [.DEFAULT\]SOFTWARE\Company\Application\Version
// [\RelativePath]. An empty company, application or version stands for
// "TESTCOMPANY", "TESTAPPLICATION" or "1.0a"; segments are taken as they are,
// so a backslash inside one adds a level.
std::wstring BuildKeyPath(const RegKeyNames& names);

// The name the shell looks a program up by: the file name of its path (after
// the last backslash or colon) with a to z in capitals and every other
// character as it is.
std::wstring AppPathsKeyName(std::wstring_view executablePath);

// The App Paths key of that program, below a root.
std::wstring AppPathsKey(std::wstring_view executablePath);

}  // namespace rytmalo
