#include <cstdlib>

#include "app/DetailText.h"
#include "app/PageSheets.h"
#include "app/SheetParts.h"
#include "core/DecimalText.h"
#include "core/LfoRates.h"
#include "core/Loops.h"
#include "core/TempoRange.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

constexpr std::string_view kLength = "txtLongueur";

// "+5,00 %", "−0,50 %": a signed figure, with a true minus.
std::wstring Signed(std::int64_t scaled, int decimals, const tk::NumberStyle& style) {
    return (scaled < 0 ? L"−" : L"+") + tk::FormatFixed(std::llabs(scaled), decimals, style);
}

// The length last entered, read in the unit shown.
std::optional<ExactMs> LengthOf(const FigureContext& context, const tk::NumberStyle& style) {
    const std::wstring text = context.Entered(kLength);
    if (text.empty()) return std::nullopt;
    return ParseLength(text, context.settings.lengthUnit, context.settings.rates, style);
}

// A tempo of the range, or what side of it a tempo lies.
std::wstring LoopTempoText(const LoopRow& row, const tk::NumberStyle& style) {
    if (row.inRange) return TempoText(static_cast<ExactTempo>(row.hundredths), style);
    return row.hundredths < kSlowestTempo ? L"moins de 10" : L"plus de 250";
}

std::wstring CountName(const LoopRow& row) {
    if (row.kind == LoopCount::Beats) return tk::DecimalText(row.count) + L" temps";
    return tk::DecimalText(row.count) + (row.count == 1 ? L" mesure" : L" mesures");
}

FigureRows Loops(const FigureContext& context, const tk::NumberStyle& style) {
    const auto length = LengthOf(context, style);
    if (!length) return {};
    const auto rows = LoopRows(*length, context.settings.signature, context.unit);
    if (!rows) return {};
    FigureRows figures;
    for (const LoopRow& row : *rows) figures.push_back({CountName(row), LoopTempoText(row, style)});
    return figures;
}

std::vector<std::optional<ExactTempo>> LoopTempos(const FigureContext& context,
                                                  const tk::NumberStyle& style) {
    std::vector<std::optional<ExactTempo>> tempos;
    const auto length = LengthOf(context, style);
    if (!length) return tempos;
    if (const auto rows = LoopRows(*length, context.settings.signature, context.unit)) {
        for (const LoopRow& row : *rows) {
            tempos.push_back(row.inRange ? std::optional(static_cast<ExactTempo>(row.hundredths))
                                         : std::nullopt);
        }
    }
    return tempos;
}

FigureRows WidestLoops(const tk::NumberStyle& style) {
    FigureRows rows;
    for (const std::int32_t count : {1, 2, 4})
        rows.push_back({tk::DecimalText(count) + L" temps", L"moins de 10"});
    for (std::int32_t count = 1; count <= 32; count *= 2) {
        rows.push_back(
            {tk::DecimalText(count) + (count == 1 ? L" mesure" : L" mesures"), L"plus de 250"});
    }
    rows.push_back({L"1 mesure", TempoText(24888, style)});
    return rows;
}

// "Longueur 8 000 ms, à la noire, mesure 4/4"
std::wstring LoopsTitle(const FigureContext& context, const tk::NumberStyle&) {
    return L"Longueur " + context.Entered(kLength) + L" à la " + BeatName(context.unit);
}

// "+1", "−0,5": a shift in semitones, no more decimals than it has.
std::wstring ShiftText(std::int32_t shift, const tk::NumberStyle& style) {
    return (shift < 0 ? L"−" : L"+") + TrimmedText(std::abs(shift), 2, style);
}

// Singular below two, as French counts.
std::wstring Semitones(std::int64_t thousandths, const tk::NumberStyle& style) {
    return Signed(thousandths, 3, style) +
           (std::llabs(thousandths) < 2000 ? L" demi-ton" : L" demi-tons");
}

