// The program's icons and its button glyphs load from the executable exactly
// as images.py drew them, however they are stored (PNG icon images, palette
// icon images and glyphs with only the colours they use): every pixel of
// every size, alpha or mask included, and they draw as the drawn pixels draw.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "toolkit/Gdi.h"

namespace rytmalo::testing {
namespace {

struct DrawnImage {
    char kind;  // 'I' a full-colour icon image, '8' or '4' one of that many bits, 'B' a bitmap
    std::wstring name;
    int width;
    int height;
    const std::uint8_t* rgba;  // top row first
};

// DRAWN_PIXELS, this test program's own resource: "RYPX", then per image
// its kind, name length and name, width and height (16 bits), RGBA rows.
std::vector<DrawnImage> DrawnImages() {
    std::vector<DrawnImage> images;
    HRSRC found = FindResourceW(nullptr, L"DRAWN_PIXELS", MAKEINTRESOURCEW(10));
    if (!found) return images;
    const auto* at = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
    const std::uint8_t* end = at + SizeofResource(nullptr, found);
    if (end - at < 4 || std::memcmp(at, "RYPX", 4) != 0) return images;
    at += 4;
    while (end - at >= 2) {
        DrawnImage image{static_cast<char>(at[0])};
        const int length = at[1];
        at += 2;
        if (end - at < length + 4) break;
        image.name.assign(at, at + length);
        at += length;
        image.width = at[0] | at[1] << 8;
        image.height = at[2] | at[3] << 8;
        at += 4;
        const std::size_t bytes = std::size_t{4} * image.width * image.height;
        if (static_cast<std::size_t>(end - at) < bytes) break;
        image.rgba = at;
        at += bytes;
        images.push_back(image);
    }
    return images;
}

// A bitmap's pixels as 32-bit BGRA, top row first.
std::vector<std::uint8_t> Bgra(HBITMAP bitmap, int width, int height) {
    std::vector<std::uint8_t> pixels(std::size_t{4} * width * height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) pixels.clear();
    return pixels;
}

// Where loaded and drawn differ: a count and the first place, for the
// failure message.
struct Difference {
    int count = 0;
    std::string first;
    void Add(int x, int y, const char* what) {
        if (count++ == 0)
            first = std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y);
    }
};

// Where an icon's colour pixels (BGRA) differ from the drawing's, and
// whatever else the check finds at each pixel, given the drawn pixel
// (RGBA), the icon's and whether its mask is set there.
template <class Check>
Difference IconDifference(const DrawnImage& image, const std::vector<std::uint8_t>& bgra,
                          const std::vector<std::uint8_t>& mask, Check check) {
    Difference difference;
    const int size = image.width;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* want = image.rgba + 4 * (y * size + x);
            const std::uint8_t* got = bgra.data() + 4 * (y * size + x);
            if (got[2] != want[0] || got[1] != want[1] || got[0] != want[2]) {
                difference.Add(x, y, "colour");
            }
            check(difference, x, y, want, got, mask[4 * (y * size + x)] != 0);
        }
    }
    return difference;
}

// The icon the drawn pixels make when handed to the system as they are,
// with the mask a plain icon image stores: set where fully transparent.
HICON IconFromPixels(const DrawnImage& image) {
    const int size = image.width;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    tk::BitmapHandle color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color) return nullptr;
    auto* bgra = static_cast<std::uint8_t*>(bits);
    const int maskStride = (size + 15) / 16 * 2;
    std::vector<std::uint8_t> maskBits(std::size_t{1} * maskStride * size);
    for (int i = 0; i < size * size; ++i) {
        const std::uint8_t* p = image.rgba + 4 * i;
        bgra[4 * i] = p[2];
        bgra[4 * i + 1] = p[1];
        bgra[4 * i + 2] = p[0];
        bgra[4 * i + 3] = p[3];
        if (p[3] == 0) maskBits[(i / size) * maskStride + (i % size) / 8] |= 0x80 >> (i % 8);
    }
    tk::BitmapHandle mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    ICONINFO icon{TRUE, 0, 0, mask.get(), color.get()};
    return CreateIconIndirect(&icon);
}

