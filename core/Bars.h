// The page "Mesures": how long the beat, the signature's count, its dotted
// pulse (in compound metres) and 1 to 32 bars last, in milliseconds, as a
// clock time and in samples at the two chosen rates.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/Rational.h"
#include "core/SampleRates.h"
#include "core/TimeSignature.h"

namespace rytmalo {

struct BarRow {
    // "Temps (noire)", "Unité de la mesure (croche)", "Pulsation (noire
    // pointée)", "4 mesures"
    std::wstring name;
    ExactMs length;
    std::int64_t hundredthsOfMs;
    std::wstring clock;  // whole milliseconds, "0:08.000"
    std::array<std::int64_t, 2> samples;
};

// The beat (the main window's unit: 1/unit of a whole note), the count
// (1/denominator) when it is another note, the dotted pulse
// (3/denominator) in compound metres, then 1, 2, 4, 8, 16 and 32 bars.
// Empty for a tempo outside 10 to 250 or a signature that is not valid.
std::vector<BarRow> BarRows(TimeSignature signature, ExactTempo tempo, BeatUnit unit,
                            SampleRates rates);

}  // namespace rytmalo
