#include "components/RegApp.h"

#include <array>
#include <limits>
#include <type_traits>
#include <vector>

#include "core/RegValueData.h"

namespace rytmalo {

namespace {

// The message with the key path or value name in place of its %s.
std::wstring Format(std::wstring_view pattern, std::wstring_view argument) {
    const std::size_t at = pattern.find(L"%s");
    std::wstring text(pattern.substr(0, at));
    text += argument;
    text += pattern.substr(at + 2);
    return text;
}

}  // namespace

ERegistryException ERegistryException::KeyCreation(std::wstring_view keyPath) {
    return ERegistryException(Format(L"Erreur de création de la clé %s", keyPath));
}

ERegistryException ERegistryException::DataRead(std::wstring_view valueName) {
    return ERegistryException(Format(L"Erreur à l'obtention des données pour '%s'", valueName));
}

ERegistryException ERegistryException::DataType(std::wstring_view valueName) {
    return ERegistryException(Format(L"Type de données incorrect pour '%s'", valueName));
}

ERegistryException ERegistryException::DataWrite(std::wstring_view valueName) {
    return ERegistryException(Format(L"Erreur à définition des données pour '%s'", valueName));
}

ERegistryException ERegistryException::DataValue(std::wstring_view valueName) {
    return ERegistryException(Format(L"Valeur incorrecte pour '%s'", valueName));
}

// ---------------------------------------------------------------------------

void TRegistryAccess::SelectRoot(HKEY root) {
    if (root == root_) return;
    root_ = root;
    ClosePath();
}

void TRegistryAccess::EnsureKey(const std::wstring& path) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &created, nullptr) != ERROR_SUCCESS) {
        throw ERegistryException::KeyCreation(path);
    }
    RegCloseKey(created);
}