struct ChangeLine {
    std::wstring name;
    std::wstring figure;
    std::optional<ExactTempo> tempo;
};

std::vector<ChangeLine> ChangeLines(const FigureContext& context, const tk::NumberStyle& style) {
    std::vector<ChangeLine> lines;
    if (!context.tempo) return lines;
    const DetailSettings& s = context.settings;
    if (s.targetTempo != 0) {
        if (const auto change = ChangeBetween(*context.tempo, s.targetTempo)) {
            lines.push_back({L"Vers le tempo", TempoText(s.targetTempo, style), s.targetTempo});
            lines.push_back({L"Longueur (rapport)", tk::FormatFixed(change->lengthRatio, 4, style),
                             std::nullopt});
            lines.push_back(
                {L"Vitesse", Signed(change->speedPercent, 2, style) + L" %", std::nullopt});
            lines.push_back(
                {L"Hauteur (varispeed)", Semitones(change->pitch, style), std::nullopt});
            lines.push_back(
                {L"Hauteur en cents", Signed(change->pitch, 1, style) + L" cents", std::nullopt});
        }
    }
    if (s.shift != 0) {
        lines.push_back(
            {L"Décalage",
             ShiftText(s.shift, style) + (std::abs(s.shift) < 200 ? L" demi-ton" : L" demi-tons"),
             std::nullopt});
        const std::wstring name = L"Tempo du décalage";
        if (const auto tempo = TempoShiftedBy(*context.tempo, s.shift)) {
            lines.push_back({name, TempoText(*tempo, style), *tempo});
        } else {
            lines.push_back({name, L"hors de la plage " + TempoRangeText(), std::nullopt});
        }
    }
    return lines;
}

FigureRows Changes(const FigureContext& context, const tk::NumberStyle& style) {
    FigureRows rows;
    for (const ChangeLine& line : ChangeLines(context, style))
        rows.push_back({line.name, line.figure});
    return rows;
}

std::vector<std::optional<ExactTempo>> ChangeTempos(const FigureContext& context,
                                                    const tk::NumberStyle& style) {
    std::vector<std::optional<ExactTempo>> tempos;
    for (const ChangeLine& line : ChangeLines(context, style)) tempos.push_back(line.tempo);
    return tempos;
}

// Between 10 and 250 the pitch moves at most 55,726 semitones; the speed
// grows at most 2400 %; the ratio is at most 25.
FigureRows WidestChanges(const tk::NumberStyle& style) {
    return {{L"Vers le tempo", TempoText(24888, style)},
            {L"Longueur (rapport)", tk::FormatFixed(250000, 4, style)},
            {L"Vitesse", Signed(240000, 2, style) + L" %"},
            {L"Hauteur (varispeed)", Semitones(-55726, style)},
            {L"Hauteur en cents", Signed(-55726, 1, style) + L" cents"},
            {L"Décalage", ShiftText(-2399, style) + L" demi-tons"},
            {L"Tempo du décalage", L"hors de la plage " + TempoRangeText()}};
}

FigureRows SwungPairs(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    const auto swing = SwingAt(context.settings.swing, *context.tempo, context.unit);
    if (!swing) return {};
    const auto row = [&](std::wstring name, const SwungPair& pair) {
        return std::vector<std::wstring>{std::move(name), tk::FormatFixed(pair.longNote, 2, style),
                                         tk::FormatFixed(pair.shortNote, 2, style),
                                         tk::FormatFixed(pair.lateness, 2, style)};
    };
    return {row(L"Croches", swing->eighths), row(L"Doubles croches", swing->sixteenths)};
}

// The longest at the slowest tempo with the shortest beat, the hardest
// swing.
FigureRows WidestSwing(const tk::NumberStyle& style) {
    FigureContext context{.tempo = kSlowestTempo, .unit = 16};
    context.settings.swing = kHardestSwing;
    return SwungPairs(context, style);
}

