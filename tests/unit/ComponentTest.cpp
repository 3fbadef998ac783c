#include "core/Component.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Exception.h"

namespace tk {
namespace {

std::vector<std::string> journal;

// A component that records what happens to it.
class Recorder : public TComponent {
public:
    explicit Recorder(TComponent* owner) : TComponent(owner) {}
    ~Recorder() override { journal.push_back("destroy " + Name()); }

    void SetFirst(bool v) { journal.push_back(std::string("First=") + (v ? "1" : "0")); }
    void SetSecond(std::int32_t v) { journal.push_back("Second=" + std::to_string(v)); }
    void SetThird(std::wstring v) { journal.push_back("Third=" + std::string(v.begin(), v.end())); }
    void Loaded() override {
        TComponent::Loaded();
        journal.push_back("loaded " + Name());
    }

    std::span<const PublishedProperty> Published() const override {
        static const PublishedProperty props[] = {
            {"First", &Assign<&Recorder::SetFirst>},
            {"Second", &Assign<&Recorder::SetSecond>},
            {"Third", &Assign<&Recorder::SetThird>},
        };
        return props;
    }
};

TEST(Component, LayoutValuesAreAssignedInPublishedOrder) {
    journal.clear();
    Recorder r(nullptr);
    r.AssignProperties({{"Third", std::wstring_view(L"x")}, {"First", true}, {"Second", 7}});
    EXPECT_EQ(journal, (std::vector<std::string>{"First=1", "Second=7", "Third=x"}));
}

TEST(Component, PropertyTheClassDoesNotPublishIsRejected) {
    Recorder r(nullptr);
    r.SetName("recorder");
    try {
        r.AssignProperties({{"Fourth", 1}});
        ADD_FAILURE() << "no error";
    } catch (const ProgrammingError& e) {
        EXPECT_STREQ(e.what(), "layout of recorder names a property its class does not publish");
    }
}

// The error keeps its own text, cut to its room, whatever it is given.
TEST(Component, ProgrammingErrorTextIsItsPartsCutToItsRoom) {
    EXPECT_STREQ(ProgrammingError({}).what(), "");
    EXPECT_STREQ(ProgrammingError({"no ", "", "x", " here"}).what(), "no x here");
    const std::string longName(300, 'n');
    const std::string text = ProgrammingError({"no control ", longName}).what();
    EXPECT_EQ(text, "no control " + longName.substr(0, 127 - 11));
    EXPECT_STREQ(ProgrammingError({longName, "tail"}).what(), longName.substr(0, 127).c_str());
}

TEST(Component, OwnerDestroysItsComponentsLastCreatedFirst) {
    journal.clear();
    {
        Recorder owner(nullptr);
        owner.SetName("owner");
        for (const char* name : {"a", "b", "c"}) (new Recorder(&owner))->SetName(name);
        ASSERT_EQ(owner.Components().size(), 3u);
        EXPECT_EQ(owner.FindComponent("b")->Name(), "b");
        EXPECT_EQ(owner.FindComponent("d"), nullptr);
    }
    // The owner's own destructor body runs first, then its components go.
    EXPECT_EQ(journal,
              (std::vector<std::string>{"destroy owner", "destroy c", "destroy b", "destroy a"}));
}

TEST(Component, DestroyedComponentLeavesItsOwnersList) {
    Recorder owner(nullptr);
    auto* a = new Recorder(&owner);
    new Recorder(&owner);
    delete a;
    EXPECT_EQ(owner.Components().size(), 1u);
}

TEST(Component, LoadedEndsTheLoadingState) {
    Recorder r(nullptr);
    r.BeginLoading();
    EXPECT_TRUE(r.IsLoading());
    r.Loaded();
    EXPECT_FALSE(r.IsLoading());
}

}  // namespace
}  // namespace tk
