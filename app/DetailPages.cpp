#include "app/DetailPages.h"

#include <array>

#include "app/PageSheets.h"
#include "help/HelpContexts.h"

namespace rytmalo {
namespace {

constexpr std::array<PageRow, kPageCount> kPages{{
    {PageId::Values, L"&Valeurs", "tabValeurs", 1119, kTableHelp, ValuesSheet},
    {PageId::Bars, L"&Mesures", "tabMesures", 1129, kBarsHelp, BarsSheet},
    {PageId::Mixing, L"M&ixage", "tabMixage", 1139, kMixingHelp, MixingSheet},
    {PageId::Picture, L"Ima&ge", "tabImage", 1149, kPictureHelp, PictureSheet},
    {PageId::Loops, L"&Boucles", "tabBoucles", 1159, kLoopsHelp, LoopsSheet},
}};

// The rows are in the order of their identifiers, which index them.
constexpr bool InOrder() {
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        if (IndexOf(kPages[i].id) != i) return false;
    }
    return true;
}
static_assert(InOrder());

}  // namespace

std::wstring FigureContext::Entered(std::string_view box) const {
    for (const auto& [name, text] : entered) {
        if (name == box) return text;
    }
    return {};
}

std::span<const PageRow> DetailPages() { return kPages; }

const PageRow& PageRowOf(PageId page) { return kPages.at(IndexOf(page)); }

tk::ControlLayout SheetLayout(const PageRow& row) {
    return {.kind = tk::ControlKind::TabSheet,
            .name = row.sheet,
            .id = row.sheetId,
            .parent = "pgcPages",
            .caption = row.tab,
            .helpContext = row.help,
            // Shown once the page is whole.
            .visible = false};
}

}  // namespace rytmalo