bool TRegistryAccess::OpenPath(const std::wstring& path, bool mayCreate) {
    HKEY opened = nullptr;
    const LSTATUS status =
        mayCreate && !path.empty()
            ? RegCreateKeyExW(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &opened, nullptr)
            : RegOpenKeyExW(root_, path.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (status != ERROR_SUCCESS) return false;
    key_.reset(opened);
    path_ = path;
    return true;
}

void TRegistryAccess::ClosePath() {
    key_.reset();
    path_.clear();
}

TRegistryAccess::ValueInfo TRegistryAccess::QueryValueInfo(std::wstring_view name) const {
    ValueInfo info;
    if (!key_) return info;
    const std::wstring n(name);
    info.exists = RegQueryValueExW(key_.get(), n.c_str(), nullptr, &info.type, nullptr,
                                   &info.size) == ERROR_SUCCESS;
    if (!info.exists) info = {};
    return info;
}

std::int32_t TRegistryAccess::ReadIntegerValue(std::wstring_view name) const {
    const std::wstring n(name);
    // Zeroed: data shorter than four bytes leaves the rest of the buffer alone.
    std::array<unsigned char, 4> data{};
    DWORD size = data.size();
    DWORD type = REG_NONE;
    if (!key_ || RegQueryValueExW(key_.get(), n.c_str(), nullptr, &type, data.data(), &size) !=
                     ERROR_SUCCESS) {
        throw ERegistryException::DataRead(name);
    }
    if (type != REG_DWORD) throw ERegistryException::DataType(name);
    return IntegerFromData(data.data(), size);
}

std::wstring TRegistryAccess::ReadStringValue(std::wstring_view name) const {
    const ValueInfo info = QueryValueInfo(name);
    if (!info.exists || info.size == 0) return {};
    const std::wstring n(name);
    std::vector<unsigned char> data(info.size);
    DWORD size = info.size;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(key_.get(), n.c_str(), nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS) {
        throw ERegistryException::DataRead(name);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException::DataType(name);
    return TextFromData(data.data(), size);
}

void TRegistryAccess::WriteIntegerValue(std::wstring_view name, std::int32_t value) {
    const std::wstring n(name);
    const auto data = static_cast<DWORD>(value);  // two's complement, little-endian
    if (!key_ ||
        RegSetValueExW(key_.get(), n.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                       sizeof data) != ERROR_SUCCESS) {
        throw ERegistryException::DataWrite(name);
    }
}

void TRegistryAccess::WriteStringValue(std::wstring_view name, std::wstring_view value) {
    const std::wstring n(name);
    const std::wstring text(value);
    // The terminating zero is part of the data, as every reader expects.
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (!key_ || bytes > std::numeric_limits<DWORD>::max() ||
        RegSetValueExW(key_.get(), n.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(bytes)) != ERROR_SUCCESS) {
        throw ERegistryException::DataWrite(name);
    }
}

HKEY RootOf(TRegistryHive hive) {
    switch (hive) {
        case rhCurrentUser: return HKEY_CURRENT_USER;
        case rhAllUsers: return HKEY_USERS;
        case rhMachine: return HKEY_LOCAL_MACHINE;
    }
    throw tk::ERangeError();
}

// ---------------------------------------------------------------------------

TRegApp::TRegApp(tk::TComponent* owner)
    : tk::TComponent(owner), registry_(std::make_unique<TRegistryAccess>()) {}

TRegApp::~TRegApp() { Close(); }

void TRegApp::SetActive(bool active) {
    if (active == active_) return;
    if (active) {
        Open();
    } else {
        Close();
    }
}

void TRegApp::Open() {
    registry_->SelectRoot(RootOf(rootKey_));
    const std::wstring path = KeyPath();
    registry_->EnsureKey(path);
    // A key that exists but cannot be opened leaves the store open with no
    // key: reads then fail with the read error, writes with the write error.
    registry_->OpenPath(path, true);
    active_ = true;
}

void TRegApp::Close() {
    registry_->ClosePath();
    active_ = false;
}

template <class Field, class Value>
void TRegApp::Change(Field& field, const Value& value) {
    if (field == value) return;
    const bool reopen = active_;
    if (reopen) SetActive(false);
    field = Field(value);
    if (reopen) SetActive(true);
}

void TRegApp::SetRootKey(TRegistryHive rootKey) {
    if (rootKey > rhMachine) throw tk::ERangeError();
    Change(rootKey_, rootKey);
}

// One body for the four names rather than one inlined copy per setter.
[[gnu::noinline]] void TRegApp::ChangeName(std::wstring& field, std::wstring_view value) {
    Change(field, value);
}

void TRegApp::SetCompany(std::wstring_view company) { ChangeName(company_, company); }
void TRegApp::SetApplicationName(std::wstring_view name) { ChangeName(applicationName_, name); }
void TRegApp::SetVersion(std::wstring_view version) { ChangeName(version_, version); }
void TRegApp::SetRelativePath(std::wstring_view path) { ChangeName(relativePath_, path); }

std::wstring TRegApp::KeyPath() const {
    return BuildKeyPath({rootKey_, company_, applicationName_, version_, relativePath_});
}

// A closed store is opened for the access and closed after it. When the
// access fails the store stays open: the next SetActive(false), or the
// store's destruction, closes it.
template <class Access>
auto TRegApp::Framed(Access access) {
    const bool openedHere = !active_;
    if (openedHere) SetActive(true);
    if constexpr (std::is_void_v<decltype(access())>) {
        access();
        if (openedHere) SetActive(false);
    } else {
        auto result = access();
        if (openedHere) SetActive(false);
        return result;
    }
}

bool TRegApp::HasValue(std::wstring_view name) {
    return Framed([&] { return registry_->HasValue(name); });
}

bool TRegApp::ReadBoolValue(std::wstring_view name) {
    return Framed([&] { return registry_->ReadBoolValue(name); });
}

std::int32_t TRegApp::ReadIntegerValue(std::wstring_view name) {
    return Framed([&] { return registry_->ReadIntegerValue(name); });
}

std::wstring TRegApp::ReadStringValue(std::wstring_view name) {
    return Framed([&] { return registry_->ReadStringValue(name); });
}

void TRegApp::WriteBoolValue(std::wstring_view name, bool value) {
    Framed([&] { registry_->WriteBoolValue(name, value); });
}

void TRegApp::WriteIntegerValue(std::wstring_view name, std::int32_t value) {
    Framed([&] { registry_->WriteIntegerValue(name, value); });
}

void TRegApp::WriteStringValue(std::wstring_view name, std::wstring_view value) {
    Framed([&] { registry_->WriteStringValue(name, value); });
}

// ---------------------------------------------------------------------------

TRegAppUserConfig::TRegAppUserConfig(tk::TComponent* owner) : TRegApp(owner) {
    SetRootKey(rhCurrentUser);
}

std::span<const tk::PublishedProperty> TRegAppUserConfig::Published() const {
    static constexpr tk::PublishedProperty properties[] = {
        {"RootKey", &tk::Assign<&TRegAppUserConfig::SetRootKey>},
        {"Company", &tk::Assign<&TRegAppUserConfig::SetCompany>},
        {"ApplicationName", &tk::Assign<&TRegAppUserConfig::SetApplicationName>},
        {"Version", &tk::Assign<&TRegAppUserConfig::SetVersion>},
        {"RelativePath", &tk::Assign<&TRegAppUserConfig::SetRelativePath>},
        {"Active", &tk::Assign<&TRegAppUserConfig::SetActive>},
    };
    return properties;
}

}  // namespace rytmalo