// What DrawIconEx, as the caption and the dialogs draw icons, puts on a
// background of the colour given.
std::vector<std::uint8_t> Drawn(HICON icon, int size, COLORREF background) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    tk::BitmapHandle target(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    tk::MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    if (!target || !dc) return {};
    tk::SelectGuard select(dc.get(), target.get());
    tk::BrushHandle brush(CreateSolidBrush(background));
    RECT all{0, 0, size, size};
    FillRect(dc.get(), &all, brush.get());
    DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const auto* p = static_cast<const std::uint8_t*>(bits);
    return {p, p + std::size_t{4} * size * size};
}

class Images : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(program_, nullptr);
        drawn_ = DrawnImages();
    }
    void TearDown() override {
        if (program_) FreeLibrary(program_);
    }

    // Whether the program stores that image of the icon as PNG.
    bool IsPng(const std::wstring& name, int size) const {
        HRSRC group = FindResourceW(program_, name.c_str(), MAKEINTRESOURCEW(14));
        if (!group) return false;
        const int id = LookupIconIdFromDirectoryEx(
            static_cast<BYTE*>(LockResource(LoadResource(program_, group))), TRUE, size, size, 0);
        HRSRC found = FindResourceW(program_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3));
        if (!found || SizeofResource(program_, found) < 8) return false;
        return std::memcmp(LockResource(LoadResource(program_, found)), "\x89PNG\r\n\x1a\n", 8) ==
               0;
    }

    HMODULE program_ = LoadLibraryExW((driver::OwnDirectory() + L"Rytmalo95.exe").c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    std::vector<DrawnImage> drawn_;
};

TEST_F(Images, EveryFullColourIconImageLoadsAsDrawnAlphaAndMaskIncluded) {
    int images = 0;
    for (const DrawnImage& image : drawn_) {
        if (image.kind != 'I') continue;
        ++images;
        const int size = image.width;
        SCOPED_TRACE(std::string(image.name.begin(), image.name.end()) + " " +
                     std::to_string(size));
        tk::IconHandle icon(static_cast<HICON>(
            LoadImageW(program_, image.name.c_str(), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        tk::BitmapHandle color(info.hbmColor);
        tk::BitmapHandle mask(info.hbmMask);
        ASSERT_TRUE(color) << "a full-colour image has a colour bitmap";
        BITMAP colorSize{};
        GetObjectW(color.get(), sizeof colorSize, &colorSize);
        ASSERT_EQ(colorSize.bmWidth, size) << "the image of that size, not another scaled";
        ASSERT_EQ(colorSize.bmHeight, size);
        const std::vector<std::uint8_t> bgra = Bgra(color.get(), size, size);
        const std::vector<std::uint8_t> andMask = Bgra(mask.get(), size, size);
        ASSERT_FALSE(bgra.empty());
        ASSERT_FALSE(andMask.empty());
        // A PNG image has no mask of its own: the system makes one from the
        // alpha, its own way for the pixels only partly transparent.
        const bool png = IsPng(image.name, size);
        const Difference difference =
            IconDifference(image, bgra, andMask,
                           [&](Difference& d, int x, int y, const std::uint8_t* want,
                               const std::uint8_t* got, bool masked) {
                               if (got[3] != want[3]) d.Add(x, y, "alpha");
                               // The mask is set where the image leaves the
                               // background as it is.
                               if (png ? (want[3] == 0 && !masked) || (want[3] == 255 && masked)
                                       : masked != (want[3] == 0)) {
                                   d.Add(x, y, "mask");
                               }
                           });
        EXPECT_EQ(difference.count, 0) << difference.first;
    }
    // The program's and the about box's, each in every size it has.
    EXPECT_EQ(images, 15);
}

TEST_F(Images, EveryFullColourIconImageDrawsAsItsDrawnPixels) {
    for (const DrawnImage& image : drawn_) {
        if (image.kind != 'I') continue;
        const int size = image.width;
        SCOPED_TRACE(std::string(image.name.begin(), image.name.end()) + " " +
                     std::to_string(size));
        tk::IconHandle loaded(static_cast<HICON>(
            LoadImageW(program_, image.name.c_str(), IMAGE_ICON, size, size, 0)));
        tk::IconHandle made(IconFromPixels(image));
        ASSERT_TRUE(loaded);
        ASSERT_TRUE(made);
        for (const COLORREF background : {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 128)}) {
            const std::vector<std::uint8_t> want = Drawn(made.get(), size, background);
            ASSERT_FALSE(want.empty());
            EXPECT_TRUE(Drawn(loaded.get(), size, background) == want) << std::hex << background;
        }
    }
}

// The image of that size and depth that the icon's directory lists, made
// into an icon as the system makes one from it.
HICON PaletteIconImage(HMODULE module, const std::wstring& name, int size, int bits) {
    HRSRC group = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(14));
    if (!group || SizeofResource(module, group) < 6) return nullptr;
    const auto* dir = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, group)));
    const int count = dir[4] | dir[5] << 8;
    for (int i = 0;
         i < count && 6 + 14 * (i + 1) <= static_cast<int>(SizeofResource(module, group)); ++i) {
        const std::uint8_t* e = dir + 6 + 14 * i;
        if (e[0] != size || (e[6] | e[7] << 8) != bits) continue;
        HRSRC found =
            FindResourceW(module, MAKEINTRESOURCEW(e[12] | e[13] << 8), MAKEINTRESOURCEW(3));
        if (!found) return nullptr;
        return CreateIconFromResourceEx(
            static_cast<BYTE*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found), TRUE, 0x00030000, size, size, 0);
    }
    return nullptr;
}

