// How long the configuration store and the App Paths registration take, on a
// key of the benchmark's own (removed afterwards), and how big the program is.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "components/PlxAppPath.h"
#include "components/RegApp.h"

namespace {

using rytmalo::TPlomexAppPath;
using rytmalo::TRegAppUserConfig;

const wchar_t kScratch[] = L"SOFTWARE\\Rytmalo Bench";

// Microseconds per call: the best of five rounds of at least 100 ms each,
// since other work on the machine only ever makes a round slower.
double MicrosecondsPer(const std::function<void()>& operation) {
    using Clock = std::chrono::steady_clock;
    double best = 0;
    for (int round = 0; round < 5; ++round) {
        int calls = 0;
        const auto start = Clock::now();
        auto elapsed = Clock::duration::zero();
        do {
            for (int i = 0; i < 50; ++i)
                operation();
            calls += 50;
            elapsed = Clock::now() - start;
        } while (elapsed < std::chrono::milliseconds(100));
        const double us = std::chrono::duration<double, std::micro>(elapsed).count() / calls;
        if (round == 0 || us < best)
            best = us;
    }
    return best;
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int wmain() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    {
        TRegAppUserConfig store(nullptr);
        store.SetCompany(L"Rytmalo Bench");
        store.SetApplicationName(L"Store");
        store.SetVersion(L"v1");
        store.WriteIntegerValue(L"FormTop", 141);

        std::printf("%-44s %10s\n", "operation", "us/call");
        std::printf("%-44s %10.1f\n", "open and close the store", MicrosecondsPer([&] {
                        store.SetActive(true);
                        store.SetActive(false);
                    }));
        std::printf("%-44s %10.1f\n", "ReadIntegerValue, closed store",
                    MicrosecondsPer([&] { store.ReadIntegerValue(L"FormTop"); }));
        std::printf("%-44s %10.1f\n", "WriteIntegerValue, closed store",
                    MicrosecondsPer([&] { store.WriteIntegerValue(L"FormTop", 141); }));
        store.SetActive(true);
        std::printf("%-44s %10.1f\n", "HasValue + ReadIntegerValue, open store",
                    MicrosecondsPer([&] {
                        if (store.HasValue(L"FormTop"))
                            store.ReadIntegerValue(L"FormTop");
                    }));
        std::printf("%-44s %10.1f\n", "WriteIntegerValue, open store",
                    MicrosecondsPer([&] { store.WriteIntegerValue(L"FormTop", 141); }));
        std::printf(
            "%-44s %10.1f\n", "WriteStringValue (60 chars), open store",
            MicrosecondsPer([&] { store.WriteStringValue(L"Titre", std::wstring(60, L'é')); }));
        store.SetActive(false);

        HKEY root = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                        nullptr);
        TPlomexAppPath appPath(nullptr);
        appPath.SetRoots({root});
        std::printf("%-44s %10.1f\n", "RegisterAppPath",
                    MicrosecondsPer([&] { appPath.RegisterAppPath(); }));
        RegCloseKey(root);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratch);

    std::wstring program = rytmalo::RunningExecutablePath();
    program = program.substr(0, program.find_last_of(L'\\') + 1) + L"Rytmalo95.exe";
    std::printf("%-44s %10lld\n", "Rytmalo95.exe, bytes", FileSize(program));
    return 0;
}
