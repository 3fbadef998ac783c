// Colour values as layouts store them: 0x00BBGGRR for a fixed colour, or
// 0x800000nn for system colour nn.
#pragma once

#include <cstdint>

namespace tk {

using Color = std::uint32_t;

inline constexpr Color kSystemColorFlag = 0x80000000u;

constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == kSystemColorFlag; }
constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

inline constexpr Color clBlack = Rgb(0, 0, 0);
inline constexpr Color clWhite = Rgb(255, 255, 255);
inline constexpr Color clYellow = Rgb(255, 255, 0);
inline constexpr Color clRed = Rgb(255, 0, 0);
inline constexpr Color clGray = Rgb(128, 128, 128);
inline constexpr Color clBtnFace = kSystemColorFlag | 15;
inline constexpr Color clBtnText = kSystemColorFlag | 18;
inline constexpr Color clWindow = kSystemColorFlag | 5;
inline constexpr Color clWindowText = kSystemColorFlag | 8;
inline constexpr Color clInfoBk = kSystemColorFlag | 24;
// "Same as the parent": a control's colour follows its container's.
inline constexpr Color clParent = 0x1FFFFFFFu;

}  // namespace tk
