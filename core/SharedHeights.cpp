#include "core/SharedHeights.h"

#include <algorithm>
#include <numeric>

namespace rytmalo {

std::vector<int> SharedHeights(std::span<const int> needs, std::span<const int> weights, int room,
                               int least) {
    const int count = static_cast<int>(needs.size());
    const int total = std::accumulate(needs.begin(), needs.end(), 0);
    const int weightSum = std::accumulate(weights.begin(), weights.end(), 0);
    std::vector<int> heights(needs.begin(), needs.end());
    if (count == 0 || weightSum <= 0) return heights;
    // Shared out by cumulative weights, so that the parts add up exactly.
    const int spare = room - total;
    int weightBefore = 0;
    int given = 0;
    for (int i = 0; i < count; ++i) {
        weightBefore += weights[static_cast<std::size_t>(i)];
        const int part =
            static_cast<int>(static_cast<long long>(spare) * weightBefore / weightSum) - given;
        given += part;
        heights[static_cast<std::size_t>(i)] =
            std::max(least, heights[static_cast<std::size_t>(i)] + part);
    }
    return heights;
}

}  // namespace rytmalo
