// The two lists that choose the rates of a page's sample columns.
#pragma once

#include <functional>

#include "core/NumberFormat.h"
#include "core/SampleRates.h"

namespace tk {
class TComboBox;
class TForm;
}  // namespace tk

namespace rytmalo {

class SampleRateBoxes {
public:
    // The lists of those names; chosen tells of the user's choice.
    SampleRateBoxes(tk::TForm& form, std::string_view first, std::string_view second,
                    const tk::NumberStyle& numbers, std::function<void(SampleRates)> chosen);
    void Show(SampleRates rates);

private:
    tk::TComboBox& first_;
    tk::TComboBox& second_;
    std::function<void(SampleRates)> chosen_;
};

}  // namespace rytmalo
