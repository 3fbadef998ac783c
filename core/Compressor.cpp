#include "core/Compressor.h"

#include "core/Duration.h"
#include "core/NoteNames.h"

namespace rytmalo {

std::optional<std::array<CompressorRow, kCompressorRows>> CompressorRows(ExactTempo tempo,
                                                                         BeatUnit unit) {
    const auto whole = WholeNoteMs(tempo, unit);
    if (!whole) return std::nullopt;
    const auto part = [&](std::int64_t num, std::int64_t den) {
        return HundredthsOfMs(Scaled(*whole, num, den));
    };
    // A beat less a 1/64 note: (64 / unit − 1) / 64 of a whole, with a unit
    // of at most 16 always at least 3/64.
    const std::int64_t beatLessAttack = 64 / BeatsPerWhole(unit) - 1;
    return std::array<CompressorRow, kCompressorRows>{{
        {L"Attaque (quadruple croche)", part(1, 64)},
        {L"Attaque (triple croche)", part(1, 32)},
        {L"Relâchement (croche)", part(1, 8)},
        {L"Relâchement (noire)", part(1, 4)},
        {L"Relâchement jusqu'au temps suivant (" + std::wstring(NoteName(BeatsPerWhole(unit))) +
             L")",
         part(beatLessAttack, 64)},
    }};
}

}  // namespace rytmalo
