#include "app/DetailSettings.h"

#include <functional>

#include "components/RegApp.h"
#include "toolkit/ErrorReport.h"

namespace rytmalo {
namespace {

// The stored number, when there is one the check takes; a bad one is
// reported.
std::optional<std::int32_t> Read(TRegApp& store, std::wstring_view name,
                                 const std::function<bool(std::int32_t)>& takes) {
    std::optional<std::int32_t> value;
    tk::Guarded([&] {
        if (!store.HasValue(name)) return;
        const std::int32_t stored = store.ReadIntegerValue(name);
        if (!takes(stored)) throw ERegistryException::DataValue(name);
        value = stored;
    });
    return value;
}

}  // namespace

DetailSettings ReadDetailSettings(TRegApp& store) {
    DetailSettings s;
    store.SetActive(true);
    if (const auto v = Read(store, kPageSetting, [](int v) { return v >= 0 && v < kPageCount; }))
        s.page = *v;
    if (const auto v = Read(store, kAllDivisionsSetting, [](int v) { return v == 0 || v == 1; }))
        s.allDivisions = *v == 1;
    const auto numerator = Read(store, kNumeratorSetting, [](int v) {
        return IsValidSignature({v, 4});
    });
    const auto denominator = Read(store, kDenominatorSetting, [](int v) {
        return IsValidSignature({4, v});
    });
    // Half a signature is no signature: both, or 4/4.
    if (numerator.has_value() == store.HasValue(kNumeratorSetting) &&
        denominator.has_value() == store.HasValue(kDenominatorSetting)) {
        if (numerator) s.signature.numerator = *numerator;
        if (denominator) s.signature.denominator = *denominator;
    }
    if (const auto v = Read(store, kPreDelaySetting, [](int v) { return IsPreDelay(v); }))
        s.preDelay = static_cast<PreDelay>(*v);
    if (const auto v = Read(store, kFirstRateSetting, [](int v) { return IsSampleRateChoice(v); }))
        s.rates.first = *v;
    if (const auto v = Read(store, kSecondRateSetting, [](int v) { return IsSampleRateChoice(v); }))
        s.rates.second = *v;
    if (const auto v = Read(store, kDelayUnitSetting, [](int v) { return v >= 0 && v <= 3; }))
        s.delayUnit = static_cast<DelayUnit>(*v);
    store.SetActive(false);
    return s;
}

void SaveDetailSetting(TRegApp& store, std::wstring_view name, std::int32_t value) {
    store.SetActive(true);
    store.WriteIntegerValue(name, value);
    store.SetActive(false);
}

}  // namespace rytmalo
