#include "core/TimeSignature.h"

namespace rytmalo {

bool IsValidSignature(TimeSignature signature) {
    if (signature.numerator < 1 || signature.numerator > 32) return false;
    switch (signature.denominator) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 32: return true;
        default: return false;
    }
}

bool IsCompound(TimeSignature signature) {
    return signature.numerator >= 6 && signature.numerator % 3 == 0;
}

std::optional<ExactMs> BarMs(TimeSignature signature, ExactMs whole) {
    if (!IsValidSignature(signature)) return std::nullopt;
    return Scaled(whole, signature.numerator, signature.denominator);
}

}  // namespace rytmalo
