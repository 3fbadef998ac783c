#include "core/NoteNames.h"

namespace rytmalo {

std::wstring_view NoteName(std::int32_t perWhole) {
    switch (perWhole) {
        case 1: return L"ronde";
        case 2: return L"blanche";
        case 4: return L"noire";
        case 8: return L"croche";
        case 16: return L"double croche";
        case 32: return L"triple croche";
        case 64: return L"quadruple croche";
        default: return {};
    }
}

}  // namespace rytmalo
