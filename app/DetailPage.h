// A page of the detailed view: made when the user first chooses its tab,
// then told each change of what its figures depend on; the view places it
// and asks it for a context menu.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/DetailSettings.h"
#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "toolkit/Win.h"

namespace tk {
class TForm;
}

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

// The width of each column of each list of the pages, by the list's name,
// at the window's resolution: what the widest figure of each needs.
using ColumnWidths = std::map<std::string_view, std::vector<int>>;

// A page's change of a setting, made by the view to the settings it holds
// (a page's own copy may be older), then kept, saved and shown.
using SettingsEdit = std::function<void(DetailSettings& settings)>;
using ChangeSettings = std::function<void(const SettingsEdit& edit)>;

// The form with a page's controls added to it: what a page is made on, its
// controls there before the page looks for them.
tk::TForm& WithPageControls(tk::TForm& form, int page);

class DetailPage {
public:
    virtual ~DetailPage() = default;
    virtual void Update(const FigureContext& context) = 0;
    // The page's controls laid out in its area (screen pixels).
    virtual void Place(int width, int height) = 0;
    virtual void FitColumns(const ColumnWidths& widths) = 0;
    // A context menu asked for in a window of the page: true when it was.
    virtual bool ContextMenu(HWND window, POINT screen) = 0;
};

}  // namespace rytmalo
