#include "ProcessResources.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include <psapi.h>
#include <winternl.h>

namespace bench {
namespace {

// Wine lays the GDI handle table out as Windows does: 65,536 entries of 24
// bytes, the object's type in the 16 bits at offset 14, zero for a free
// entry; the process environment block holds the table's address at 0xF8.
long GdiObjectsFromHandleTable(HANDLE process) {
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
    for (std::size_t i = 0; i < kEntries; ++i) {
        std::uint16_t type = 0;
        std::memcpy(&type, entries.data() + i * kEntrySize + kTypeOffset, sizeof type);
        if (type != 0) ++count;
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
    r.gdiObjects = gdi != 0 ? static_cast<long>(gdi) : GdiObjectsFromHandleTable(process);
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
