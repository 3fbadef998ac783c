// What the screen shows: captured pixels, saved as BMP, and recognised icons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace driver {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    COLORREF ColorAt(int x, int y) const {
        const std::uint32_t p = At(x, y);
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

// The header of a 32-bit image of that size, its rows top to bottom, as
// the system's device-independent bitmaps and BMP files take it.
BITMAPINFOHEADER TopDownHeader(int width, int height);

// The screen's pixels inside r (screen coordinates).
Image Capture(const RECT& r);
bool SaveBmp(const Image& image, const std::wstring& path);

// Which of the system's message icons the image shows (drawn on a plain
// background), or nullptr.
LPCWSTR IdentifySystemIcon(const Image& image);

}  // namespace driver
