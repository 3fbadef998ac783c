#include "core/Reverb.h"

#include "core/Duration.h"

namespace rytmalo {
namespace {

// A pre-delay as the fraction of a whole note (1/per); per 0 is none.
std::int64_t PreDelayPer(PreDelay choice, std::size_t size) {
    switch (choice) {
        case PreDelay::None: return 0;
        case PreDelay::Of256: return 256;
        case PreDelay::Of128: return 128;
        case PreDelay::Of64: return 64;
        case PreDelay::Of32: return 32;
        case PreDelay::Of16: return 16;
        default: return std::int64_t{256} >> size;
    }
}

}  // namespace

std::wstring_view PreDelayName(PreDelay choice) {
    switch (choice) {
        case PreDelay::None: return L"Aucun";
        case PreDelay::Of256: return L"1/256";
        case PreDelay::Of128: return L"1/128";
        case PreDelay::Of64: return L"1/64";
        case PreDelay::Of32: return L"1/32";
        case PreDelay::Of16: return L"1/16";
        default: return L"Selon la taille";
    }
}

std::optional<std::array<ReverbRow, kReverbSizes>> ReverbRows(ExactTempo tempo, BeatUnit unit,
                                                              TimeSignature signature,
                                                              PreDelay preDelay) {
    const auto whole = WholeNoteMs(tempo, unit);
    if (!whole || !IsValidSignature(signature) || !IsPreDelay(static_cast<int>(preDelay)))
        return std::nullopt;
    const ExactMs bar = *BarMs(signature, *whole);
    struct Size {
        std::wstring_view name;
        ExactMs length;
    };
    const std::array<Size, kReverbSizes> sizes{{
        {L"Petite salle (noire)", Scaled(*whole, 1, 4)},
        {L"Salle moyenne (blanche)", Scaled(*whole, 1, 2)},
        {L"Grande salle (une mesure)", bar},
        {L"Cathédrale (deux mesures)", Scaled(bar, 2, 1)},
    }};
    std::array<ReverbRow, kReverbSizes> rows{};
    for (std::size_t i = 0; i < kReverbSizes; ++i) {
        const std::int64_t per = PreDelayPer(preDelay, i);
        const ExactMs pre = per == 0 ? ExactMs{0, 1} : Scaled(*whole, 1, per);
        std::optional<std::int64_t> decay;
        if (Compare(pre, sizes[i].length) < 0) {
            // length − pre as one fraction, rounded once.
            decay = RoundedQuotient(Wide{100} * (Wide{sizes[i].length.num} * pre.den -
                                                 Wide{pre.num} * sizes[i].length.den),
                                    Wide{sizes[i].length.den} * pre.den);
        }
        rows[i] = {sizes[i].name, HundredthsOfMs(pre), decay, HundredthsOfMs(sizes[i].length)};
    }
    return rows;
}

}  // namespace rytmalo
