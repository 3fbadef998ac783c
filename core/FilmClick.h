// The film click: frames per beat written as whole frames and eighths of a
// frame, "12-2" being 12 and 2/8 frames between clicks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/ExactTempo.h"
#include "core/FrameRates.h"

namespace rytmalo {

// A click counted in eighths of a frame (98) written as "12-2".
std::wstring ClickText(std::int64_t eighths);

// A click the user typed: whole frames, optionally a dash and the eighths
// (0 to 7): "12-2", "12-0", "12"; blanks around the text and the dash are
// allowed. Nothing for anything else, for a click of 0 or beyond 99999
// frames.
std::optional<std::int64_t> ParseClick(std::wstring_view text);

// The tempo at which a beat lasts the click at the rate, to the nearest
// hundredth ("12-2" at 24 frames per second is 117.55). Nothing for a click
// of 0 or less or a tempo outside 10 to 250.
std::optional<ExactTempo> TempoOfClick(std::int64_t eighths, const FrameRate& rate);

}  // namespace rytmalo
