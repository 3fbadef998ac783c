#include "components/PlxAppPath.h"

#include "components/RegApp.h"
#include "core/RegKeyPath.h"

namespace rytmalo {

std::wstring RunningExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        // A full buffer may hold a cut path: ask again with more room.
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= 0x10000) return {};
        path.resize(path.size() * 2);
    }
}

TPlomexAppPath::TPlomexAppPath(tk::TComponent* owner)
    : tk::TComponent(owner),
      roots_{HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER},
      executablePath_(&RunningExecutablePath) {}

void TPlomexAppPath::Loaded() {
    tk::TComponent::Loaded();
    if (enabled_) RegisterAppPath();
}

void TPlomexAppPath::RegisterAppPath() {
    const std::wstring executable = executablePath_();
    // Without a file name the key would be App Paths itself.
    if (AppPathsKeyName(executable).empty()) return;
    const std::wstring key = AppPathsKey(executable);
    for (HKEY root : roots_) {
        TRegistryAccess registry;
        registry.SelectRoot(root);
        if (!registry.OpenPath(key, true)) continue;
        // The path is asked for again: the entry holds what the system
        // reports at the moment it is written. The key closes with the
        // accessor, also when the write fails.
        registry.WriteStringValue(L"", executablePath_());
        return;
    }
}

std::span<const tk::PublishedProperty> TPlomexAppPath::Published() const {
    static constexpr tk::PublishedProperty properties[] = {
        {"Enabled", &tk::Assign<&TPlomexAppPath::SetEnabled>},
    };
    return properties;
}

}  // namespace rytmalo
