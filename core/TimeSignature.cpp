#include "core/TimeSignature.h"

#include <algorithm>
#include <iterator>

namespace rytmalo {

bool IsValidSignature(TimeSignature signature) {
    if (signature.numerator < 1 || signature.numerator > 32) return false;
    return std::ranges::find(kDenominators, signature.denominator) != std::end(kDenominators);
}

bool IsCompound(TimeSignature signature) {
    return signature.numerator >= 6 && signature.numerator % 3 == 0;
}

std::optional<ExactMs> BarMs(TimeSignature signature, ExactMs whole) {
    if (!IsValidSignature(signature)) return std::nullopt;
    return Scaled(whole, signature.numerator, signature.denominator);
}

}  // namespace rytmalo
