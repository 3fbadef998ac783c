// The application forgets a form that goes: a later form, which may be
// allocated where the old one was, is never taken for it.
#include "ToolkitFixture.h"

namespace tk::testing {
namespace {

FormLayout SmallLayout() {
    FormLayout f;
    f.className = "TTestSmall";
    f.clientWidth = 100;
    f.clientHeight = 50;
    return f;
}

TEST(FormLifetime, ApplicationForgetsADestroyedForm) {
    static const FormLayout layout = SmallLayout();
    auto* form = new TestForm(Application, layout);
    form->Load();
    Application->FormActivated(*form);
    ASSERT_EQ(Application->ActiveForm(), form);
    delete form;
    EXPECT_EQ(Application->ActiveForm(), nullptr);
}

}  // namespace
}  // namespace tk::testing
