// The page "Mixage", compressor: attack and release times on note values,
// and a release that ends on the next beat.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"

namespace rytmalo {

struct CompressorRow {
    std::wstring name;  // "Attaque (quadruple croche)"...
    std::int64_t hundredthsOfMs;
};

inline constexpr std::size_t kCompressorRows = 5;

// Attack at a 1/64 and a 1/32 note, release at a 1/8 and a 1/4 note, and a
// release of one beat (1/unit of a whole, the main window's unit, which
// its name says) less the 1/64-note attack, so that the gain is back by
// the next beat. Nothing for a tempo outside 10 to 250.
std::optional<std::array<CompressorRow, kCompressorRows>> CompressorRows(ExactTempo tempo,
                                                                         BeatUnit unit);

}  // namespace rytmalo
