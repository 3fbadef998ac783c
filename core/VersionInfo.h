// Reads a version resource (VS_VERSIONINFO) from its bytes: the fixed file
// version and the string values of its string tables. No window needed.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

namespace rytmalo {

struct VersionInfo {
    // Major, minor, build, revision.
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    // "CompanyName", "ProductName", ... of every string table.
    std::map<std::u16string, std::u16string> strings;
};

// Nothing when the bytes are no version resource.
std::optional<VersionInfo> ParseVersionInfo(std::span<const std::uint8_t> data);

// The winhlp32.exe that Windows Vista and later ship only says that the
// help engine is missing; its version resource names it a stub.
bool IsWinHelpStub(const VersionInfo& info);

}  // namespace rytmalo
