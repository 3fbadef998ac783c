#include "app/SampleRateBoxes.h"

#include <algorithm>

#include "app/DetailText.h"
#include "app/FigureTable.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"

namespace rytmalo {
namespace {

int IndexOf(std::int32_t rate) {
    const auto at = std::find(kSampleRateChoices.begin(), kSampleRateChoices.end(), rate);
    return at == kSampleRateChoices.end() ? -1 : static_cast<int>(at - kSampleRateChoices.begin());
}

}  // namespace

SampleRateBoxes::SampleRateBoxes(tk::TForm& form, std::string_view first, std::string_view second,
                                 const tk::NumberStyle& numbers, ChangeSettings change)
    : first_(form.Find<tk::TComboBox>(first)),
      second_(form.Find<tk::TComboBox>(second)),
      numbers_(numbers),
      change_(std::move(change)) {
    std::vector<std::wstring> names;
    for (const std::int32_t rate : kSampleRateChoices) names.push_back(RateName(rate, numbers));
    first_.SetItems(names);
    second_.SetItems(names);
    const auto changed = [this] {
        const int a = first_.ItemIndex();
        const int b = second_.ItemIndex();
        if (a < 0 || b < 0) return;
        const SampleRates rates{kSampleRateChoices[static_cast<std::size_t>(a)],
                                kSampleRateChoices[static_cast<std::size_t>(b)]};
        change_([rates](DetailSettings& s) { s.rates = rates; });
    };
    first_.OnChange = changed;
    second_.OnChange = changed;
}

void SampleRateBoxes::Show(SampleRates rates, FigureTable& table,
                           std::vector<std::wstring> headings) const {
    first_.SetItemIndex(IndexOf(rates.first));
    second_.SetItemIndex(IndexOf(rates.second));
    std::vector<std::wstring> copied = headings;
    for (const std::int32_t rate : {rates.first, rates.second}) {
        headings.push_back(RateName(rate, numbers_));
        copied.push_back(L"Échantillons à " + RateName(rate, numbers_));
    }
    table.SetHeadings(headings, std::move(copied));
}

}  // namespace rytmalo
