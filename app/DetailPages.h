// The pages of the detailed view as data, one row each: its tab, its
// help, its controls, the lists of figures it shows and the settings its
// controls choose. The view makes every page the same way from its row, so
// that a page is its own file (its controls and figures) plus its row
// here. No window needed: what a page shows is written here.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/DetailPageId.h"
#include "app/DetailSettings.h"
#include "core/DelayTable.h"
#include "core/ExactTempo.h"
#include "core/Layout.h"
#include "core/NumberFormat.h"

namespace rytmalo {

using FigureRows = std::vector<std::vector<std::wstring>>;

// What the pages' figures are computed from.
struct FigureContext {
    // The exact tempo; nothing when the tempo shown is outside 10 to 250,
    // or before any.
    std::optional<ExactTempo> tempo;
    BeatUnit unit = 4;
    DetailSettings settings;
    // "Tempo 117,55 à la noire": what a copy's first line names.
    std::wstring title;
    // What the page's own boxes hold, as last entered, by their names.
    std::vector<std::pair<std::string_view, std::wstring>> entered;

    // The text last entered in a box of the page; empty for none.
    std::wstring Entered(std::string_view box) const;
    bool operator==(const FigureContext&) const = default;
};

// A list's headings as it shows them, and as a copy takes them (a copy
// pasted alone says more: "Échantillons à 48 kHz" for "48 kHz").
struct Headings {
    std::vector<std::wstring> shown;
    std::vector<std::wstring> copied;
};

// A list of figures on a page.
struct FigureList {
    std::string_view name;  // the list view's, in the page's controls
    // Its rows at the context's tempo, in a number style; none outside the
    // tempo range.
    FigureRows (*figures)(const FigureContext& context, const tk::NumberStyle& style);
    // The widest rows it can ever show, every name among them (and its
    // widest headings, when they follow the context): its columns are
    // measured on them.
    FigureRows (*widest)(const tk::NumberStyle& style);
    // Headings that follow the settings or the beat; nullptr: its
    // layout's, always.
    Headings (*headings)(const FigureContext& context, const tk::NumberStyle& style);
    // Its figures depend on the time signature, which its copy then names.
    bool bySignature;
    // The rows it shows whole when the screen has room for them (all it
    // holds, but for a long list that scrolls), and its share of the page's
    // height among its lists; 0 for a list that shares as one row.
    int rows;
    // The tempo each of its rows stands for, which choosing the row (Enter,
    // a double click) enters; nullptr for rows that stand for none.
    std::vector<std::optional<ExactTempo>> (*tempos)(const FigureContext& context,
                                                     const tk::NumberStyle& style) = nullptr;
    // 0, or 1 for a list beside those of column 0.
    int column = 0;
    // What its copy's first line says; nullptr: the context's title (and
    // the time signature, by bySignature).
    std::wstring (*copyTitle)(const FigureContext& context, const tk::NumberStyle& style) = nullptr;
};

// A line of a drop-down list that chooses a setting, and the value it
// stands for.
struct Choice {
    std::wstring text;
    std::int32_t value;
};

// A control of a page that chooses a stored setting: a drop-down list, or
// a check box (0 or 1).
struct SettingControl {
    std::string_view control;
    std::wstring_view setting;  // its row's registry name
    // A drop-down list's lines, which may name other settings; nullptr for
    // a check box.
    std::vector<Choice> (*choices)(const DetailSettings& settings, const tk::NumberStyle& style);
};

// A box of a page to type in, taken with Enter: a stored setting's value,
// or a text of the page's own, which its lists read from the context.
// Escape puts back what it holds.
struct EntryBox {
    std::string_view control;
    std::wstring_view setting;  // its row's registry name; empty: the page's own
    // Why a text is refused, said to the user; nothing when it is taken.
    // An empty box is taken: it holds nothing.
    std::optional<std::wstring> (*refuses)(std::wstring_view text, const FigureContext& context,
                                           const tk::NumberStyle& style);
    // For a setting: the value a text taken stands for, and the text of a
    // value (empty for the setting's "none").
    std::int32_t (*value)(std::wstring_view text, const tk::NumberStyle& style) = nullptr;
    std::wstring (*text)(std::int32_t value, const tk::NumberStyle& style) = nullptr;
};

// What a page holds: its controls, on its tab's sheet; where its lists
// start (96-dpi pixels); its lists, top to bottom in each column; its
// settings' controls; its boxes to type in.
struct PageSheet {
    std::vector<tk::ControlLayout> controls;
    int listsTop;
    std::vector<FigureList> lists;
    std::vector<SettingControl> settings;
    std::vector<EntryBox> entries = {};
};

struct PageRow {
    PageId id;
    std::wstring_view tab;   // its text, with its Alt letter
    std::string_view sheet;  // the name of its tab's sheet
    int sheetId;
    int help;
    const PageSheet& (*content)();
};

// In the order of the tabs.
std::span<const PageRow> DetailPages();
const PageRow& PageRowOf(PageId page);
// The sheet a page's controls are on, as a control of the tabs.
tk::ControlLayout SheetLayout(const PageRow& row);

}  // namespace rytmalo