// "Swing à 60 %, croches et doubles croches"
Headings SwingHeadings(const FigureContext& context, const tk::NumberStyle& style) {
    const std::wstring swing = L"Swing " + TrimmedText(context.settings.swing, 2, style) + L" %";
    return {{swing, L"Longue (ms)", L"Brève (ms)", L"Retard (ms)"},
            {swing, L"Longue (ms)", L"Brève (ms)", L"Retard (ms)"}};
}

FigureRows Lfo(const FigureContext& context, const tk::NumberStyle& style) {
    if (!context.tempo) return {};
    FigureRows rows;
    for (const LfoPeriod& period : LfoPeriods()) {
        const auto f = LfoAt(period, *context.tempo, context.unit, context.settings.signature);
        if (!f) return {};
        rows.push_back({std::wstring(period.name),
                        tk::FormatFixed(f->hertz.scaled, f->hertz.decimals, style),
                        tk::FormatFixed(f->cyclesPerBar.scaled, f->cyclesPerBar.decimals, style)});
    }
    return rows;
}

FigureRows WidestLfo(const tk::NumberStyle& style) {
    FigureRows rows;
    for (const TimeSignature signature : {TimeSignature{32, 1}, TimeSignature{1, 32}}) {
        for (const ExactTempo tempo : {kSlowestTempo, kFastestTempo}) {
            for (const BeatUnit unit : {BeatUnit{2}, BeatUnit{16}}) {
                FigureContext context{.tempo = tempo, .unit = unit};
                context.settings.signature = signature;
                for (auto& row : Lfo(context, style)) rows.push_back(std::move(row));
            }
        }
    }
    return rows;
}

// Samples at the two rates the pages' sample columns have.
std::vector<Choice> LengthUnits(const DetailSettings& settings, const tk::NumberStyle& style) {
    return {{L"millisecondes", 0},
            {L"secondes", 1},
            {L"min:s", 2},
            {L"échantillons à " + RateName(settings.rates.first, style), 3},
            {L"échantillons à " + RateName(settings.rates.second, style), 4}};
}

std::optional<std::wstring> RefusesLength(std::wstring_view text, const FigureContext& context,
                                          const tk::NumberStyle& style) {
    if (text.empty()) return std::nullopt;
    const DetailSettings& s = context.settings;
    if (ParseLength(text, s.lengthUnit, s.rates, style)) return std::nullopt;
    const std::wstring most = tk::FormatFixed(LongestLength(s.lengthUnit, s.rates), 0, style);
    std::wstring said;
    switch (s.lengthUnit) {
        case LengthUnit::Milliseconds:
            said = L"de millisecondes, jusqu'à " + most +
                   L" (24 heures), par exemple 8000 ou 2000" + style.decimal + L"5";
            break;
        case LengthUnit::Seconds:
            said = L"de secondes, jusqu'à " + most + L" (24 heures), par exemple 8 ou 2" +
                   style.decimal + L"5";
            break;
        case LengthUnit::MinutesSeconds:
            said = L"de minutes et secondes, jusqu'à 24 heures, par exemple 1:23" + style.decimal +
                   L"5";
            break;
        default: {
            const std::int32_t rate =
                s.lengthUnit == LengthUnit::SamplesFirst ? s.rates.first : s.rates.second;
            said = L"d'échantillons à " + RateName(rate, style) + L", jusqu'à " + most +
                   L" (24 heures), par exemple 352800";
        }
    }
    return L"La longueur doit être un nombre positif " + said + L".";
}

std::optional<std::wstring> RefusesTarget(std::wstring_view text, const FigureContext&,
                                          const tk::NumberStyle& style) {
    if (text.empty() || ParseTempo(text, style)) return std::nullopt;
    return L"Le tempo visé doit être un nombre " + TempoRangeText() + L", par exemple 126 ou 117" +
           style.decimal + L"55.";
}
std::int32_t TargetOf(std::wstring_view text, const tk::NumberStyle& style) {
    return text.empty() ? 0 : ParseTempo(text, style).value_or(0);
}
std::wstring TargetText(std::int32_t tempo, const tk::NumberStyle& style) {
    return tempo == 0 ? L"" : TempoText(tempo, style);
}

