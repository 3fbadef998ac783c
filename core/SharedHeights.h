// Lists one under the other sharing a height: each is given what it needs
// to show its rows whole when there is room, what room is left going to
// them by their weights; when there is not, each gives up height by its
// weight, never below the least a list keeps. No window needed.
#pragma once

#include <span>
#include <vector>

namespace rytmalo {

std::vector<int> SharedHeights(std::span<const int> needs, std::span<const int> weights, int room,
                               int least);

}  // namespace rytmalo
