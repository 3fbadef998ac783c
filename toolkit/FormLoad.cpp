// Reading a form's layout: its window, menu bar, controls and components, in
// that order, then the loaded notifications and the creation handler.
#include "toolkit/Form.h"

#include <algorithm>

#include "core/Exception.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/BitButton.h"
#include "toolkit/CheckControls.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Containers.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"

namespace tk {

void TForm::Load() {
    BeginLoading();
    if (!layout_.menu.empty()) menuBar_ = std::make_unique<MenuBar>(*this, layout_.menu);
    CreateControls(layout_.controls);
    if (!layout_.windowAtFirstShow) HandleNeeded();
    Bind();
    CreateComponents();

    // Every component hears that loading is over, in creation order; a
    // failure of one is reported and does not keep the others from hearing.
    const std::vector<TComponent*> components = Components();
    for (TComponent* c : components) {
        try {
            c->Loaded();
        } catch (const HaltRequest&) {
            throw;
        } catch (...) {
            ReportCurrentException();
        }
    }
    Loaded();

    try {
        if (OnCreate) OnCreate();
    } catch (const HaltRequest&) {
        throw;
    } catch (...) {
        ReportCurrentException();
    }
}

std::vector<TControl*> TForm::CreateControls(const std::vector<ControlLayout>& controls) {
    std::vector<TControl*> made;
    for (const ControlLayout& c : controls) {
        TControl* parent = nullptr;
        if (!c.parent.empty()) {
            parent = dynamic_cast<TControl*>(FindComponent(c.parent));
            if (!parent) throw ProgrammingError({"control listed before its parent"});
        }
        // Each becomes a component of the form.
        switch (c.kind) {
            case ControlKind::Label: made.push_back(new TLabel(*this, parent, c)); break;
            case ControlKind::Edit: made.push_back(new TEdit(*this, parent, c)); break;
            case ControlKind::Button: made.push_back(new TButton(*this, parent, c)); break;
            case ControlKind::BitButton: made.push_back(new TBitButton(*this, parent, c)); break;
            case ControlKind::RadioButton:
                made.push_back(new TRadioButton(*this, parent, c));
                break;
            case ControlKind::CheckBox: made.push_back(new TCheckBox(*this, parent, c)); break;
            case ControlKind::GroupBox: made.push_back(new TGroupBox(*this, parent, c)); break;
            case ControlKind::Panel: made.push_back(new TPanel(*this, parent, c)); break;
            case ControlKind::Bevel: made.push_back(new TBevel(*this, parent, c)); break;
            case ControlKind::PageControl:
                made.push_back(new TPageControl(*this, parent, c));
                break;
            case ControlKind::TabSheet: made.push_back(new TTabSheet(*this, parent, c)); break;
            case ControlKind::Memo: made.push_back(new TMemo(*this, parent, c)); break;
            case ControlKind::ListView: made.push_back(new TListView(*this, parent, c)); break;
            case ControlKind::ListBox: made.push_back(new TListBox(*this, parent, c)); break;
            case ControlKind::ComboBox: made.push_back(new TComboBox(*this, parent, c)); break;
        }
    }
    return made;
}

std::vector<TControl*> TForm::AddControls(const std::vector<ControlLayout>& controls,
                                          const std::function<void()>& beforeWindows) {
    const std::vector<TControl*> made = CreateControls(controls);
    if (beforeWindows) beforeWindows();
    if (Handle()) {
        for (TControl* control : made) control->CreateHandle();
    }
    return made;
}

// The window, its icons and menu bar, its title, then each control's window
// under its parent's.
void TForm::HandleNeeded() {
    if (Handle()) return;
    CreateWindowHandle();
    LoadIcons();
    if (menuBar_) menuBar_->Attach(Handle());
    SetCaption(caption_.Get(nullptr));
    std::vector<TControl*> controls;
    for (TComponent* c : Components()) {
        if (auto* control = dynamic_cast<TControl*>(c)) controls.push_back(control);
    }
    CreateControlWindows(controls);
}

// Parents first, and each parent's children from the last listed to the
// first: each new window goes behind those made before it, so that the
// later ones end in front as the layout has them, and none has to be moved
// there. Siblings among which a tab sheet is are made in layout order
// instead, each then put in front: a sheet adds its tab when its window is
// made, and the tabs go in the layout's order.
void TForm::CreateControlWindows(const std::vector<TControl*>& controls) {
    std::vector<TControl*> parents{nullptr};
    for (std::size_t next = 0; next < parents.size(); ++next) {
        std::vector<TControl*> children;
        for (TControl* c : controls) {
            if (c->Parent() == parents[next]) children.push_back(c);
        }
        const bool inOrder = std::any_of(children.begin(), children.end(), [](TControl* c) {
            return dynamic_cast<TTabSheet*>(c) != nullptr;
        });
        if (inOrder) {
            for (TControl* c : children) c->CreateHandle(TControl::Placement::InFront);
        } else {
            for (auto c = children.rbegin(); c != children.rend(); ++c)
                (*c)->CreateHandle(TControl::Placement::AsMade);
        }
        parents.insert(parents.end(), children.begin(), children.end());
    }
}

void TForm::CreateComponents() {
    for (const ComponentLayout& c : layout_.components) {
        TComponent* component = host_.Classes().Create(c.className, this);
        component->SetName(c.name);
        component->BeginLoading();
        component->AssignProperties(c.properties);
    }
}

}  // namespace tk
