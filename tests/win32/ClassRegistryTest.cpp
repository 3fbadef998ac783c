// The component classes layouts name: each made by the factory last
// registered under its name, for the owner given.

#include <gtest/gtest.h>

#include "core/Component.h"
#include "core/Exception.h"
#include "toolkit/ClassRegistry.h"

namespace tk::testing {
namespace {

struct Made : TComponent {
    Made(TComponent* owner, int kind) : TComponent(owner), kind(kind) {}
    int kind;
};

ComponentFactory Factory(int kind) {
    return [kind](TComponent* owner) { return new Made(owner, kind); };
}

int KindMade(const ClassRegistry& registry, std::string_view name, TComponent& owner) {
    auto* made = dynamic_cast<Made*>(registry.Create(name, &owner));
    if (!made) return 0;
    EXPECT_EQ(made->Owner(), &owner);
    return made->kind;
}

TEST(ClassRegistry, MakesEachClassByItsLatestFactoryAndRefusesAnUnknownOne) {
    ClassRegistry registry;
    registry.Register("TFirst", Factory(1));
    registry.Register("TSecond", Factory(2));
    TComponent owner(nullptr);
    EXPECT_EQ(KindMade(registry, "TFirst", owner), 1);
    EXPECT_EQ(KindMade(registry, "TSecond", owner), 2);

    registry.Register("TFirst", Factory(3));
    EXPECT_EQ(KindMade(registry, "TFirst", owner), 3);
    EXPECT_EQ(KindMade(registry, "TSecond", owner), 2);

    EXPECT_THROW(registry.Create("TThird", &owner), tk::ProgrammingError);
    EXPECT_THROW(registry.Create("TFirs", &owner), tk::ProgrammingError);
    EXPECT_EQ(owner.Components().size(), 4u);
}

}  // namespace
}  // namespace tk::testing
