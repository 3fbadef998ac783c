// The detailed view's "Tempo exact" box: it shows the tempo of the
// figures to the hundredth; Enter enters what is typed there, or warns
// with the range and an example when it is no tempo of the range; Escape
// puts back the tempo in use, as the tempo box does.
#pragma once

#include <functional>
#include <optional>

#include "core/ExactTempo.h"
#include "core/NumberFormat.h"

namespace tk {
class TEdit;
class TForm;
}  // namespace tk

namespace rytmalo {

class ExactTempoBox {
public:
    using EnterTempo = std::function<void(ExactTempo tempo)>;
    ExactTempoBox(tk::TForm& form, const tk::NumberStyle& numbers, EnterTempo enterTempo);

    // The tempo of the figures, or none (the box then keeps its text).
    void TempoShown(std::optional<ExactTempo> tempo);

private:
    void Take();

    tk::TForm& form_;
    const tk::NumberStyle& numbers_;
    EnterTempo enterTempo_;
    tk::TEdit& box_;
    std::optional<ExactTempo> shown_;
};

}  // namespace rytmalo
