// Lists sharing a page's height: their rows whole when there is room.
#include "core/SharedHeights.h"

#include <numeric>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

TEST(SharedHeights, EachListItsRowsWholeWhenThereIsRoomTheRestByWeight) {
    // The reverb's four rows and the compressor's five, 20 for headings and
    // edges, 14 a row.
    const int needs[] = {20 + 4 * 14, 20 + 5 * 14};
    const int weights[] = {4, 5};
    EXPECT_EQ(SharedHeights(needs, weights, 166, 40), (std::vector<int>{76, 90}));
    EXPECT_EQ(SharedHeights(needs, weights, 184, 40), (std::vector<int>{84, 100}))
        << "18 spare: 8 and 10";
    // Short: each gives up by its weight, never below the least.
    EXPECT_EQ(SharedHeights(needs, weights, 148, 40), (std::vector<int>{68, 80}));
    EXPECT_EQ(SharedHeights(needs, weights, 20, 40), (std::vector<int>{40, 40}));
    for (int room = 100; room < 400; room += 7) {
        const auto heights = SharedHeights(needs, weights, room, 40);
        EXPECT_EQ(std::accumulate(heights.begin(), heights.end(), 0), room) << room;
    }
    const int one[] = {300};
    const int any[] = {1};
    EXPECT_EQ(SharedHeights(one, any, 120, 40), (std::vector<int>{120}));
}

}  // namespace
}  // namespace rytmalo
