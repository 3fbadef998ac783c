// Reading a version resource: the fixed version, the strings of its tables,
// and telling the help engine's stub from a help engine.
#include "core/VersionInfo.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Word(Bytes& b, std::uint16_t w) {
    b.push_back(static_cast<std::uint8_t>(w));
    b.push_back(static_cast<std::uint8_t>(w >> 8));
}
void Pad(Bytes& b) {
    while (b.size() % 4) b.push_back(0);
}

// One block as the resource compiler lays it out: length, value length,
// type, key, padding, value, padding, children.
Bytes Block(const std::u16string& key, const Bytes& value, std::uint16_t valueLength, bool text,
            const std::vector<Bytes>& children) {
    Bytes b(6, 0);
    for (char16_t c : key) Word(b, c);
    Word(b, 0);
    Pad(b);
    b.insert(b.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        Pad(b);
        b.insert(b.end(), child.begin(), child.end());
    }
    b[0] = static_cast<std::uint8_t>(b.size());
    b[1] = static_cast<std::uint8_t>(b.size() >> 8);
    b[2] = static_cast<std::uint8_t>(valueLength);
    b[3] = static_cast<std::uint8_t>(valueLength >> 8);
    b[4] = text ? 1 : 0;
    return b;
}

Bytes Text(const std::u16string& key, const std::u16string& value) {
    Bytes v;
    for (char16_t c : value) Word(v, c);
    Word(v, 0);
    return Block(key, v, static_cast<std::uint16_t>(value.size() + 1), true, {});
}

Bytes Resource(const std::vector<Bytes>& strings, std::uint16_t major = 2,
               std::uint16_t minor = 0) {
    Bytes fixed;
    const std::uint32_t words[13] = {0xFEEF04BD,
                                     0x00010000,
                                     static_cast<std::uint32_t>(major) << 16 | minor,
                                     0x00030004,
                                     static_cast<std::uint32_t>(major) << 16 | minor,
                                     0,
                                     0x3F,
                                     0,
                                     0x40004,
                                     1,
                                     0,
                                     0,
                                     0};
    for (std::uint32_t w : words) {
        Word(fixed, static_cast<std::uint16_t>(w));
        Word(fixed, static_cast<std::uint16_t>(w >> 16));
    }
    Bytes translation;
    Word(translation, 0x040C);
    Word(translation, 1200);
    return Block(
        u"VS_VERSION_INFO", fixed, static_cast<std::uint16_t>(fixed.size()), false,
        {Block(u"StringFileInfo", {}, 0, true, {Block(u"040C04B0", {}, 0, true, strings)}),
         Block(u"VarFileInfo", {}, 0, true, {Block(u"Translation", translation, 4, false, {})})});
}

TEST(VersionInfo, ReadsTheFixedVersionAndEveryString) {
    const Bytes data = Resource({Text(u"CompanyName", u"Vortan Music"),
                                 Text(u"ProductName", u"Rytmalo 95"), Text(u"Comments", u"")});
    const auto info = ParseVersionInfo(data);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->fileVersion, (std::array<std::uint16_t, 4>{2, 0, 3, 4}));
    EXPECT_EQ(info->productVersion, (std::array<std::uint16_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(info->strings.at(u"CompanyName"), u"Vortan Music");
    EXPECT_EQ(info->strings.at(u"ProductName"), u"Rytmalo 95");
    EXPECT_EQ(info->strings.at(u"Comments"), u"");
    EXPECT_EQ(info->strings.count(u"Translation"), 0u) << "binary values are no strings";
}

TEST(VersionInfo, RefusesWhatIsNoVersionResource) {
    Bytes data = Resource({Text(u"ProductName", u"Rytmalo 95")});
    EXPECT_FALSE(ParseVersionInfo(Bytes(data.begin(), data.begin() + 40))) << "cut short";
    EXPECT_FALSE(ParseVersionInfo({}));
    Bytes wrongKey = data;
    wrongKey[6] = 'W';
    EXPECT_FALSE(ParseVersionInfo(wrongKey));
    Bytes tooLong = data;
    tooLong[0] = 0xFF;
    tooLong[1] = 0xFF;
    EXPECT_FALSE(ParseVersionInfo(tooLong)) << "a length past the end";
}

// Real resources nest four levels; a file nested thousands deep must not
// run the reader out of stack.
TEST(VersionInfo, RefusesBlocksNestedDeeperThanAVersionResourceGoes) {
    const auto nested = [](int depth) {
        Bytes b = Block(u"", {}, 0, true, {});
        for (int i = 1; i < depth; ++i) b = Block(u"", {}, 0, true, {b});
        return Block(u"VS_VERSION_INFO", {}, 0, false, {b});
    };
    EXPECT_TRUE(ParseVersionInfo(nested(4)));
    EXPECT_FALSE(ParseVersionInfo(nested(12)));
    EXPECT_FALSE(ParseVersionInfo(nested(7000)));
}

TEST(VersionInfo, TheStubOfLaterWindowsIsNoHelpEngine) {
    const auto stub = ParseVersionInfo(Resource({Text(u"FileDescription", u"Windows Winhlp32 Stub"),
                                                 Text(u"OriginalFilename", u"WINHSTB.EXE")},
                                                10, 0));
    ASSERT_TRUE(stub);
    EXPECT_TRUE(IsWinHelpStub(*stub));
    const auto renamed = ParseVersionInfo(Resource({Text(u"OriginalFilename", u"winhstb.exe")}));
    EXPECT_TRUE(IsWinHelpStub(*renamed));
    const auto engine = ParseVersionInfo(Resource(
        {Text(u"FileDescription", u"Windows Winhelp"), Text(u"OriginalFilename", u"WINHLP32.EXE")},
        5, 1));
    EXPECT_FALSE(IsWinHelpStub(*engine));
    EXPECT_FALSE(IsWinHelpStub(VersionInfo{}));
}

}  // namespace
}  // namespace rytmalo
