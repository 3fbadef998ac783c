#include "Screen.h"

#include <climits>
#include <cstdio>

namespace driver {

BITMAPINFOHEADER TopDownHeader(int width, int height) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = -height;
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    return h;
}

namespace {

// Draws into a 32-bit top-down DIB and returns its pixels.
template <class Draw>
Image Render(int width, int height, Draw draw) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    BITMAPINFO bi{};
    bi.bmiHeader = TopDownHeader(width, height);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    draw(memory, screen);
    GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = source[i] & 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

}  // namespace

Image Capture(const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    return Render(width, height, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    });
}

bool SaveBmp(const Image& image, const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    const DWORD imageSize = static_cast<DWORD>(image.pixels.size() * 4);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + imageSize;
    BITMAPINFOHEADER ih = TopDownHeader(image.width, image.height);
    ih.biSizeImage = imageSize;
    bool ok = fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&ih, sizeof ih, 1, f) == 1 &&
              fwrite(image.pixels.data(), 4, image.pixels.size(), f) == image.pixels.size();
    return fclose(f) == 0 && ok;
}

LPCWSTR IdentifySystemIcon(const Image& image) {
    if (image.width == 0 || image.height == 0) return nullptr;
    static const LPCWSTR kIcons[] = {IDI_HAND, IDI_EXCLAMATION, IDI_ASTERISK, IDI_QUESTION};
    const std::uint32_t background = image.At(0, 0);
    LPCWSTR best = nullptr;
    long bestDifference = LONG_MAX;
    for (LPCWSTR id : kIcons) {
        HICON icon = LoadIconW(nullptr, id);
        const Image expected = Render(image.width, image.height, [&](HDC memory, HDC) {
            HBRUSH brush = CreateSolidBrush(
                RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
            RECT all{0, 0, image.width, image.height};
            FillRect(memory, &all, brush);
            DeleteObject(brush);
            DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        });
        long difference = 0;
        for (std::size_t i = 0; i < image.pixels.size(); ++i) {
            if (image.pixels[i] != expected.pixels[i]) ++difference;
        }
        if (difference < bestDifference) {
            bestDifference = difference;
            best = id;
        }
    }
    // A close match: at most a tenth of the pixels differ.
    return bestDifference * 10 <= static_cast<long>(image.pixels.size()) ? best : nullptr;
}

}  // namespace driver
