// The pages of the detailed view, in the order of their tabs. What each
// page is, shows and is called is its row in the page table (DetailPages).
#pragma once

#include <cstdint>

namespace rytmalo {

enum class PageId : std::uint8_t { Values, Bars, Mixing, Picture, Loops };

inline constexpr std::size_t kPageCount = 5;

constexpr std::size_t IndexOf(PageId page) { return static_cast<std::size_t>(page); }

}  // namespace rytmalo
