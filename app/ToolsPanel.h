// The detailed view's shared part beside the calculator, as a panel of
// tools in rows: each row's controls moved along where their texts made
// them wider than laid out, the panel as wide as its widest row or as the
// widest line of a delay's tempos needs, and the controls laid out across
// the whole panel as wide as it.
#pragma once

#include <vector>

#include "core/Layout.h"

namespace tk {
class TForm;
}  // namespace tk

namespace rytmalo {

class DelayLookup;

class ToolsPanel {
public:
    ToolsPanel(tk::TForm& form, const DelayLookup& lookup);

    // At the form's resolution.
    int Width() const;
    // The panel where the calculator's height leaves it, and its controls
    // in it.
    void Place() const;

private:
    static std::vector<const tk::ControlLayout*> InRows();

    tk::TForm& form_;
    const DelayLookup& lookup_;
};

}  // namespace rytmalo
