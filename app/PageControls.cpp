#include "app/PageControls.h"

#include <algorithm>

#include "core/Exception.h"
#include "toolkit/CheckControls.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/MessageDlg.h"

namespace rytmalo {
namespace {

const SettingRow& RowOf(std::wstring_view setting) {
    const SettingRow* row = FindSettingRow(setting);
    if (!row) throw tk::ProgrammingError({"a page's control for no setting"});
    return *row;
}

}  // namespace

PageControls::PageControls(tk::TForm& form, const PageSheet& sheet, const tk::NumberStyle& numbers,
                           ChangeSetting change, std::function<void()> entered)
    : form_(form), numbers_(numbers), change_(std::move(change)), onEntered_(std::move(entered)) {
    for (const SettingControl& setting : sheet.settings) {
        bound_.push_back(
            {setting, RowOf(setting.setting), form.Find<tk::TControl>(setting.control), {}});
    }
    for (const EntryBox& entry : sheet.entries) {
        boxes_.push_back({entry, entry.setting.empty() ? nullptr : &RowOf(entry.setting),
                          form.Find<tk::TEdit>(entry.control), std::nullopt});
        if (entry.setting.empty()) entered_.emplace_back(entry.control, std::wstring());
    }
    // Bound once every element has its place: the handlers keep it.
    for (const Bound& bound : bound_) {
        if (auto* box = dynamic_cast<tk::TComboBox*>(&bound.control)) {
            box->OnChange = [this, &bound] { Chosen(bound); };
        } else {
            bound.control.OnClick = [this, &bound] { Chosen(bound); };
        }
    }
    for (Box& box : boxes_) {
        box.edit.OnKeyDown = [this, &box](WORD& key) {
            if (key == VK_RETURN) Take(box);
            if (key == VK_ESCAPE) PutBack(box);
        };
    }
}

// The value the control shows, made the setting's when it is another.
void PageControls::Chosen(const Bound& bound) {
    std::int32_t value = 0;
    if (auto* box = dynamic_cast<tk::TComboBox*>(&bound.control)) {
        const int index = box->ItemIndex();
        if (index < 0 || static_cast<std::size_t>(index) >= bound.choices.size()) return;
        value = bound.choices[static_cast<std::size_t>(index)].value;
    } else {
        value = static_cast<tk::TCheckBox&>(bound.control).Checked() ? 1 : 0;
    }
    if (value != bound.row.get(context_.settings)) change_(bound.row, value);
}

void PageControls::Take(Box& box) {
    const std::wstring text = box.edit.Text();
    if (const auto refusal = box.entry.refuses(text, context_, numbers_)) {
        tk::MessageDlg(form_.Host(), *refusal, tk::MsgDlgType::Warning, MB_OK);
        return;
    }
    if (box.row) {
        const std::int32_t value = box.entry.value(text, numbers_);
        if (value != box.row->get(context_.settings)) change_(*box.row, value);
        return;
    }
    for (auto& [name, entered] : entered_) {
        if (name == box.entry.control) entered = text;
    }
    onEntered_();
}

// What the box holds, as Enter last took it.
void PageControls::PutBack(Box& box) {
    if (box.row) {
        box.edit.SetText(box.entry.text(box.row->get(context_.settings), numbers_));
    } else {
        for (const auto& [name, entered] : entered_) {
            if (name == box.entry.control) box.edit.SetText(entered);
        }
    }
    SendMessageW(box.edit.Handle(), EM_SETSEL, 0, -1);
}

bool PageControls::Show(const FigureContext& context) {
    context_ = context;
    bool relined = false;
    for (Bound& bound : bound_) {
        const std::int32_t value = bound.row.get(context.settings);
        if (auto* box = dynamic_cast<tk::TComboBox*>(&bound.control)) {
            // Lines that name other settings follow them.
            std::vector<Choice> choices = bound.setting.choices(context.settings, numbers_);
            std::vector<std::wstring> lines;
            for (const Choice& choice : choices) lines.push_back(choice.text);
            std::vector<std::wstring> before;
            for (const Choice& choice : bound.choices) before.push_back(choice.text);
            if (lines != before) {
                box->SetItems(lines);
                bound.choices = std::move(choices);
                relined = true;
            }
            const auto at = std::find_if(bound.choices.begin(), bound.choices.end(),
                                         [&](const Choice& c) { return c.value == value; });
            box->SetItemIndex(
                at == bound.choices.end() ? -1 : static_cast<int>(at - bound.choices.begin()));
        } else {
            static_cast<tk::TCheckBox&>(bound.control).SetChecked(value != 0);
        }
    }
    // A box shows its setting when it changed, not over what is typed.
    for (Box& box : boxes_) {
        if (!box.row) continue;
        const std::int32_t value = box.row->get(context.settings);
        if (box.shown == value) continue;
        box.shown = value;
        box.edit.SetText(box.entry.text(value, numbers_));
    }
    return relined;
}

}  // namespace rytmalo
