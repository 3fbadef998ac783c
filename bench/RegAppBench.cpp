// How long the configuration store and the App Paths registration take, on a
// key of the benchmark's own (removed afterwards). Prints table rows.
// Usage: regapp_bench ROUNDS
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>

#include "components/PlxAppPath.h"
#include "components/RegApp.h"

namespace {

using rytmalo::TPlomexAppPath;
using rytmalo::TRegAppUserConfig;

const wchar_t kScratch[] = L"SOFTWARE\\Rytmalo Bench";

// Microseconds per call: the best of the rounds of at least 100 ms each,
// since other work on the machine only ever makes a round slower.
double MicrosecondsPer(int rounds, const std::function<void()>& operation) {
    using Clock = std::chrono::steady_clock;
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        int calls = 0;
        const auto start = Clock::now();
        auto elapsed = Clock::duration::zero();
        do {
            for (int i = 0; i < 50; ++i) operation();
            calls += 50;
            elapsed = Clock::now() - start;
        } while (elapsed < std::chrono::milliseconds(100));
        const double us = std::chrono::duration<double, std::micro>(elapsed).count() / calls;
        if (round == 0 || us < best) best = us;
    }
    return best;
}

void Row(const char* operation, int rounds, double us) {
    std::printf("| %s (best of %d rounds) | %.1f us |\n", operation, rounds, us);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const auto row = [rounds](const char* operation, const std::function<void()>& work) {
        Row(operation, rounds, MicrosecondsPer(rounds, work));
    };
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    {
        TRegAppUserConfig store(nullptr);
        store.SetCompany(L"Rytmalo Bench");
        store.SetApplicationName(L"Store");
        store.SetVersion(L"v1");
        store.WriteIntegerValue(L"FormTop", 141);

        row("store: open and close", [&] {
            store.SetActive(true);
            store.SetActive(false);
        });
        row("store: ReadIntegerValue, closed store", [&] { store.ReadIntegerValue(L"FormTop"); });
        row("store: WriteIntegerValue, closed store",
            [&] { store.WriteIntegerValue(L"FormTop", 141); });
        store.SetActive(true);
        row("store: HasValue + ReadIntegerValue, open store", [&] {
            if (store.HasValue(L"FormTop")) store.ReadIntegerValue(L"FormTop");
        });
        row("store: WriteIntegerValue, open store",
            [&] { store.WriteIntegerValue(L"FormTop", 141); });
        row("store: WriteStringValue (60 chars), open store",
            [&] { store.WriteStringValue(L"Titre", std::wstring(60, L'é')); });
        store.SetActive(false);

        HKEY root = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                        nullptr);
        TPlomexAppPath appPath(nullptr);
        appPath.SetRoots({root});
        row("App Paths registration (RegisterAppPath)", [&] { appPath.RegisterAppPath(); });
        RegCloseKey(root);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratch);

    return 0;
}
