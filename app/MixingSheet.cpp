#include "app/PageSheets.h"
#include "app/SheetParts.h"
#include "core/Compressor.h"
#include "core/Reverb.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

FigureRows ReverbOf(ExactTempo tempo, BeatUnit unit, TimeSignature signature, PreDelay preDelay,
                    const tk::NumberStyle& style) {
    FigureRows rows;
    if (const auto reverb = ReverbRows(tempo, unit, signature, preDelay)) {
        for (const ReverbRow& r : *reverb) {
            rows.push_back(
                {std::wstring(r.name), tk::FormatFixed(r.preDelayHundredthsOfMs, 2, style),
                 r.decayHundredthsOfMs ? tk::FormatFixed(*r.decayHundredthsOfMs, 2, style) : L"—",
                 tk::FormatFixed(r.wholeHundredthsOfMs, 2, style)});
        }
    }
    return rows;
}

FigureRows CompressorOf(ExactTempo tempo, BeatUnit unit, const tk::NumberStyle& style) {
    FigureRows rows;
    if (const auto compressor = CompressorRows(tempo, unit)) {
        for (const CompressorRow& r : *compressor)
            rows.push_back({r.name, tk::FormatFixed(r.hundredthsOfMs, 2, style)});
    }
    return rows;
}

FigureRows Reverb(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    return ReverbOf(*context.tempo, context.unit, context.settings.signature,
                    context.settings.preDelay, style);
}

FigureRows WidestReverb(const tk::NumberStyle& style) {
    return ReverbOf(kSlowestTempo, 16, {32, 1}, PreDelay::Of16, style);
}

FigureRows Compressor(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    return CompressorOf(*context.tempo, context.unit, style);
}

// Every beat's name; the longest times with the sixteenth as beat.
FigureRows WidestCompressor(const tk::NumberStyle& style) {
    FigureRows rows;
    for (const BeatUnit unit : {16, 8, 4, 2}) {
        for (auto& row : CompressorOf(kSlowestTempo, unit, style)) rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<Choice> PreDelays(const DetailSettings&, const tk::NumberStyle&) {
    std::vector<Choice> choices;
    for (std::uint8_t i = 0; i < kPreDelayCount; ++i)
        choices.push_back({std::wstring(PreDelayName(static_cast<PreDelay>(i))), i});
    return choices;
}

constexpr tk::ListColumn kReverbColumns[] = {{L"Réverbération", 120},
                                             {L"Pré-délai (ms)", 70, tk::Alignment::Right},
                                             {L"Déclin (ms)", 70, tk::Alignment::Right},
                                             {L"Longueur (ms)", 70, tk::Alignment::Right}};
constexpr tk::ListColumn kCompresseurColumns[] = {{L"Compresseur", 200},
                                                  {L"ms", 70, tk::Alignment::Right}};

PageSheet Make() {
    using namespace tk;
    return {
        .controls =
            {
                DetailLabel("lblPreDelai", 1140, "tabMixage", Bounds(4, 7, 56, 13),
                            L"&Pré-délai :"),
                DetailCombo("cboPreDelai", 1141, "tabMixage", Bounds(62, 3, 110, 21), kMixingHelp,
                            0,
                            L"Le pré-délai de la réverbération : selon sa taille, ou le même pour "
                            L"toutes"),
                DetailFigures("lvwReverb", 1142, "tabMixage",
                              Bounds(4, kPageSettingsHeight, 357, 84), kMixingHelp, 1,
                              L"Réverbération en mesure avec le morceau ; Ctrl+C copie",
                              kReverbColumns),
                DetailFigures("lvwCompresseur", 1143, "tabMixage",
                              Bounds(4, kPageSettingsHeight + 88, 357, 100), kMixingHelp, 2,
                              L"Attaque et relâchement du compresseur sur le temps ; Ctrl+C copie",
                              kCompresseurColumns),
            },
        .listsTop = kPageSettingsHeight,
        .lists = {{"lvwReverb", Reverb, WidestReverb, nullptr, true, 4},
                  {"lvwCompresseur", Compressor, WidestCompressor, nullptr, false, 5}},
        .settings = {{"cboPreDelai", L"PreDelai", PreDelays}},
    };
}

}  // namespace

const PageSheet& MixingSheet() {
    static const PageSheet sheet = Make();
    return sheet;
}

}  // namespace rytmalo
