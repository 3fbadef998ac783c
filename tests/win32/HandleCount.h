// The number of handles the test process holds.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/Win.h"

namespace rytmalo::testing {

// GetProcessHandleCount where the system answers it. Wine answers 0, so
// there the process's entries in the system's handle list are counted.
inline DWORD ProcessHandleCount() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;

    struct Entry {
        USHORT processId;
        USHORT creatorBackTraceIndex;
        UCHAR objectType;
        UCHAR flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    struct Information {
        ULONG count;
        Entry entries[1];
    };
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    constexpr int kSystemHandleInformation = 16;
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                 &needed) != 0) {
        if (buffer.size() >= (1u << 28)) return 0;
        buffer.resize(buffer.size() * 2);
    }
    const auto* info = reinterpret_cast<const Information*>(buffer.data());
    const auto self = static_cast<USHORT>(GetCurrentProcessId());
    for (ULONG i = 0; i < info->count; ++i) {
        if (info->entries[i].processId == self) ++count;
    }
    return count;
}

}  // namespace rytmalo::testing
