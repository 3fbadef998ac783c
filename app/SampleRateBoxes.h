// The two lists that choose the rates of a page's sample columns, and the
// headings of those columns.
#pragma once

#include <string>
#include <vector>

#include "app/DetailPage.h"
#include "core/NumberFormat.h"
#include "core/SampleRates.h"

namespace tk {
class TComboBox;
class TForm;
}  // namespace tk

namespace rytmalo {

class FigureTable;

class SampleRateBoxes {
public:
    // The lists of those names; the user's choice is made to the settings.
    SampleRateBoxes(tk::TForm& form, std::string_view first, std::string_view second,
                    const tk::NumberStyle& numbers, ChangeSettings change);
    // The rates chosen, and the table's headings: its own, then one for
    // each rate ("48 kHz", copied as "Échantillons à 48 kHz").
    void Show(SampleRates rates, FigureTable& table, std::vector<std::wstring> headings) const;

private:
    tk::TComboBox& first_;
    tk::TComboBox& second_;
    const tk::NumberStyle& numbers_;
    ChangeSettings change_;
};

}  // namespace rytmalo
