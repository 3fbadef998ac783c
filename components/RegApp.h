// The configuration store: typed access to the values of one registry key,
// opened on demand and closed again, and the registry accessor beneath it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/RegKeyPath.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "toolkit/Gdi.h"
#include "toolkit/Win.h"

namespace rytmalo {

// A registry failure, with its French message for the user.
class ERegistryException : public tk::Exception {
public:
    using tk::Exception::Exception;

    static ERegistryException KeyCreation(std::wstring_view keyPath);
    static ERegistryException DataRead(std::wstring_view valueName);
    static ERegistryException DataType(std::wstring_view valueName);
    static ERegistryException DataWrite(std::wstring_view valueName);
    // A value of the right type that the program cannot take.
    static ERegistryException DataValue(std::wstring_view valueName);
};

struct RegKeyDeleter {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegKeyHandle = tk::UniqueHandle<HKEY, RegKeyDeleter>;

// One open key below a root, through the Unicode registry calls: names and
// text are exact on any code page and stay readable by every other program.
class TRegistryAccess {
public:
    TRegistryAccess() = default;
    TRegistryAccess(const TRegistryAccess&) = delete;
    TRegistryAccess& operator=(const TRegistryAccess&) = delete;

    HKEY Root() const { return root_; }
    HKEY CurrentKey() const { return key_.get(); }
    const std::wstring& CurrentPath() const { return path_; }

    // Adopts another root; the open key, if any, is closed.
    void SelectRoot(HKEY root);
    // Creates the key when missing; raises the key creation error otherwise.
    void EnsureKey(const std::wstring& path);
    // Opens the key (creating it first when allowed and the path is not
    // empty). On failure nothing changes and nothing is raised.
    bool OpenPath(const std::wstring& path, bool mayCreate);
    void ClosePath();

    struct ValueInfo {
        bool exists = false;
        DWORD type = REG_NONE;
        DWORD size = 0;
    };
    ValueInfo QueryValueInfo(std::wstring_view name) const;

    bool HasValue(std::wstring_view name) const { return QueryValueInfo(name).exists; }
    bool ReadBoolValue(std::wstring_view name) const { return ReadIntegerValue(name) != 0; }
    std::int32_t ReadIntegerValue(std::wstring_view name) const;
    std::wstring ReadStringValue(std::wstring_view name) const;
    void WriteBoolValue(std::wstring_view name, bool value) {
        WriteIntegerValue(name, value ? 1 : 0);
    }
    void WriteIntegerValue(std::wstring_view name, std::int32_t value);
    void WriteStringValue(std::wstring_view name, std::wstring_view value);

private:
    HKEY root_ = HKEY_CURRENT_USER;
    RegKeyHandle key_;
    std::wstring path_;
};

// The registry root a hive names.
HKEY RootOf(TRegistryHive hive);

// The store: the key is composed from a root, a company, an application, a
// version and an optional sub-key. Every value operation on a closed store
// opens it, does its access and closes it again; a window that makes several
// accesses in a row opens it once (Active) around them.
class TRegApp : public tk::TComponent {
public:
    explicit TRegApp(tk::TComponent* owner);
    ~TRegApp() override;

    bool Active() const { return active_; }
    void SetActive(bool active);

    // Changing one of these while the store is open reopens it on the key
    // the new value names; an equal value changes nothing.
    TRegistryHive RootKey() const { return rootKey_; }
    void SetRootKey(TRegistryHive rootKey);
    const std::wstring& Company() const { return company_; }
    void SetCompany(std::wstring_view company);
    const std::wstring& ApplicationName() const { return applicationName_; }
    void SetApplicationName(std::wstring_view applicationName);
    const std::wstring& Version() const { return version_; }
    void SetVersion(std::wstring_view version);
    const std::wstring& RelativePath() const { return relativePath_; }
    void SetRelativePath(std::wstring_view relativePath);

    // The key below the root that opening uses.
    std::wstring KeyPath() const;
    const TRegistryAccess& Registry() const { return *registry_; }

    bool HasValue(std::wstring_view name);
    bool ReadBoolValue(std::wstring_view name);
    std::int32_t ReadIntegerValue(std::wstring_view name);
    std::wstring ReadStringValue(std::wstring_view name);
    void WriteBoolValue(std::wstring_view name, bool value);
    void WriteIntegerValue(std::wstring_view name, std::int32_t value);
    void WriteStringValue(std::wstring_view name, std::wstring_view value);

private:
    void Open();
    void Close();
    // Stores a new value of a part of the key path; an open store is
    // reopened on the key it now names.
    template <class Field, class Value>
    void Change(Field& field, const Value& value);
    void ChangeName(std::wstring& field, std::wstring_view value);
    template <class Access>
    auto Framed(Access access);

    bool active_ = false;
    TRegistryHive rootKey_ = rhCurrentUser;
    std::wstring company_ = L"My Company";
    std::wstring applicationName_ = L"My Application";
    std::wstring version_ = L"v1.0a";
    std::wstring relativePath_;
    std::unique_ptr<TRegistryAccess> registry_;
};

// The store as windows carry it in their layouts.
class TRegAppUserConfig : public TRegApp {
public:
    explicit TRegAppUserConfig(tk::TComponent* owner);
    std::span<const tk::PublishedProperty> Published() const override;
};

}  // namespace rytmalo
