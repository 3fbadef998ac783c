#include "app/SampleRateBoxes.h"

#include <algorithm>

#include "app/DetailText.h"
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
                                 const tk::NumberStyle& numbers,
                                 std::function<void(SampleRates)> chosen)
    : first_(form.Find<tk::TComboBox>(first)),
      second_(form.Find<tk::TComboBox>(second)),
      chosen_(std::move(chosen)) {
    std::vector<std::wstring> names;
    for (const std::int32_t rate : kSampleRateChoices) names.push_back(RateName(rate, numbers));
    first_.SetItems(names);
    second_.SetItems(names);
    const auto changed = [this] {
        const int a = first_.ItemIndex();
        const int b = second_.ItemIndex();
        if (a < 0 || b < 0) return;
        chosen_({kSampleRateChoices[static_cast<std::size_t>(a)],
                 kSampleRateChoices[static_cast<std::size_t>(b)]});
    };
    first_.OnChange = changed;
    second_.OnChange = changed;
}

void SampleRateBoxes::Show(SampleRates rates) {
    first_.SetItemIndex(IndexOf(rates.first));
    second_.SetItemIndex(IndexOf(rates.second));
}

}  // namespace rytmalo
