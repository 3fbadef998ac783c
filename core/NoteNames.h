// The names of the plain note values, as the pages write them inside a
// row's name or heading: "Temps (noire)", "Par temps (double croche)".
#pragma once

#include <cstdint>
#include <string_view>

namespace rytmalo {

// The note that lasts 1/perWhole of a whole note: "ronde" for 1, "noire"
// for 4, "quadruple croche" for 64; empty for any other number.
std::wstring_view NoteName(std::int32_t perWhole);

}  // namespace rytmalo
