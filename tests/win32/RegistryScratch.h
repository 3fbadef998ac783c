// Registry keys made for a test and removed after it, and raw access to
// values as any other program sees them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Win.h"

namespace rytmalo::testing {

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<unsigned char> data;
};

inline bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline void DeleteTree(HKEY root, const std::wstring& path) {
    RegDeleteTreeW(root, path.c_str());
    RegDeleteKeyW(root, path.c_str());
}

inline std::optional<RawValue> ReadRaw(HKEY root, const std::wstring& path,
                                       const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    std::optional<RawValue> result;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.data.resize(size);
        if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(), &size) ==
            ERROR_SUCCESS) {
            value.data.resize(size);
            result = value;
        }
    }
    RegCloseKey(key);
    return result;
}

inline void WriteRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
                     const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

inline RawValue Text(const std::wstring& text, DWORD type = REG_SZ) {
    RawValue v{type, {}};
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
    v.data.assign(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
    return v;
}

inline RawValue Dword(DWORD value) {
    RawValue v{REG_DWORD, {}};
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    v.data.assign(bytes, bytes + sizeof value);
    return v;
}

inline bool operator==(const RawValue& a, const RawValue& b) {
    return a.type == b.type && a.data == b.data;
}

inline void PrintTo(const RawValue& v, std::ostream* os) {
    *os << "type " << v.type << ", " << v.data.size() << " bytes";
}

// Names of the sub-keys, as stored (with their case).
inline std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& path) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = 256;
        if (RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    RegCloseKey(key);
    return names;
}

inline DWORD ValueCount(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD count = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
}

// A key of the test's own below a root, removed with everything below it
// when the object goes (and before, should an earlier run have left it).
class ScratchKey {
public:
    ScratchKey(HKEY root, std::wstring path, DWORD options = REG_OPTION_NON_VOLATILE)
        : root_(root), path_(std::move(path)) {
        DeleteTree(root_, path_);
        RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
    }
    ~ScratchKey() {
        if (key_) RegCloseKey(key_);
        DeleteTree(root_, path_);
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    HKEY Handle() const { return key_; }
    const std::wstring& Path() const { return path_; }

private:
    HKEY root_;
    std::wstring path_;
    HKEY key_ = nullptr;
};

// Removes a key made by the code under test, unless it was there before.
class LeftBehind {
public:
    LeftBehind(HKEY root, std::wstring path)
        : root_(root), path_(std::move(path)), existed_(KeyExists(root_, path_)) {}
    ~LeftBehind() {
        if (!existed_) DeleteTree(root_, path_);
    }
    LeftBehind(const LeftBehind&) = delete;
    LeftBehind& operator=(const LeftBehind&) = delete;

private:
    HKEY root_;
    std::wstring path_;
    bool existed_;
};

}  // namespace rytmalo::testing
