// Reads a version resource (VS_VERSIONINFO) from its bytes: the fixed file
// version and the string values of its string tables. No window needed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rytmalo {

// The string values of a version resource by their names: a dozen,
// looked through in turn. A name given twice keeps its last value.
class VersionStrings {
public:
    void Set(std::u16string name, std::u16string value);
    // nullptr for a name that is none.
    const std::u16string* Find(std::u16string_view name) const;
    // A name that is none is a programming error.
    const std::u16string& at(std::u16string_view name) const;
    std::size_t count(std::u16string_view name) const { return Find(name) ? 1 : 0; }

private:
    std::vector<std::pair<std::u16string, std::u16string>> values_;
};

struct VersionInfo {
    // Major, minor, build, revision.
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    // "CompanyName", "ProductName", ... of every string table.
    VersionStrings strings;
};

// Nothing when the bytes are no version resource.
std::optional<VersionInfo> ParseVersionInfo(std::span<const std::uint8_t> data);

// The winhlp32.exe that Windows Vista and later ship only says that the
// help engine is missing; its version resource names it a stub.
bool IsWinHelpStub(const VersionInfo& info);

}  // namespace rytmalo
