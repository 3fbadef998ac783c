#include "ProcessResources.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include <psapi.h>
#include <winternl.h>

namespace bench {
namespace {

// The kinds as Wine 8 marks them (found by making objects of each kind):
// pens share the brushes' mark, and each device context brings an entry
// marked 5 with it.
const char* KindName(unsigned type) {
    switch (type) {
        case 0x01: return "DCs";
        case 0x04: return "regions";
        case 0x05: return "DC surfaces";
        case 0x08: return "palettes";
        case 0x09: return "bitmaps";
        case 0x0a: return "fonts";
        case 0x10: return "brushes and pens";
        default: return "other";
    }
}

// Wine lays the GDI handle table out as Windows does: 65,536 entries of 24
// bytes, the object's type in the byte at offset 14 (with flags in the next
// one), zero for a free entry; the process environment block holds the
// table's address at 0xF8.
long GdiObjectsFromHandleTable(HANDLE process, std::string& kinds) {
    using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const unsigned char* table = nullptr;
    if (!ReadProcessMemory(process, peb + 0xF8, &table, sizeof table, nullptr) || !table) {
        return -1;
    }
    constexpr std::size_t kEntries = 0x10000;
    constexpr std::size_t kEntrySize = 24;
    constexpr std::size_t kTypeOffset = 14;
    std::vector<unsigned char> entries(kEntries * kEntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) return -1;
    long count = 0;
    std::map<std::string, long> byKind;
    for (std::size_t i = 0; i < kEntries; ++i) {
        std::uint16_t type = 0;
        std::memcpy(&type, entries.data() + i * kEntrySize + kTypeOffset, sizeof type);
        if (type == 0) continue;
        ++count;
        ++byKind[KindName(type & 0xff)];
    }
    for (const auto& [kind, n] : byKind) {
        kinds += (kinds.empty() ? "" : ", ") + kind + " " + std::to_string(n);
    }
    return count;
}

struct WindowCount {
    DWORD processId;
    long windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->processId) {
        ++count->windows;
        EnumChildWindows(window, &CountChild, param);
    }
    return TRUE;
}

// Every window of the process, hidden ones and controls included.
long CountWindows(DWORD processId) {
    WindowCount count{processId};
    EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

}  // namespace

ProcessResources ReadResources(HANDLE process, DWORD processId) {
    ProcessResources r;
    PROCESS_MEMORY_COUNTERS memory{sizeof memory};
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        r.workingSetBytes = memory.WorkingSetSize;
    }
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    r.gdiObjects =
        gdi != 0 ? static_cast<long>(gdi) : GdiObjectsFromHandleTable(process, r.gdiKinds);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    if (user != 0) {
        r.userObjects = static_cast<long>(user);
    } else {
        r.userObjects = CountWindows(processId);
        r.userObjectsAreWindows = true;
    }
    return r;
}

}  // namespace bench
