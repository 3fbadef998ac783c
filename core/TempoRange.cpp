#include "core/TempoRange.h"

#include "core/DecimalText.h"

namespace rytmalo {

std::wstring TempoRangeWarning() {
    return L"La plage de valeurs de Tempo doit être comprise entre " + tk::DecimalText(kMinTempo) +
           L" et " + tk::DecimalText(kMaxTempo) + L" ...";
}

std::wstring TempoRangeText() {
    return L"de " + tk::DecimalText(kMinTempo) + L" à " + tk::DecimalText(kMaxTempo);
}

}  // namespace rytmalo
