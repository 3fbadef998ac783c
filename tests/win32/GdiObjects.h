// How many GDI objects this process holds. GetGuiResources answers on
// Windows; Wine leaves it unimplemented (it returns 0), so there the count is
// read from the process's GDI handle table, which Wine lays out as Windows
// does: 65,536 entries of 24 bytes, the object's type in the 16 bits at
// offset 14, zero for a free entry; the table's address is in the process
// environment block (offset 0xF8 on x64, whose own address is at gs:0x60).
#pragma once

#include <cstdint>
#include <cstring>

#include <windows.h>

namespace tk::testing {

inline long GdiObjectCount() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<long>(reported);
    const unsigned char* peb = nullptr;
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));
    const unsigned char* table = nullptr;
    std::memcpy(&table, peb + 0xF8, sizeof table);
    if (!table) return -1;
    constexpr std::size_t kEntries = 0x10000;
    constexpr std::size_t kEntrySize = 24;
    constexpr std::size_t kTypeOffset = 14;
    long count = 0;
    for (std::size_t i = 0; i < kEntries; ++i) {
        std::uint16_t type = 0;
        std::memcpy(&type, table + i * kEntrySize + kTypeOffset, sizeof type);
        if (type != 0) ++count;
    }
    return count;
}

}  // namespace tk::testing
