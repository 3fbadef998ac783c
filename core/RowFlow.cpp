#include "core/RowFlow.h"

#include <algorithm>

namespace tk {
namespace {

bool SameRow(const TRect& a, const TRect& b) { return a.Top < b.Bottom && b.Top < a.Bottom; }

}  // namespace

std::vector<int> FlowedLefts(std::span<const RowItem> items) {
    std::vector<int> lefts(items.size());
    // By laid-out left, in listed order among equals; a row holds a few
    // items, inserted one by one.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto at = order.begin();
        while (at != order.end() && items[*at].laidOut.Left <= items[i].laidOut.Left) ++at;
        order.insert(at, i);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const RowItem& item = items[order[i]];
        int left = item.laidOut.Left;
        // The nearest before it in its row.
        for (std::size_t j = i; j-- > 0;) {
            const RowItem& before = items[order[j]];
            if (!SameRow(before.laidOut, item.laidOut)) continue;
            const int gap = item.laidOut.Left - before.laidOut.Right;
            left = std::max(left, lefts[order[j]] + before.width + gap);
            break;
        }
        lefts[order[i]] = left;
    }
    return lefts;
}

int FlowedRight(std::span<const RowItem> items) {
    const std::vector<int> lefts = FlowedLefts(items);
    int right = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        right = std::max(right, lefts[i] + items[i].width);
    return right;
}

}  // namespace tk
