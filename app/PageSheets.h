// Each page's content, in a file of its own: its controls, its lists of
// figures and the settings its controls choose.
#pragma once

#include "app/DetailPages.h"

namespace rytmalo {

// "Valeurs": every note value and its dotted value (with "Toutes les
// divisions", the double-dotted values, quintuplets and septuplets too),
// in milliseconds, hertz and samples at the two chosen rates.
const PageSheet& ValuesSheet();
// "Mesures": how long the beat, the signature's count, the dotted pulse of
// a compound metre and 1 to 32 bars of the chosen time signature last.
const PageSheet& BarsSheet();
// "Mixage": a reverb that breathes with the song (four sizes, their
// pre-delay and decay) and a compressor's attack and release on the beat.
const PageSheet& MixingSheet();
// "Image": frames of film or video per beat and per bar at the usual
// picture rates, and the film click for each.
const PageSheet& PictureSheet();
// "Boucles": the tempo a loop's length gives in bars and beats; what a
// change to another tempo does to length, speed and pitch, and the tempo
// a pitch shift gives; swung eighths and sixteenths; LFO rates synced to
// the bar.
const PageSheet& LoopsSheet();

}  // namespace rytmalo
