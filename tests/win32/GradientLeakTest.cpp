// The caption leaves no GDI object behind, however often it is painted.
#include "GradientFixture.h"

namespace rytmalo::testing {
namespace {

using GradientLeaks = GradientTest;

TEST_F(GradientLeaks, ObjectCountSeesAnObjectComeAndGo) {
    const long before = GdiObjectCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GdiObjectCount(), before + 1);
    DeleteObject(brush);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(GradientLeaks, TenThousandRepaintsAndAThousandActivationsLeaveTheCountUnchanged) {
    TestGradientForm& form = Make(GradientLayout("TGradMain", BorderStyle::Single, kMainIcons));
    TestGradientForm& other =
        Make(GradientLayout("TGradSizeable", BorderStyle::Sizeable, biSystemMenu));
    form.SetCaption(L"Rytmalo 95");
    other.SetCaption(L"Autre");
    ShowActive(other);
    ShowActive(form);
    // Whatever the system makes once for painting and activating is made now.
    SendMessageW(form.Handle(), WM_NCPAINT, 1, 0);
    form.RepaintCaption(false);
    SetActiveWindow(other.Handle());
    SetActiveWindow(form.Handle());
    Pump();

    const long before = GdiObjectCount();
    const int paintsBefore = form.paints;
    for (int i = 0; i < 10000; ++i) {
        switch (i % 4) {
            case 0: SendMessageW(form.Handle(), WM_NCPAINT, 1, 0); break;
            case 1: form.RepaintCaption(true); break;
            case 2: form.RepaintCaption(false); break;
            case 3:
                form.SetGradientOnInactive(!form.GradientOnInactive());
                form.RepaintCaption(false);
                break;
        }
    }
    EXPECT_GE(form.paints - paintsBefore, 10000);
    EXPECT_EQ(GdiObjectCount(), before) << "after 10,000 repaints";

    const int paintsBeforeToggles = form.paints + other.paints;
    for (int i = 0; i < 1000; ++i) {
        SetActiveWindow(i % 2 == 0 ? other.Handle() : form.Handle());
        Pump();
    }
    EXPECT_EQ(GetActiveWindow(), form.Handle());
    EXPECT_GE(form.paints + other.paints - paintsBeforeToggles, 2000)
        << "each toggle repaints both captions";
    EXPECT_EQ(GdiObjectCount(), before) << "after 1,000 activation toggles";
}

}  // namespace
}  // namespace rytmalo::testing
