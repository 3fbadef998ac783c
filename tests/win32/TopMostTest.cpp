// The stay-on-top component against real windows: the top band read back
// from the window, the calls watched through the component's seam.
#include <memory>
#include <vector>

#include "ToolkitFixture.h"
#include "components/TopMost.h"
#include "driver/Driver.h"

namespace rytmalo::testing {
namespace {

struct Call {
    HWND window;
    HWND insertAfter;
    int x, y, cx, cy;
    UINT flags;
    bool operator==(const Call&) const = default;
};

tk::FormLayout SmallForm(std::string_view className) {
    return tk::FormAt(className, L"", tk::Bounds(150, 120, 200, 100));
}

using driver::IsTopMost;

class TopMost : public tk::testing::ToolkitTest {
protected:
    // Records each call and makes it.
    WindowPlacer Recorder() {
        return [this](HWND window, HWND after, int x, int y, int cx, int cy, UINT flags) {
            calls.push_back({window, after, x, y, cx, cy, flags});
            return SetWindowPos(window, after, x, y, cx, cy, flags);
        };
    }
    static Call Expected(HWND window, bool onTop) {
        return {window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST,   0, 0, 0,
                0,      SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE};
    }
    std::vector<Call> calls;
};

TEST_F(TopMost, ConstructionPutsTheFormOnTopAndEveryAssignmentCallsAgainEvenUnchanged) {
    static const tk::FormLayout layout = SmallForm("TTopMostForm");
    tk::TForm& form = MakeForm(layout);
    HWND w = form.Handle();
    auto* topMost = new TTopMost(&form, Recorder());
    EXPECT_TRUE(topMost->OnTop());
    EXPECT_TRUE(IsTopMost(w));
    topMost->SetOnTop(true);
    EXPECT_TRUE(IsTopMost(w));
    // The form's owner lies right below it: the case Wine gets wrong.
    topMost->SetOnTop(false);
    EXPECT_FALSE(topMost->OnTop());
    EXPECT_FALSE(IsTopMost(w));
    topMost->SetOnTop(false);
    topMost->SetOnTop(true);
    EXPECT_TRUE(IsTopMost(w));
    EXPECT_EQ(GetWindow(w, GW_OWNER), tk::Application->Handle()) << "the owner stays";
    delete topMost;
    EXPECT_FALSE(IsTopMost(w)) << "going, it takes the form out of the band";
    EXPECT_EQ(calls,
              (std::vector<Call>{Expected(w, true), Expected(w, true), Expected(w, false),
                                 Expected(w, false), Expected(w, true), Expected(w, false)}));
}

TEST_F(TopMost, MadeByALayoutItCallsOnceLoadedWithTheLayoutsValue) {
    static const tk::FormLayout layout = SmallForm("TTopMostLoading");
    tk::TForm& form = MakeForm(layout);
    HWND w = form.Handle();
    for (const bool value : {false, true}) {
        calls.clear();
        // As the form's loading makes it: the form loading, its value assigned.
        form.BeginLoading();
        auto topMost = std::make_unique<TTopMost>(&form, Recorder());
        topMost->SetOnTop(value);
        EXPECT_TRUE(calls.empty()) << value;
        EXPECT_FALSE(IsTopMost(w)) << value;
        topMost->Loaded();
        form.Loaded();
        EXPECT_EQ(calls, std::vector<Call>{Expected(w, value)}) << value;
        EXPECT_EQ(IsTopMost(w), value);
        EXPECT_EQ(GetWindow(w, GW_OWNER), tk::Application->Handle()) << value;
        topMost.reset();
        EXPECT_FALSE(IsTopMost(w));
    }
}

TEST_F(TopMost, TheWindowNeitherMovesNorResizesNorIsActivatedNorShown) {
    static const tk::FormLayout hiddenLayout = SmallForm("TTopMostHidden");
    static const tk::FormLayout shownLayout = SmallForm("TTopMostShown");
    static const tk::FormLayout otherLayout = SmallForm("TTopMostOther");
    tk::TForm& hidden = MakeForm(hiddenLayout);
    TTopMost onHidden(&hidden);
    tk::TForm& shown = MakeForm(shownLayout);
    shown.Show();
    tk::TForm& other = MakeForm(otherLayout);
    other.Show();
    Pump();
    ASSERT_EQ(GetActiveWindow(), other.Handle());
    RECT before, after;
    GetWindowRect(shown.Handle(), &before);
    TTopMost onShown(&shown);
    onShown.SetOnTop(false);
    onShown.SetOnTop(true);
    Pump();
    GetWindowRect(shown.Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetActiveWindow(), other.Handle());
    EXPECT_TRUE(IsTopMost(shown.Handle()));
    EXPECT_FALSE(IsTopMost(other.Handle()));
    EXPECT_TRUE(IsTopMost(hidden.Handle()));
    EXPECT_FALSE(IsWindowVisible(hidden.Handle()));
}

TEST_F(TopMost, WithoutAFormForOwnerOrWithItsWindowGoneNoWindowIsCalled) {
    {
        tk::TComponent owner(nullptr);
        TTopMost topMost(&owner, Recorder());
        EXPECT_TRUE(topMost.OnTop());
        topMost.SetOnTop(false);
        EXPECT_FALSE(topMost.OnTop());
    }
    EXPECT_TRUE(calls.empty());

    // A form destroys its window before its components.
    static const tk::FormLayout layout = SmallForm("TTopMostGoing");
    auto form = std::make_unique<tk::testing::TestForm>(tk::Application, layout);
    form->Load();
    new TTopMost(form.get(), Recorder());
    form.reset();
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace rytmalo::testing
