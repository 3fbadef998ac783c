// The controls of a page that the user sets: drop-down lists and check
// boxes that choose a stored setting, and boxes to type in, taken with
// Enter (a setting's value, or a text of the page's own that its lists
// read). A choice or a value is handed to the view to keep and save; a
// text refused is said, and nothing changes.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/DetailPages.h"

namespace tk {
class TControl;
class TEdit;
class TForm;
}  // namespace tk

namespace rytmalo {

// A setting a page's control chose, made by the view to the settings it
// holds.
using ChangeSetting = std::function<void(const SettingRow& row, std::int32_t value)>;

class PageControls {
public:
    // entered: a text of the page's own was taken.
    PageControls(tk::TForm& form, const PageSheet& sheet, const tk::NumberStyle& numbers,
                 ChangeSetting change, std::function<void()> entered);
    PageControls(const PageControls&) = delete;
    PageControls& operator=(const PageControls&) = delete;

    // The settings and the context the page now shows; true when a
    // drop-down list's lines changed with them (it may be wider).
    bool Show(const FigureContext& context);
    // The texts of the page's own boxes, as last taken.
    const std::vector<std::pair<std::string_view, std::wstring>>& Entered() const {
        return entered_;
    }

private:
    struct Bound {
        const SettingControl& setting;
        const SettingRow& row;
        tk::TControl& control;
        std::vector<Choice> choices;  // none for a check box
    };
    struct Box {
        const EntryBox& entry;
        const SettingRow* row;  // none for the page's own
        tk::TEdit& edit;
        std::optional<std::int32_t> shown;  // the setting's value it shows
    };
    void Chosen(const Bound& bound);
    void Take(Box& box);
    void PutBack(Box& box);

    tk::TForm& form_;
    const tk::NumberStyle& numbers_;
    ChangeSetting change_;
    std::function<void()> onEntered_;
    std::vector<Bound> bound_;
    std::vector<Box> boxes_;
    std::vector<std::pair<std::string_view, std::wstring>> entered_;
    // What the page shows: a choice is compared with its settings, a text
    // read in it.
    FigureContext context_;
};

}  // namespace rytmalo
