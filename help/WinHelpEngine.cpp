#include "help/WinHelpEngine.h"

#include <span>

namespace rytmalo {
namespace {

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring InFolder(UINT(WINAPI* folder)(LPWSTR, UINT), const wchar_t* name) {
    wchar_t buffer[MAX_PATH];
    const UINT n = folder(buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::wstring(buffer, n) + L"\\" + name;
}

class DataModule {
public:
    explicit DataModule(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~DataModule() {
        if (module_) FreeLibrary(module_);
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

}  // namespace

std::optional<VersionInfo> ReadVersionInfo(const std::wstring& path) {
    const DataModule module(path);
    if (!module.get()) return std::nullopt;
    HRSRC resource = FindResourceW(module.get(), MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (!resource) return std::nullopt;
    HGLOBAL loaded = LoadResource(module.get(), resource);
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return std::nullopt;
    return ParseVersionInfo(std::span(bytes, SizeofResource(module.get(), resource)));
}

bool IsWinHelpViewer(const std::wstring& path) {
    if (path.empty() || !IsFile(path)) return false;
    // An engine without a version resource (Wine's) is no stub either.
    const std::optional<VersionInfo> info = ReadVersionInfo(path);
    return !info || !IsWinHelpStub(*info);
}

bool HasWinHelpEngine() {
    if (FindWindowW(L"MS_WINHELP", nullptr)) return true;
    // Where WinHelp looks for the viewer: the Windows folder, then the
    // system folder.
    for (const std::wstring& path : {InFolder(&GetWindowsDirectoryW, L"winhlp32.exe"),
                                     InFolder(&GetSystemDirectoryW, L"winhlp32.exe")}) {
        if (!path.empty() && IsFile(path)) return IsWinHelpViewer(path);
    }
    return false;
}

bool WinHelpCanOpen(const std::wstring& helpFile) { return IsFile(helpFile) && HasWinHelpEngine(); }

}  // namespace rytmalo
