// Reading the tempo box: the text becomes a signed integer the way the
// calculator has always read it, lenient about trailing junk.
#pragma once

#include <cstdint>
#include <string_view>

namespace rytmalo {

// Leading spaces are skipped; then one optional "-", "+" or "$" (hexadecimal
// digits follow a "$"); then digits. A text that ends cleanly after at least
// one digit gives its value, negated after a "-". Otherwise the result is the
// number built from the digits read before the stop, without the sign:
// "" and "abc" give 0, "12a" 12, "-5x" 5, "$FA" 250, " 99" 99. A digit that
// would overflow 32 bits counts as the stop.
std::int32_t TempoTextToInt(std::wstring_view text);

}  // namespace rytmalo
