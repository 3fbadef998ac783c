#include "app/DelayLookup.h"

#include <algorithm>
#include <cstdlib>

#include "app/DetailText.h"
#include "core/DelayMatch.h"
#include "core/Divisions.h"
#include "core/FilmClick.h"
#include "toolkit/Dpi.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/MessageDlg.h"
#include "toolkit/TextMeasure.h"

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
      delay_(form.Find<tk::TEdit>("txtDelai")),
      tempos_(form.Find<tk::TListBox>("lstTempos")),
      closest_(form.Find<tk::TLabel>("lblProche")) {
    delay_.OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) Enter();
    };
    tempos_.OnKeyDown = [this](WORD& key) {
        if (key == VK_RETURN) Choose();
    };
    tempos_.OnDoubleClick = [this] { Choose(); };
}

// A click only in its own form, with its dash, and only on the picture
// page; anything else is a figure in the unit shown.
DelayLookup::Reading DelayLookup::Read(const std::wstring& text,
                                       const LookupContext& context) const {
    if (text.find(L'-') != std::wstring::npos) {
        if (!context.clicks) return {};
        return {std::nullopt, ParseClick(text)};
    }
    return {ParseDelay(text, context.delayUnit, context.rates, numbers_), std::nullopt};
}

void DelayLookup::Enter() {
    const LookupContext context = context_();
    const std::wstring text = delay_.Text();
    const Reading reading = Read(text, context);
    if (!reading.delay && !reading.click) {
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
    entered_ = text;
    List(context);
}

void DelayLookup::Update() {
    const LookupContext context = context_();
    LookupContext read = context;
    LookupContext listed = listedFor_;
    read.tempo = listed.tempo = std::nullopt;
    if (entered_ && read != listed) {
        List(context);
    } else {
        ShowClosest(context);
    }
}

void DelayLookup::List(const LookupContext& context) {
    listedFor_ = context;
    reading_ = entered_ ? Read(*entered_, context) : Reading{};
    if (reading_.click) {
        lines_ = ClickLines(*reading_.click, numbers_);
    } else if (reading_.delay) {
        lines_ = NoteLines(*reading_.delay, context.unit, context.allDivisions, numbers_);
    } else {
        lines_.clear();
    }
    std::vector<std::wstring> texts;
    for (const DelayLine& line : lines_) texts.push_back(line.text);
    tempos_.SetItems(texts);
    ShowClosest(context);
}

// The note value of the tempo shown that lasts nearest to the delay.
void DelayLookup::ShowClosest(const LookupContext& context) {
    std::wstring said;
    if (reading_.delay && context.tempo) {
        const auto values = ListedValues(context.allDivisions);
        if (const auto nearest =
                ClosestValueTo(*reading_.delay, values, *context.tempo, context.unit)) {
            said = L"Au tempo " + TempoText(*context.tempo, numbers_) + L", le plus proche : " +
                   std::wstring(values[nearest->index].name) + L", " +
                   PercentText(nearest->hundredthsOfPercent, numbers_);
        }
    }
    closest_.SetCaption(said);
}

void DelayLookup::Choose() {
    const int line = tempos_.ItemIndex();
    if (line < 0 || line >= static_cast<int>(lines_.size())) return;
    if (const auto tempo = lines_[static_cast<std::size_t>(line)].tempo) enterTempo_(*tempo);
}

// Each line within the list's margins, with room for its scroll bar.
int DelayLookup::LinesWidth() const {
    int widest = 0;
    for (const std::wstring& line : WidestDelayLines(numbers_))
        widest = std::max<int>(widest, tk::TextExtent(tempos_.FontHandle(), line, true).cx);
    const int dpi = form_.Dpi();
    return widest + tk::SystemMetricForDpi(SM_CXVSCROLL, dpi) +
           2 * tk::SystemMetricForDpi(SM_CXEDGE, dpi) + form_.Scale(6);
}

}  // namespace rytmalo
