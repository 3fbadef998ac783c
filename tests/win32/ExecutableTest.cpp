// The built program as Windows sees it before running it: hardened headers,
// only the system's own DLLs, its manifest, version, icons and glyphs.
#include <algorithm>
#include <cstdio>
#include <set>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PeImage.h"
#include "help/WinHelpEngine.h"
#include "driver/Driver.h"

namespace rytmalo::testing {
namespace {

std::wstring ProgramFile() { return driver::OwnDirectory() + L"Rytmalo95.exe"; }

std::vector<std::uint8_t> ReadAll(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

// The program's resources, read as data.
class Resources {
public:
    Resources()
        : module_(LoadLibraryExW(ProgramFile().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~Resources() {
        if (module_) FreeLibrary(module_);
    }
    HMODULE get() const { return module_; }
    std::string_view Data(LPCWSTR name, LPCWSTR type) const {
        HRSRC r = FindResourceW(module_, name, type);
        if (!r) return {};
        HGLOBAL g = LoadResource(module_, r);
        return {static_cast<const char*>(LockResource(g)), SizeofResource(module_, r)};
    }

private:
    HMODULE module_;
};

struct IconImage {
    int size;
    int bits;
    bool operator<(const IconImage& o) const {
        return size != o.size ? size < o.size : bits < o.bits;
    }
    bool operator==(const IconImage&) const = default;
};

// The images a group icon lists (GRPICONDIR: 6 bytes, then 14 per image).
std::set<IconImage> IconImages(std::string_view group) {
    std::set<IconImage> images;
    if (group.size() < 6) return images;
    const auto* b = reinterpret_cast<const std::uint8_t*>(group.data());
    const int count = b[4] | b[5] << 8;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size()); ++i) {
        const std::uint8_t* e = b + 6 + 14 * i;
        images.insert({e[0] == 0 ? 256 : e[0], e[6] | e[7] << 8});
    }
    return images;
}

TEST(Executable, HeadersAreHardenedAndOnlySystemDllsAreImported) {
    const std::vector<std::uint8_t> bytes = ReadAll(ProgramFile());
    ASSERT_FALSE(bytes.empty());
    const auto image = ReadPeImage(bytes);
    ASSERT_TRUE(image);
    for (const std::string& fault : HardeningFaults(*image)) ADD_FAILURE() << fault;
    std::string imports;
    for (const std::string& dll : image->imports) imports += dll + " ";
    std::printf("imports: %s\n", imports.c_str());
    EXPECT_NE(imports.find("KERNEL32.dll"), std::string::npos);
    EXPECT_EQ(imports.find("MSIMG32"), std::string::npos) << "not a known DLL: could be planted";
}

TEST(Executable, TheCheckSeesAMissingFlagOrAForeignImport) {
    std::vector<std::uint8_t> bytes = ReadAll(ProgramFile());
    ASSERT_FALSE(bytes.empty());
    const std::size_t pe = bytes[0x3C] | bytes[0x3D] << 8;
    const std::size_t characteristics = pe + 24 + 70;

    std::vector<std::uint8_t> noHighEntropy = bytes;
    noHighEntropy[characteristics] &= static_cast<std::uint8_t>(~0x20);
    const auto a = ReadPeImage(noHighEntropy);
    ASSERT_TRUE(a);
    ASSERT_EQ(HardeningFaults(*a).size(), 1u);
    EXPECT_NE(HardeningFaults(*a)[0].find("HIGH_ENTROPY_VA"), std::string::npos);

    std::vector<std::uint8_t> noNx = bytes;
    noNx[characteristics + 1] &= static_cast<std::uint8_t>(~0x01);
    EXPECT_EQ(HardeningFaults(*ReadPeImage(noNx)).size(), 1u);

    // The name of an imported DLL, changed in place.
    std::vector<std::uint8_t> foreign = bytes;
    const std::string user = "USER32.dll";
    auto at = std::search(foreign.begin(), foreign.end(), user.begin(), user.end());
    ASSERT_NE(at, foreign.end());
    const std::string planted = "LIBFOO.dll";
    std::copy(planted.begin(), planted.end(), at);
    const auto b = ReadPeImage(foreign);
    ASSERT_TRUE(b);
    ASSERT_EQ(HardeningFaults(*b).size(), 1u);
    EXPECT_NE(HardeningFaults(*b)[0].find("LIBFOO.dll"), std::string::npos);

    EXPECT_FALSE(ReadPeImage(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 200)));
}

TEST(Executable, ManifestAsksForNothingMoreAndDeclaresDpiAwareness) {
    const Resources resources;
    ASSERT_NE(resources.get(), nullptr);
    const std::string manifest(resources.Data(MAKEINTRESOURCEW(1), RT_MANIFEST));
    ASSERT_FALSE(manifest.empty());
    for (const char* part :
         {"level=\"asInvoker\"", "uiAccess=\"false\"",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "publicKeyToken=\"6595b64144ccf1df\"", "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
          "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
          ">PerMonitorV2, PerMonitor</dpiAwareness>", ">true/pm</dpiAware>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

TEST(Executable, VersionNamesTheCompanyAndTheProduct) {
    const auto info = ReadVersionInfo(ProgramFile());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->fileVersion, (std::array<std::uint16_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(info->productVersion, (std::array<std::uint16_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(info->strings.at(u"CompanyName"), u"Vortan Music");
    EXPECT_EQ(info->strings.at(u"ProductName"), u"Rytmalo 95");
    EXPECT_EQ(info->strings.at(u"ProductVersion"), u"2.0");
    EXPECT_EQ(info->strings.at(u"OriginalFilename"), u"Rytmalo95.exe");
    EXPECT_NE(info->strings.at(u"FileDescription").find(u"Délai"), std::u16string::npos);
}

TEST(Executable, IconsInTheSizesWindowsAsksFor) {
    const Resources resources;
    const std::set<IconImage> program = IconImages(resources.Data(L"MAINICON", RT_GROUP_ICON));
    EXPECT_EQ(
        program,
        (std::set<IconImage>{
            {16, 32}, {20, 32}, {24, 32}, {32, 32}, {40, 32}, {48, 32}, {64, 32}, {256, 32}}));
    EXPECT_EQ(IconImages(resources.Data(L"ICON_PREFERENCES", RT_GROUP_ICON)),
              (std::set<IconImage>{{16, 4}, {16, 8}, {32, 4}, {32, 8}, {48, 4}, {48, 8}}));
    const std::set<IconImage> about = IconImages(resources.Data(L"ICON_APROPOS", RT_GROUP_ICON));
    EXPECT_TRUE(about.count({16, 32}) && about.count({32, 32}) && about.count({48, 32}));

    // The shell shows the file's first icon: the program's.
    std::vector<std::wstring> groups;
    EnumResourceNamesW(
        resources.get(), RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
            reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(
                IS_INTRESOURCE(name) ? L"#" : name);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(resources.Data(groups.front().c_str(), RT_GROUP_ICON),
              resources.Data(L"MAINICON", RT_GROUP_ICON));

    // Each size loads (the system would scale another to the size asked).
    for (int size : {16, 24, 32, 48}) {
        auto* icon =
            static_cast<HICON>(LoadImageW(resources.get(), L"MAINICON", IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
}

TEST(Executable, GlyphsAreStripsOfANormalAndADisabledImageAtEachSize) {
    const Resources resources;
    for (const std::wstring base : {L"GLYPH_QUITTER", L"GLYPH_OK"}) {
        for (int size : {16, 20, 24, 28, 32}) {
            const std::wstring name = size == 16 ? base : base + L"_" + std::to_wstring(size);
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            auto* bitmap = static_cast<HBITMAP>(
                LoadImageW(resources.get(), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            ASSERT_NE(bitmap, nullptr);
            BITMAP info{};
            GetObjectW(bitmap, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, 2 * size);
            EXPECT_EQ(info.bmHeight, size);
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, bitmap);
            const COLORREF transparent = GetPixel(dc, 0, size - 1);
            int drawn = 0;
            int disabledColours = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    drawn += GetPixel(dc, x, y) != transparent;
                    const COLORREF d = GetPixel(dc, size + x, y);
                    disabledColours +=
                        d != transparent && d != RGB(128, 128, 128) && d != RGB(255, 255, 255);
                }
            }
            EXPECT_EQ(GetPixel(dc, 0, 0), transparent) << "the corners show the button";
            EXPECT_GT(drawn, size * size / 5);
            EXPECT_EQ(disabledColours, 0) << "the disabled image is grey";
            SelectObject(dc, old);
            DeleteDC(dc);
            DeleteObject(bitmap);
        }
    }
}

}  // namespace
}  // namespace rytmalo::testing
