// Turning the bytes of a registry value into what the store hands out. No
// Windows types here: the rules for short and unterminated data are checked
// natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rytmalo {

// A 32-bit integer from little-endian data of up to four bytes. Shorter data
// (another program may write a REG_DWORD of one to three bytes) is
// zero-extended: the missing high bytes are zero, never what the buffer held.
std::int32_t IntegerFromData(const unsigned char* data, std::size_t size);

// Text from UTF-16 data: up to the first zero character, or all of it when
// there is none. A stray odd byte at the end is no character and is dropped.
std::wstring TextFromData(const unsigned char* data, std::size_t size);

}  // namespace rytmalo
