#include "app/DelayLookup.h"

#include <cstdlib>
#include <string>

#include "app/DetailText.h"
#include "core/DecimalText.h"
#include "core/DelayMatch.h"
#include "core/FilmClick.h"
#include "core/Divisions.h"
#include "core/FrameRates.h"
#include "core/TempoRange.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/MessageDlg.h"

namespace rytmalo {
namespace {

// "+1,25 %", "−0,50 %".
std::wstring PercentText(std::int64_t hundredths, const tk::NumberStyle& style) {
    return (hundredths < 0 ? L"−" : L"+") + tk::FormatFixed(std::llabs(hundredths), 2, style) +
           L" %";
}

}  // namespace

DelayLookup::DelayLookup(tk::TForm& form, const tk::NumberStyle& numbers, Context context,
                         EnterTempo enterTempo)
    : form_(form),
      numbers_(numbers),
      context_(std::move(context)),
      enterTempo_(std::move(enterTempo)),
      delay_(&form.Find<tk::TEdit>("txtDelai")),
      tempos_(&form.Find<tk::TListBox>("lstTempos")),
      closest_(&form.Find<tk::TLabel>("lblProche")) {
    delay_->OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) Find();
    };
    tempos_->OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) Choose();
    };
    tempos_->OnDoubleClick = [this] { Choose(); };
}

void DelayLookup::Update() {
    const LookupContext context = context_();
    if (context.unit != listedUnit_ || context.allDivisions != listedAll_) {
        List();
    } else {
        ShowClosest();
    }
}

void DelayLookup::DelayUnitChanged() {
    if (!delayMs_) return;
    // The delay typed, read again in its new unit; none, no tempos.
    delayMs_ = ParseDelay(delay_->Text(), context_().delayUnit, numbers_);
    if (!delayMs_) {
        lineTempos_.clear();
        tempos_->SetItems({});
    }
    List();
    ShowClosest();
}

void DelayLookup::Find() {
    const LookupContext context = context_();
    const std::wstring text = delay_->Text();
    if (context.clicks) {
        if (const auto click = ParseClick(text)) {
            clickEighths_ = click;
            delayMs_.reset();
            List();
            return;
        }
    }
    const std::optional<ExactMs> delay = ParseDelay(text, context.delayUnit, numbers_);
    if (!delay) {
        std::wstring said = L"de millisecondes, par exemple 375 ou 187" + numbers_.decimal + L"5";
        if (context.delayUnit == DelayUnit::Hertz) {
            said = L"de hertz, par exemple 2 ou 2" + numbers_.decimal + L"67";
        } else if (context.delayUnit != DelayUnit::Milliseconds) {
            said = L"d'échantillons, par exemple 16538";
        }
        if (context.clicks) said += L", ou un clic comme 12-2";
        tk::MessageDlg(form_.Host(), L"Le délai doit être un nombre positif " + said + L".",
                       tk::MsgDlgType::Warning, MB_OK);
        return;
    }
    delayMs_ = delay;
    clickEighths_.reset();
    List();
}

void DelayLookup::List() {
    const LookupContext context = context_();
    listedUnit_ = context.unit;
    listedAll_ = context.allDivisions;
    if (!delayMs_ && !clickEighths_) return;
    std::vector<std::wstring> lines;
    lineTempos_.clear();
    if (clickEighths_) {
        for (const FrameRate& rate : kFrameRates) {
            const auto tempo = TempoOfClick(*clickEighths_, rate);
            if (!tempo) continue;
            lines.push_back(ClickText(*clickEighths_) + L" à " +
                            FrameRateText(rate.shownThousandths, numbers_) + L" images/s : " +
                            TempoText(*tempo, numbers_));
            lineTempos_.push_back(*tempo);
        }
    } else if (delayMs_) {
        for (const NoteValue& value : ListedValues(context.allDivisions)) {
            const auto tenths = TenthsOfTempoFor(value, *delayMs_, context.unit);
            if (!tenths) continue;
            const auto tempo = TempoFromTenths(*tenths);
            if (!tempo) continue;
            lines.push_back(std::wstring(value.name) + L" : " +
                            tk::FormatFixed(*tenths, 1, numbers_));
            lineTempos_.push_back(*tempo);
        }
    }
    if (lines.empty()) lines.push_back(L"Aucun tempo " + TempoRangeText() + L" pour ce délai");
    tempos_->SetItems(lines);
    ShowClosest();
}

// The note value of the tempo shown that lasts nearest to the delay.
void DelayLookup::ShowClosest() {
    const LookupContext context = context_();
    std::wstring said;
    if (delayMs_ && context.tempo) {
        const auto values = ListedValues(context.allDivisions);
        if (const auto nearest = ClosestValueTo(*delayMs_, values, *context.tempo, context.unit)) {
            said = L"Au tempo " + TempoText(*context.tempo, numbers_) + L", le plus proche : " +
                   std::wstring(values[nearest->index].name) + L", " +
                   PercentText(nearest->hundredthsOfPercent, numbers_);
        }
    }
    closest_->SetCaption(said);
}

void DelayLookup::Choose() {
    const int line = tempos_->ItemIndex();
    if (line < 0 || line >= static_cast<int>(lineTempos_.size())) return;
    enterTempo_(lineTempos_[static_cast<std::size_t>(line)]);
}

}  // namespace rytmalo
