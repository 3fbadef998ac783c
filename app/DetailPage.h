// A page of the detailed view: made when the user first chooses its tab,
// then told each change of what its figures depend on; the view places it
// and asks it for a context menu.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/DetailSettings.h"
#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "toolkit/Win.h"

namespace rytmalo {

// What the pages' figures are computed from.
struct FigureContext {
    // The exact tempo; nothing when the tempo shown is outside 10 to 250,
    // or before any.
    std::optional<ExactTempo> tempo;
    BeatUnit unit = 4;
    DetailSettings settings;
    // "Tempo 117,55 à la noire": what a copy's first line names.
    std::wstring title;
};

// A page's change of a setting, for the view to keep, save and show.
using ChangeSettings = std::function<void(const DetailSettings& settings)>;

class DetailPage {
public:
    virtual ~DetailPage() = default;
    virtual void Update(const FigureContext& context) = 0;
    // The page's controls laid out in its area (screen pixels).
    virtual void Place(int width, int height) = 0;
    // A context menu asked for in a window of the page: true when it was.
    virtual bool ContextMenu(HWND window, POINT screen) = 0;
};

}  // namespace rytmalo
