// The fonts of layout font descriptions: one font for each face, height,
// style and resolution, made as described.
#include <gtest/gtest.h>

#include "toolkit/FontCache.h"

namespace tk::testing {
namespace {

LOGFONTW Described(HFONT font) {
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

TEST(FontCache, OneFontForEachFaceHeightStyleAndResolution) {
    FontCache cache;
    const FontSpec plain{L"MS Sans Serif", -11, 0, clWindowText};
    const HFONT first = cache.Get(plain, 96);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.Get(plain, 96), first);
    // The colour is drawn with the text, not part of the font.
    EXPECT_EQ(cache.Get({L"MS Sans Serif", -11, 0, clYellow}, 96), first);

    const HFONT others[] = {cache.Get({L"Tahoma", -11, 0, clWindowText}, 96),
                            cache.Get({L"MS Sans Serif", -13, 0, clWindowText}, 96),
                            cache.Get({L"MS Sans Serif", -11, fsBold, clWindowText}, 96),
                            cache.Get(plain, 144)};
    for (const HFONT other : others) EXPECT_NE(other, first);
    EXPECT_EQ(cache.Get({L"MS Sans Serif", -11, fsBold, clWindowText}, 96), others[2]);
    EXPECT_EQ(cache.Get(plain, 144), others[3]);
}

TEST(FontCache, AFontIsMadeAsDescribedAtItsResolution) {
    FontCache cache;
    const LOGFONTW lf =
        Described(cache.Get({L"Tahoma", -13, fsBold | fsItalic | fsStrikeOut, clWindowText}, 144));
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
    EXPECT_EQ(lf.lfHeight, -20);  // 13 pixels at 96 dpi, rounded at 144
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_FALSE(lf.lfUnderline);
    EXPECT_TRUE(lf.lfStrikeOut);

    const LOGFONTW other = Described(cache.Get({L"Tahoma", -11, fsUnderline, clWindowText}, 96));
    EXPECT_EQ(other.lfHeight, -11);
    EXPECT_EQ(other.lfWeight, FW_NORMAL);
    EXPECT_FALSE(other.lfItalic);
    EXPECT_TRUE(other.lfUnderline);
    EXPECT_FALSE(other.lfStrikeOut);
}

}  // namespace
}  // namespace tk::testing
