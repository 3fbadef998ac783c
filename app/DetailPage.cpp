#include "app/DetailPage.h"

#include <algorithm>

#include "app/DetailViewLayout.h"
#include "core/Exception.h"
#include "core/RowFlow.h"
#include "core/SharedHeights.h"
#include "toolkit/Dpi.h"
#include "toolkit/CheckControls.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

namespace rytmalo {
namespace {

std::vector<tk::ControlLayout> PageControls(const PageRow& row) {
    std::vector<tk::ControlLayout> controls{SheetLayout(row)};
    const auto& own = row.content().controls;
    controls.insert(controls.end(), own.begin(), own.end());
    return controls;
}

}  // namespace

DetailPage::DetailPage(tk::TForm& form, const PageRow& row, const tk::NumberStyle& numbers,
                       ChangeSetting change)
    : form_(form), sheet_(row.content()), change_(std::move(change)) {
    form.AddControls(PageControls(row));
    for (const FigureList& list : sheet_.lists)
        tables_.push_back(std::make_unique<FigureTable>(form, list, numbers));
    for (const SettingControl& setting : sheet_.settings) {
        const SettingRow* stored = FindSettingRow(setting.setting);
        if (!stored) throw tk::ProgrammingError({"a page's control for no setting"});
        auto& control = form.Find<tk::TControl>(setting.control);
        bound_.push_back(
            {*stored, control, setting.choices ? setting.choices(numbers) : std::vector<Choice>{}});
    }
    for (const Bound& bound : bound_) {
        if (auto* box = dynamic_cast<tk::TComboBox*>(&bound.control)) {
            std::vector<std::wstring> lines;
            for (const Choice& choice : bound.choices) lines.push_back(choice.text);
            box->SetItems(lines);
            box->OnChange = [this, &bound] { Chosen(bound); };
        } else {
            bound.control.OnClick = [this, &bound] { Chosen(bound); };
        }
    }
}

// The value the control shows, made the setting's when it is another.
void DetailPage::Chosen(const Bound& bound) {
    std::int32_t value = 0;
    if (auto* box = dynamic_cast<tk::TComboBox*>(&bound.control)) {
        const int index = box->ItemIndex();
        if (index < 0 || static_cast<std::size_t>(index) >= bound.choices.size()) return;
        value = bound.choices[static_cast<std::size_t>(index)].value;
    } else {
        value = static_cast<tk::TCheckBox&>(bound.control).Checked() ? 1 : 0;
    }
    if (value != bound.row.get(settings_)) change_(bound.row, value);
}

void DetailPage::ShowSettings(const DetailSettings& settings) {
    settings_ = settings;
    for (const Bound& bound : bound_) {
        const std::int32_t value = bound.row.get(settings);
        if (auto* box = dynamic_cast<tk::TComboBox*>(&bound.control)) {
            const auto at = std::find_if(bound.choices.begin(), bound.choices.end(),
                                         [&](const Choice& c) { return c.value == value; });
            box->SetItemIndex(
                at == bound.choices.end() ? -1 : static_cast<int>(at - bound.choices.begin()));
        } else {
            static_cast<tk::TCheckBox&>(bound.control).SetChecked(value != 0);
        }
    }
}

void DetailPage::Update(const FigureContext& context) {
    ShowSettings(context.settings);
    for (const auto& table : tables_) table->Show(context);
}

void DetailPage::FitColumns(const ColumnWidths& widths) {
    for (const auto& table : tables_)
        table->List().SetColumnWidths(widths.at(table->Figures().name));
}

// The settings' controls in their row, moved along where their texts
// made them wider; the lists one under the other, with margins around and
// between them, each its rows whole when there is room (what room is left
// goes to them by their rows), each never shorter than its headings and a
// row.
void DetailPage::Place(int width, int height) {
    FlowSettings();
    const int top = form_.Scale(sheet_.listsTop);
    const int margin = form_.Scale(4);
    const int count = static_cast<int>(tables_.size());
    std::vector<int> needs;
    std::vector<int> weights;
    for (const auto& table : tables_) {
        needs.push_back(ListHeight(table->List(), table->Figures().rows));
        weights.push_back(std::max(table->Figures().rows, 1));
    }
    const std::vector<int> heights = SharedHeights(
        needs, weights, height - top - (count + 1) * margin, form_.Scale(kLeastTableHeight));
    int at = top;
    for (int i = 0; i < count; ++i) {
        const auto& table = tables_[static_cast<std::size_t>(i)];
        const int h = heights[static_cast<std::size_t>(i)];
        SetWindowPos(table->List().Handle(), nullptr, margin, at, width - 2 * margin, h,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        at += h + margin;
    }
}

// Its headings, its rows and its edges.
int DetailPage::ListHeight(const tk::TListView& list, int rows) const {
    return list.HeaderHeight() + rows * list.RowHeight() +
           2 * tk::SystemMetricForDpi(SM_CYEDGE, form_.Dpi());
}

void DetailPage::FlowSettings() {
    std::vector<tk::TControl*> controls;
    std::vector<tk::RowItem> items;
    for (const tk::ControlLayout& c : sheet_.controls) {
        if (c.kind == tk::ControlKind::ListView) continue;
        auto& control = form_.Find<tk::TControl>(c.name);
        RECT now;
        GetWindowRect(control.Handle(), &now);
        controls.push_back(&control);
        items.push_back({form_.Scale(c.bounds), static_cast<int>(now.right - now.left)});
    }
    const std::vector<int> lefts = tk::FlowedLefts(items);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SetWindowPos(controls[i]->Handle(), nullptr, lefts[i], items[i].laidOut.Top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

tk::TListView& DetailPage::AnyList() const { return tables_.front()->List(); }

bool DetailPage::ContextMenu(HWND window, POINT screen) {
    for (const auto& table : tables_) {
        if (table->ContextMenu(window, screen)) return true;
    }
    return false;
}

}  // namespace rytmalo
