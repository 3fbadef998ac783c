#include "core/VersionInfo.h"

#include "core/Exception.h"

#include <algorithm>

namespace rytmalo {
namespace {

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
// A version resource nests four levels (root, file info, string table,
// string); deeper blocks are no version resource, and following them would
// let a crafted file run the reader out of stack.
constexpr int kMaxDepth = 8;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

    std::optional<std::uint16_t> Word(std::size_t at) const {
        if (at + 2 > data_.size()) return std::nullopt;
        return static_cast<std::uint16_t>(data_[at] | (data_[at + 1] << 8));
    }
    std::optional<std::uint32_t> Dword(std::size_t at) const {
        const auto low = Word(at);
        const auto high = Word(at + 2);
        if (!low || !high) return std::nullopt;
        return *low | (static_cast<std::uint32_t>(*high) << 16);
    }
    // A zero-terminated UTF-16 string from at, no further than end; sets
    // after to the position behind the zero.
    std::optional<std::u16string> String(std::size_t at, std::size_t end,
                                         std::size_t& after) const {
        std::u16string s;
        for (std::size_t p = at; p + 2 <= end; p += 2) {
            const char16_t c = static_cast<char16_t>(*Word(p));
            if (c == 0) {
                after = p + 2;
                return s;
            }
            s.push_back(c);
        }
        return std::nullopt;
    }

private:
    std::span<const std::uint8_t> data_;
};

constexpr std::size_t Align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

// One block: its length, key, value and children. Children of a
// "StringFileInfo" block are string tables, whose children are the values.
bool ParseBlock(const Reader& r, std::size_t at, std::size_t limit, int depth, bool inStrings,
                VersionInfo& info) {
    if (depth > kMaxDepth) return false;
    const auto length = r.Word(at);
    const auto valueLength = r.Word(at + 2);
    const auto type = r.Word(at + 4);
    if (!length || !valueLength || !type || *length < 6 || at + *length > limit) return false;
    const std::size_t end = at + *length;
    std::size_t afterKey = 0;
    const auto key = r.String(at + 6, end, afterKey);
    if (!key) return false;
    std::size_t value = Align4(afterKey);
    // Text values count characters, binary ones bytes.
    const std::size_t valueBytes = *type == 1 ? *valueLength * 2u : *valueLength;
    if (value + valueBytes > end) return false;

    if (depth == 0) {
        if (*key != u"VS_VERSION_INFO") return false;
        if (valueBytes >= 52 && r.Dword(value) == kFixedSignature) {
            const auto part = [&](std::size_t offset) { return *r.Dword(value + offset); };
            const std::uint32_t fileMs = part(8), fileLs = part(12);
            const std::uint32_t productMs = part(16), productLs = part(20);
            info.fileVersion = {
                static_cast<std::uint16_t>(fileMs >> 16), static_cast<std::uint16_t>(fileMs),
                static_cast<std::uint16_t>(fileLs >> 16), static_cast<std::uint16_t>(fileLs)};
            info.productVersion = {
                static_cast<std::uint16_t>(productMs >> 16), static_cast<std::uint16_t>(productMs),
                static_cast<std::uint16_t>(productLs >> 16), static_cast<std::uint16_t>(productLs)};
        }
    } else if (inStrings && depth == 3) {
        std::size_t after = 0;
        const auto text =
            valueBytes ? r.String(value, value + valueBytes, after) : std::u16string();
        info.strings.Set(*key, text.value_or(std::u16string()));
        return true;
    }

    const bool strings = depth == 1 ? *key == u"StringFileInfo" : inStrings;
    for (std::size_t child = Align4(value + valueBytes); child + 6 <= end;) {
        const auto childLength = r.Word(child);
        if (!childLength || *childLength == 0) break;
        if (!ParseBlock(r, child, end, depth + 1, strings, info)) return false;
        child = Align4(child + *childLength);
    }
    return true;
}

std::u16string Upper(std::u16string s) {
    for (char16_t& c : s) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return s;
}

}  // namespace

void VersionStrings::Set(std::u16string name, std::u16string value) {
    for (auto& [known, was] : values_) {
        if (known == name) {
            was = std::move(value);
            return;
        }
    }
    values_.emplace_back(std::move(name), std::move(value));
}

const std::u16string* VersionStrings::Find(std::u16string_view name) const {
    for (const auto& [known, value] : values_) {
        if (known == name) return &value;
    }
    return nullptr;
}

const std::u16string& VersionStrings::at(std::u16string_view name) const {
    if (const std::u16string* value = Find(name)) return *value;
    throw tk::ProgrammingError({"no such version string"});
}

std::optional<VersionInfo> ParseVersionInfo(std::span<const std::uint8_t> data) {
    VersionInfo info;
    if (!ParseBlock(Reader(data), 0, data.size(), 0, false, info)) return std::nullopt;
    return info;
}

bool IsWinHelpStub(const VersionInfo& info) {
    const auto value = [&](const char16_t* key) {
        const std::u16string* found = info.strings.Find(key);
        return found ? Upper(*found) : std::u16string();
    };
    return value(u"OriginalFilename") == u"WINHSTB.EXE" ||
           value(u"FileDescription").find(u"STUB") != std::u16string::npos;
}

}  // namespace rytmalo