std::optional<std::wstring> RefusesShift(std::wstring_view text, const FigureContext&,
                                         const tk::NumberStyle& style) {
    if (text.empty() || ParseShift(text, style)) return std::nullopt;
    return L"Le décalage doit être un nombre de demi-tons de −24 à +24, par exemple 1 ou −0" +
           style.decimal + L"5.";
}
std::int32_t ShiftOf(std::wstring_view text, const tk::NumberStyle& style) {
    return text.empty() ? 0 : ParseShift(text, style).value_or(0);
}
std::wstring ShiftBoxText(std::int32_t shift, const tk::NumberStyle& style) {
    if (shift == 0) return L"";
    return (shift < 0 ? L"−" : L"") + TrimmedText(std::abs(shift), 2, style);
}

std::optional<std::wstring> RefusesSwing(std::wstring_view text, const FigureContext&,
                                         const tk::NumberStyle& style) {
    if (ParseSwing(text, style)) return std::nullopt;
    return L"Le swing doit être un pourcentage de 50 à 75, par exemple 60 ou 66" + style.decimal +
           L"67.";
}
std::int32_t SwingOf(std::wstring_view text, const tk::NumberStyle& style) {
    return ParseSwing(text, style).value_or(kStraightSwing);
}
std::wstring SwingText(std::int32_t swing, const tk::NumberStyle& style) {
    return TrimmedText(swing, 2, style);
}

tk::ControlLayout Box(std::string_view name, int id, tk::TRect bounds, int help, int tab,
                      std::wstring_view hint, int length) {
    tk::ControlLayout box =
        DetailInput(tk::ControlKind::Edit, name, id, "tabBoucles", bounds, help, tab, hint);
    box.maxLength = length;
    return box;
}

constexpr tk::ListColumn kBoucleColumns[] = {{L"Durée", 80}, {L"Tempo", 80, tk::Alignment::Right}};
constexpr tk::ListColumn kSwingColumns[] = {{L"Swing", 80},
                                            {L"Longue (ms)", 60, tk::Alignment::Right},
                                            {L"Brève (ms)", 60, tk::Alignment::Right},
                                            {L"Retard (ms)", 60, tk::Alignment::Right}};
constexpr tk::ListColumn kChangementColumns[] = {{L"Changement", 100},
                                                 {L"Valeur", 70, tk::Alignment::Right}};
constexpr tk::ListColumn kLfoColumns[] = {{L"Période", 100},
                                          {L"Hz", 60, tk::Alignment::Right},
                                          {L"Cycles par mesure", 80, tk::Alignment::Right}};

