// The components the main window's layout creates, with their settings.
#include "RegistryScratch.h"
#include "ToolkitFixture.h"
#include "app/ComponentClasses.h"
#include "app/MainFormLayout.h"
#include "components/PlxAppPath.h"
#include "components/RegApp.h"
#include "components/TopMost.h"

namespace rytmalo::testing {
namespace {

class MainFormComponents : public tk::testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        RegisterComponentClasses(*tk::Application);
    }
};

TEST_F(MainFormComponents, LoadedInOrderWithTheStoreClosedStayOnTopOffAndThePathRegistrationOn) {
    tk::TComponent owner(tk::Application);
    for (const tk::ComponentLayout& c : MainFormLayout().components) {
        tk::TComponent* component = tk::Application->Classes().Create(c.className, &owner);
        component->SetName(c.name);
        component->AssignProperties(c.properties);
    }
    // The hint bubbles before the single-instance guard, and after the guard
    // only the path registration: a second instance ends while the guard
    // loads.
    std::vector<std::string> names;
    for (const tk::TComponent* c : owner.Components()) names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"RegApp", "EllipticHint1", "TopMost1",
                                               "OnlyOpenOnce1", "PlomexAppPath1"}));

    auto* store = dynamic_cast<TRegAppUserConfig*>(owner.FindComponent("RegApp"));
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->RootKey(), rhCurrentUser);
    EXPECT_EQ(store->KeyPath(), L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0");
    EXPECT_TRUE(store->RelativePath().empty());
    EXPECT_FALSE(store->Active()) << "creating the window opens nothing";
    EXPECT_EQ(store->Registry().CurrentKey(), nullptr);

    auto* topMost = dynamic_cast<TTopMost*>(owner.FindComponent("TopMost1"));
    ASSERT_NE(topMost, nullptr);
    EXPECT_FALSE(topMost->OnTop()) << "the layout stores OnTop False";

    auto* appPath = dynamic_cast<TPlomexAppPath*>(owner.FindComponent("PlomexAppPath1"));
    ASSERT_NE(appPath, nullptr);
    EXPECT_TRUE(appPath->Enabled());
}

TEST_F(MainFormComponents, ALayoutAssignsTheStoreInPublishedOrder) {
    ScratchKey scratch(HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests");
    LeftBehind defaults(HKEY_CURRENT_USER, L"SOFTWARE\\My Company");
    // Listed with Active first: the names still come before the opening.
    static const tk::FormLayout f = [] {
        tk::FormLayout layout = tk::FormAt("TStoreTestForm", L"", tk::Bounds(0, 0, 200, 100));
        layout.components = {{"TRegAppUserConfig",
                              "Store",
                              {{"Active", true},
                               {"RelativePath", std::wstring_view(L"Sous")},
                               {"Version", std::wstring_view(L"v9")},
                               {"ApplicationName", std::wstring_view(L"Store")},
                               {"Company", std::wstring_view(L"Rytmalo Tests")},
                               {"RootKey", std::int32_t{rhCurrentUser}}}}};
        return layout;
    }();
    auto& store = MakeForm(f).Find<TRegAppUserConfig>("Store");
    EXPECT_TRUE(store.Active());
    EXPECT_EQ(store.Registry().CurrentPath(), L"SOFTWARE\\Rytmalo Tests\\Store\\v9\\Sous");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"SOFTWARE\\My Company\\My Application\\v1.0a"))
        << "no key opened on the way";
}

}  // namespace
}  // namespace rytmalo::testing