TEST_F(Images, EveryPaletteIconImageLoadsAsDrawnMaskIncluded) {
    int images = 0;
    for (const DrawnImage& image : drawn_) {
        if (image.kind != '8' && image.kind != '4') continue;
        ++images;
        const int size = image.width;
        SCOPED_TRACE(std::string(image.name.begin(), image.name.end()) + " " +
                     std::to_string(size) + " " + image.kind);
        tk::IconHandle icon(PaletteIconImage(program_, image.name, size, image.kind - '0'));
        ASSERT_TRUE(icon);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        tk::BitmapHandle color(info.hbmColor);
        tk::BitmapHandle mask(info.hbmMask);
        ASSERT_TRUE(color);
        const std::vector<std::uint8_t> bgra = Bgra(color.get(), size, size);
        const std::vector<std::uint8_t> andMask = Bgra(mask.get(), size, size);
        ASSERT_FALSE(bgra.empty());
        ASSERT_FALSE(andMask.empty());
        // The colours are black where the mask leaves the background as it is.
        const Difference difference =
            IconDifference(image, bgra, andMask,
                           [](Difference& d, int x, int y, const std::uint8_t* want,
                              const std::uint8_t*, bool masked) {
                               if (masked != (want[3] == 0)) d.Add(x, y, "mask");
                           });
        EXPECT_EQ(difference.count, 0) << difference.first;
    }
    // The preferences' icon, in 256 and 16 colours at each of its sizes.
    EXPECT_EQ(images, 6);
}

TEST_F(Images, EveryGlyphStripLoadsAsDrawn) {
    int strips = 0;
    for (const DrawnImage& image : drawn_) {
        if (image.kind != 'B') continue;
        ++strips;
        SCOPED_TRACE(std::string(image.name.begin(), image.name.end()));
        // As the buttons load them.
        tk::BitmapHandle strip(static_cast<HBITMAP>(
            LoadImageW(program_, image.name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_TRUE(strip);
        BITMAP size{};
        GetObjectW(strip.get(), sizeof size, &size);
        ASSERT_EQ(size.bmWidth, image.width);
        ASSERT_EQ(size.bmHeight, image.height);
        const std::vector<std::uint8_t> bgra = Bgra(strip.get(), image.width, image.height);
        ASSERT_FALSE(bgra.empty());
        Difference difference;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const std::uint8_t* want = image.rgba + 4 * (y * image.width + x);
                const std::uint8_t* got = bgra.data() + 4 * (y * image.width + x);
                if (got[2] != want[0] || got[1] != want[1] || got[0] != want[2]) {
                    difference.Add(x, y, "colour");
                }
            }
        }
        EXPECT_EQ(difference.count, 0) << difference.first;
    }
    // Quitter and OK, five sizes each.
    EXPECT_EQ(strips, 10);
}

}  // namespace
}  // namespace rytmalo::testing
