#include <gtest/gtest.h>

#include "toolkit/Application.h"

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        application_ = new tk::TApplication();
        application_->SetTitle(L"Toolkit tests");
        application_->SetHelpFile(L"C:\\help\\tests.hlp");
    }
    void TearDown() override { delete application_; }

private:
    tk::TApplication* application_ = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
