#include "core/LibraryMessage.h"

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tk {
namespace {

struct Formatted {
    std::string ours;
    std::string reference;  // the C library's, where it reads the format too
};

// The message written into `room` bytes, checked to end in its NUL, and the
// C library's for the same arguments.
Formatted Format(std::size_t room, const char* format, ...) {
    std::vector<char> ours(room + 1, '#');
    std::vector<char> reference(room + 1, '#');
    va_list args;
    va_list copy;
    va_start(args, format);
    va_copy(copy, args);
    const std::size_t length =
        FormatLibraryMessage(std::span<char>(ours.data(), room), format, args);
    std::vsnprintf(reference.data(), room, format, copy);
    va_end(copy);
    va_end(args);
    EXPECT_EQ(ours[room], '#') << "written past its room";
    if (room == 0) {
        EXPECT_EQ(length, 0u);
        EXPECT_EQ(ours[0], '#') << "written into no room";
        return {};
    }
    EXPECT_EQ(std::strlen(ours.data()), length) << "the NUL right after the message";
    return {std::string(ours.data(), length), reference.data()};
}

// Each conversion at its edges writes what the C library writes.
TEST(LibraryMessage, EachConversionWritesWhatTheCLibraryWrites) {
    for (const std::size_t n : {std::size_t{0}, std::size_t{9}, std::size_t{10}, std::size_t{100},
                                std::size_t{4294967296}, SIZE_MAX}) {
        const Formatted f = Format(64, "[%zu]", n);
        EXPECT_EQ(f.ours, f.reference);
    }
    for (const int n : {0, 1, -1, 42, -42, INT_MAX, INT_MIN}) {
        const Formatted f = Format(64, "%d %i %u", n, n, static_cast<unsigned>(n));
        EXPECT_EQ(f.ours, f.reference);
    }
    for (const long n : {0L, -7L, LONG_MAX, LONG_MIN}) {
        const Formatted f = Format(64, "%ld %li %lu", n, n, static_cast<unsigned long>(n));
        EXPECT_EQ(f.ours, f.reference);
    }
    for (const long long n : {0LL, -7LL, LLONG_MAX, LLONG_MIN}) {
        const Formatted f = Format(64, "%lld|%llu", n, static_cast<unsigned long long>(n));
        EXPECT_EQ(f.ours, f.reference);
    }
    const Formatted signedSize = Format(64, "%zd", static_cast<std::ptrdiff_t>(PTRDIFF_MIN));
    EXPECT_EQ(signedSize.ours, signedSize.reference);
    const Formatted named = Format(64, "%s: %zu%% of %s%s", "substr", std::size_t{10}, "", "x");
    EXPECT_EQ(named.ours, "substr: 10% of x");
    EXPECT_EQ(Format(64, "%s", nullptr).ours, "(null)");
}

// Cut where the C library cuts, down to no room at all.
TEST(LibraryMessage, ALongMessageIsCutToItsRoom) {
    for (std::size_t room = 0; room <= 24; ++room) {
        const Formatted f =
            Format(room, "at: __n (which is %zu) >= %s", std::size_t{123456}, "size");
        EXPECT_EQ(f.ours, f.reference) << room;
    }
}

// What it cannot read is kept as it stands, and nothing after it is read.
TEST(LibraryMessage, AnUnknownConversionKeepsTheRestOfTheFormat) {
    EXPECT_EQ(Format(64, "%zu then %x then %zu", std::size_t{5}, 6, std::size_t{7}).ours,
              "5 then %x then %zu");
    EXPECT_EQ(Format(64, "wide %ls, %zu", L"x", std::size_t{7}).ours, "wide %ls, %zu");
    EXPECT_EQ(Format(64, "%z%").ours, "%z%");
    EXPECT_EQ(Format(64, "ends in %ll").ours, "ends in %ll");
}

}  // namespace
}  // namespace tk