PageSheet Make() {
    using namespace tk;
    constexpr std::string_view kSheet = "tabBoucles";
    constexpr int kSecondRow = 29;
    return {
        .controls =
            {
                DetailLabel("lblLongueur", 1160, kSheet, Bounds(4, 7, 56, 13), L"&Longueur :"),
                Box("txtLongueur", 1161, Bounds(62, 3, 70, 21), kLengthHelp, 0,
                    L"La longueur d'une boucle puis Entrée : son tempo en mesures et en temps", 14),
                DetailLabel("lblUniteLongueur", 1162, kSheet, Bounds(136, 7, 13, 13), L"&en"),
                DetailCombo("cboUniteLongueur", 1163, kSheet, Bounds(151, 3, 100, 21), kLengthHelp,
                            1, L"L'unité de la longueur : ms, secondes, min:s ou échantillons"),
                DetailLabel("lblTempoVise", 1164, kSheet, Bounds(260, 7, 80, 13),
                            L"Ve&rs le tempo :"),
                Box("txtTempoVise", 1165, Bounds(342, 3, 52, 21), kTargetTempoHelp, 2,
                    L"Un autre tempo puis Entrée : ce que le changement fait à la longueur, à la "
                    L"vitesse et à la hauteur",
                    7),
                DetailLabel("lblDecalage", 1166, kSheet, Bounds(4, kSecondRow + 4, 56, 13),
                            L"Déc&alage :"),
                Box("txtDecalage", 1167, Bounds(62, kSecondRow, 52, 21), kShiftHelp, 3,
                    L"Un décalage en demi-tons, de −24 à +24, puis Entrée : le tempo qu'il donne",
                    7),
                DetailLabel("lblDemiTons", 1168, kSheet, Bounds(118, kSecondRow + 4, 50, 13),
                            L"demi-tons"),
                DetailLabel("lblSwing", 1169, kSheet, Bounds(260, kSecondRow + 4, 40, 13),
                            L"S&wing :"),
                Box("txtSwing", 1170, Bounds(342, kSecondRow, 52, 21), kSwingHelp, 4,
                    L"Le swing en pourcentage, de 50 (droit) à 75, puis Entrée", 6),
                DetailLabel("lblPourcent", 1171, kSheet, Bounds(398, kSecondRow + 4, 10, 13), L"%"),
                DetailFigures("lvwBoucle", 1172, kSheet, Bounds(4, 56, 180, 100), kLengthHelp, 5,
                              L"Le tempo de la longueur en mesures et en temps ; Entrée ou un "
                              L"double clic le calcule ; Ctrl+C copie",
                              kBoucleColumns),
                DetailFigures("lvwSwing", 1173, kSheet, Bounds(4, 160, 180, 50), kSwingHelp, 6,
                              L"Les croches et doubles croches swinguées ; Ctrl+C copie",
                              kSwingColumns),
                DetailFigures("lvwChangement", 1174, kSheet, Bounds(190, 56, 170, 100),
                              kTargetTempoHelp, 7,
                              L"Le changement de tempo et le tempo d'un décalage ; Entrée ou un "
                              L"double clic calcule un tempo ; Ctrl+C copie",
                              kChangementColumns),
                DetailFigures("lvwLfo", 1175, kSheet, Bounds(190, 160, 170, 50), kLfoHelp, 8,
                              L"La fréquence d'un LFO calé sur la mesure ; Ctrl+C copie",
                              kLfoColumns),
            },
        .listsTop = 56,
        .lists = {{.name = "lvwBoucle",
                   .figures = Loops,
                   .widest = WidestLoops,
                   .headings = nullptr,
                   .bySignature = true,
                   .rows = static_cast<int>(kLoopRowCount),
                   .tempos = LoopTempos,
                   .column = 0,
                   .copyTitle = LoopsTitle},
                  {.name = "lvwSwing",
                   .figures = SwungPairs,
                   .widest = WidestSwing,
                   .headings = SwingHeadings,
                   .bySignature = false,
                   .rows = 2,
                   .column = 0},
                  {.name = "lvwChangement",
                   .figures = Changes,
                   .widest = WidestChanges,
                   .headings = nullptr,
                   .bySignature = false,
                   .rows = 6,
                   .tempos = ChangeTempos,
                   .column = 1},
                  {.name = "lvwLfo",
                   .figures = Lfo,
                   .widest = WidestLfo,
                   .headings = nullptr,
                   .bySignature = true,
                   .rows = 6,
                   .column = 1}},
        .settings = {{"cboUniteLongueur", L"UniteLongueur", LengthUnits}},
        .entries = {{"txtLongueur", L"", RefusesLength},
                    {"txtTempoVise", L"TempoVise", RefusesTarget, TargetOf, TargetText},
                    {"txtDecalage", L"Decalage", RefusesShift, ShiftOf, ShiftBoxText},
                    {"txtSwing", L"Swing", RefusesSwing, SwingOf, SwingText}},
    };
}

}  // namespace

const PageSheet& LoopsSheet() {
    static const PageSheet sheet = Make();
    return sheet;
}

}  // namespace rytmalo
