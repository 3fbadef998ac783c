// What the caption keeps from one paint to the next (its image, its
// gradients, the metrics it is laid out with) is made again when what it
// was made for changes: each change below comes after a paint, and the next
// paint must show it.
#include "GradientFixture.h"
#include "toolkit/Dpi.h"
#include "toolkit/Gdi.h"

namespace rytmalo::testing {
namespace {

// Without a caption-paint handler, which would have the caption composed at
// every paint.
class CaptionCacheTest : public GradientTest {
protected:
    TestGradientForm& MakeBare(tk::FormLayout layout) {
        TestGradientForm& form = Make(std::move(layout));
        form.OnCaptionPaint = nullptr;
        return form;
    }
};

// The caption's right end, top and bottom rows, as painted now.
struct RightEnd {
    COLORREF top;
    COLORREF bottom;
    int height;
};

RightEnd PaintRightEnd(TGradientForm& form) {
    Bitmap32 image(form.Width(), form.Height(), kUntouched);
    const TRect cr = form.PaintCaption(image.dc(), true);
    return {image.At(cr.Right - 1, cr.Top), image.At(cr.Right - 1, cr.Bottom - 1), cr.Height()};
}

TEST_F(CaptionCacheTest, NewColoursSizeAndResolutionReachTheNextPaint) {
    TestGradientForm& form =
        MakeBare(GradientLayout("TGradCache", BorderStyle::Sizeable, biSystemMenu));
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION);
    ASSERT_EQ(PaintRightEnd(form).top, active);

    const int indexes[] = {COLOR_ACTIVECAPTION};
    struct Restore {
        const int* indexes;
        COLORREF color;
        HWND window;
        ~Restore() {
            SetSysColors(1, indexes, &color);
            SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
        }
    } restore{indexes, active, form.Handle()};
    const COLORREF green = RGB(0, 160, 0);
    ASSERT_TRUE(SetSysColors(1, indexes, &green));
    SendMessageW(form.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(PaintRightEnd(form).top, green) << "new colours";

    SetWindowPos(form.Handle(), nullptr, 0, 0, form.Width() + 150, form.Height() + 20,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(PaintRightEnd(form).top, green) << "a wider window";

    form.ChangeDpi(144);
    const RightEnd at144 = PaintRightEnd(form);
    EXPECT_EQ(at144.height, tk::SystemMetricForDpi(SM_CYCAPTION, 144) - 1);
    EXPECT_EQ(at144.bottom, green) << "a higher caption";
    form.ChangeDpi(96);
    EXPECT_EQ(PaintRightEnd(form).height, GetSystemMetrics(SM_CYCAPTION) - 1);
    EXPECT_TRUE(reported.empty());
}

// The size of the image a context holds.
SIZE HeldImageSize(HDC dc) {
    BITMAP bm{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

// Other caption metrics or another resolution may change the caption's
// height alone: the image, what it shows and the gradient drawn at the old
// size are all made again, as for another width.
TEST(CaptionCacheAlone, AHigherCaptionOfTheSameWidthIsComposedAnew) {
    const tk::WindowDc screen(nullptr);
    GradientColorTable table{};
    FillGradientTable(table, RGB(0, 160, 0), 16);
    const CaptionCache::Composed shown{.active = true, .gradient = true, .generation = 1};
    CaptionCache cache;
    cache.Composition(screen.get(), 200, 18);
    cache.CopyGradient(kActiveGradient, table, 16, 1);
    cache.Remember(shown);
    ASSERT_TRUE(cache.Shows(shown));

    HDC higher = cache.Composition(screen.get(), 200, 27);
    const SIZE size = HeldImageSize(higher);
    EXPECT_EQ(size.cx, 200);
    EXPECT_EQ(size.cy, 27) << "the lower caption's image kept";
    EXPECT_FALSE(cache.Shows(shown)) << "the lower caption's composition taken as it is";
    cache.CopyGradient(kActiveGradient, table, 16, 1);
    EXPECT_EQ(GetPixel(higher, 199, 26), RGB(0, 160, 0)) << "the lower gradient copied";
}

TEST_F(CaptionCacheTest, ANewTitleReachesTheNextPaint) {
    TestGradientForm& form =
        MakeBare(GradientLayout("TGradCache", BorderStyle::Single, kMainIcons));
    form.SetGradientOnInactive(false);
    form.SetCaption(L"Avant");
    Bitmap32 before(form.Width(), form.Height(), kUntouched);
    form.PaintCaption(before.dc(), false);

    form.SetCaption(L"Après le changement");
    Bitmap32 image(form.Width(), form.Height(), kUntouched);
    const TRect cr = form.PaintCaption(image.dc(), false);
    // And back to the active state, composed again.
    Bitmap32 active(form.Width(), form.Height(), kUntouched);
    form.PaintCaption(active.dc(), true);
    EXPECT_EQ(active.At(cr.Right - 1, cr.Top), GetSysColor(COLOR_ACTIVECAPTION));
    const CaptionLayout layout = LayOutCaption(form.GetBorderStyle(), form.BorderIcons(), false,
                                               cr.Width(), cr.Height(), CurrentCaptionMetrics());
    const auto expected = ExpectedFlatTitle(form, L"Après le changement", layout.textArea);
    EXPECT_EQ(Differences(*expected, layout.textArea, image, cr.Left, cr.Top), 0);
}

}  // namespace
}  // namespace rytmalo::testing
