#include "core/Utf8Text.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

std::wstring Widened(std::u8string_view utf8, std::wstring before = {}) {
    AppendWidened(before, utf8);
    return before;
}

TEST(Utf8Text, WidensEachCharacterOfOneToThreeBytesAfterWhatIsThere) {
    EXPECT_EQ(Widened(u8""), L"");
    EXPECT_EQ(Widened(u8"", L"déjà"), L"déjà");
    EXPECT_EQ(Widened(u8"Tempo/Délai : à 120, l'unité ÉÀ", L"« "),
              L"« Tempo/Délai : à 120, l'unité ÉÀ");
    // At the edges of the two- and three-byte ranges.
    EXPECT_EQ(Widened(u8"\u0080\u07FF\u0800\u2019\u202F\uFFFF"),
              L"\u0080\u07FF\u0800\u2019\u202F\uFFFF");
    EXPECT_EQ(Widened(u8"a\U0001D15Fb\U00010000"), L"a\uFFFDb\uFFFD");
}

TEST(Utf8Text, ASequenceCutShortEndsTheText) {
    const std::u8string_view whole = u8"né\u2019";
    EXPECT_EQ(Widened(whole.substr(0, 2)), L"n");
    EXPECT_EQ(Widened(whole.substr(0, 3)), L"né");
    EXPECT_EQ(Widened(whole.substr(0, 5)), L"né");
    EXPECT_EQ(Widened(whole), L"né\u2019");
    EXPECT_EQ(Widened(std::u8string_view(u8"x\U0001D15F").substr(0, 4)), L"x");
}

}  // namespace
}  // namespace tk
