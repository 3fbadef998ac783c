#include "core/RegKeyPath.h"

namespace rytmalo {
namespace {

std::wstring_view OrFallback(std::wstring_view value, std::wstring_view fallback) {
    return value.empty() ? fallback : value;
}

}  // namespace

std::wstring BuildKeyPath(const RegKeyNames& names) {
    std::wstring path;
    if (names.hive == rhAllUsers) path = L".DEFAULT\\";
    path += L"SOFTWARE\\";
    path += OrFallback(names.company, L"TESTCOMPANY");
    path += L'\\';
    path += OrFallback(names.applicationName, L"TESTAPPLICATION");
    path += L'\\';
    path += OrFallback(names.version, L"1.0a");
    if (!names.relativePath.empty()) {
        path += L'\\';
        path += names.relativePath;
    }
    return path;
}

std::wstring AppPathsKeyName(std::wstring_view executablePath) {
    const std::size_t separator = executablePath.find_last_of(L"\\:");
    std::wstring name(separator == std::wstring_view::npos ? executablePath
                                                           : executablePath.substr(separator + 1));
    // Only ASCII letters: the rest keeps its case whatever the locale says.
    for (wchar_t& c : name) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return name;
}

std::wstring AppPathsKey(std::wstring_view executablePath) {
    return L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" +
           AppPathsKeyName(executablePath);
}

}  // namespace rytmalo
