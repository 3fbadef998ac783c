// The composed caption, read back pixel by pixel from a memory context.
#include <array>
#include <set>

#include "GradientFixture.h"
#include "toolkit/Gdi.h"

namespace rytmalo::testing {
namespace {

struct Composed {
    std::unique_ptr<Bitmap32> image;  // the whole window, untouched outside the caption
    TRect caption;
};

Composed Compose(TGradientForm& form, bool active) {
    Composed c;
    c.image = std::make_unique<Bitmap32>(form.Width(), form.Height(), kUntouched);
    c.caption = form.PaintCaption(c.image->dc(), active);
    return c;
}

// Index of a colour in the first count entries, or -1.
int EntryOf(const GradientColorTable& table, int count, COLORREF color) {
    for (int k = 0; k < count; ++k) {
        if (table[k] == color) return k;
    }
    return -1;
}

int WhitePixels(const Bitmap32& image, const TRect& area) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) n += image.At(x, y) == RGB(255, 255, 255);
    }
    return n;
}

TRect Offset(TRect r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

CaptionLayout LayoutOf(const TGradientForm& form) {
    const TRect caption = form.GetCaptionRect();
    return LayOutCaption(form.GetBorderStyle(), form.BorderIcons(), form.IsMaximized(),
                         caption.Width(), caption.Height(), CurrentCaptionMetrics());
}

// Each button of the layout, drawn alone, matches the composed caption at
// its place.
void ExpectButtonsAt(const TGradientForm& form, const Composed& c, size_t expectedCount) {
    const CaptionLayout layout = LayoutOf(form);
    ASSERT_EQ(layout.buttons.size(), expectedCount);
    for (const CaptionButton& button : layout.buttons) {
        Bitmap32 alone(button.rect.Width(), button.rect.Height(), kUntouched);
        RECT r{0, 0, button.rect.Width(), button.rect.Height()};
        // The system's caption buttons, in the order of CaptionGlyph.
        const UINT state = std::array<UINT, 5>{DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX,
                                               DFCS_CAPTIONRESTORE,
                                               DFCS_CAPTIONHELP}[static_cast<int>(button.glyph)];
        DrawFrameControl(alone.dc(), &r, DFC_CAPTION,
                         button.enabled ? state : state | DFCS_INACTIVE);
        const TRect inImage = Offset(button.rect, c.caption.Left, c.caption.Top);
        EXPECT_EQ(
            Differences(alone, {0, 0, r.right, r.bottom}, *c.image, inImage.Left, inImage.Top), 0)
            << "button " << static_cast<int>(button.glyph)
            << (button.enabled ? " enabled" : " greyed");
    }
}

using GradientCaption = GradientTest;

TEST_F(GradientCaption, ActiveCaptionRunsFromBlackToTheActiveColourUnderAWhiteTitle) {
    TestGradientForm& form = Make(GradientLayout("TGradMain", BorderStyle::Single, kMainIcons));
    form.SetCaption(L"Rytmalo 95");
    const Composed c = Compose(form, true);
    const TRect& cr = c.caption;
    EXPECT_EQ(
        cr, CaptionRect(BorderStyle::Single, form.Width(), form.Height(), CurrentCaptionMetrics()));

    const Bitmap32& image = *c.image;
    EXPECT_EQ(image.At(cr.Left, cr.Top), RGB(0, 0, 0));
    EXPECT_EQ(image.At(cr.Right - 1, cr.Top), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(image.At(cr.Right - 1, cr.Bottom - 1), GetSysColor(COLOR_ACTIVECAPTION));

    // The top row is the gradient alone: table entries, left to right, from
    // the first to the last.
    const GradientColorTable& table = form.GradientTable()[kActiveGradient];
    int previous = 0;
    std::set<int> seen;
    for (int x = cr.Left; x < cr.Right; ++x) {
        const int k = EntryOf(table, form.GradientColors(), image.At(x, cr.Top));
        ASSERT_GE(k, previous) << "column " << x;
        previous = k;
        seen.insert(k);
    }
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), form.GradientColors() - 1);
    EXPECT_GT(seen.size(), 50u) << "a gradient, not a few flat bands";

    // The title is white, and nothing but the title and the buttons' edges is.
    const CaptionLayout layout = LayoutOf(form);
    const TRect title = Offset(TitleRect(layout.textArea), cr.Left, cr.Top);
    EXPECT_GT(WhitePixels(image, title), 30);
    int whiteOfButtons = 0;
    for (const CaptionButton& b : layout.buttons)
        whiteOfButtons += WhitePixels(image, Offset(b.rect, cr.Left, cr.Top));
    EXPECT_EQ(WhitePixels(image, cr) - whiteOfButtons, WhitePixels(image, title));

    // One copy into the caption rectangle: the frame and the caption's
    // bottom line are not touched.
    for (int x = 0; x < image.width(); ++x) {
        EXPECT_EQ(image.At(x, cr.Top - 1), kUntouched);
        EXPECT_EQ(image.At(x, cr.Bottom), kUntouched);
    }
    for (int y = 0; y < image.height(); ++y) {
        EXPECT_EQ(image.At(cr.Left - 1, y), kUntouched);
        EXPECT_EQ(image.At(cr.Right, y), kUntouched);
    }
    ExpectButtonsAt(form, c, 2);
}

TEST_F(GradientCaption, InactiveCaptionIsAGradientToTheInactiveColourOrFlat) {
    TestGradientForm& form = Make(GradientLayout("TGradMain", BorderStyle::Single, kMainIcons));
    form.SetCaption(L"Rytmalo 95");
    const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
    {
        const Composed c = Compose(form, false);
        EXPECT_EQ(c.image->At(c.caption.Left, c.caption.Top), RGB(0, 0, 0));
        EXPECT_EQ(c.image->At(c.caption.Right - 1, c.caption.Top), inactive);
        EXPECT_GE(EntryOf(form.GradientTable()[kInactiveGradient], 64,
                          c.image->At(c.caption.Left + 100, c.caption.Top)),
                  1);
    }
    form.SetGradientOnInactive(false);
    {
        const Composed c = Compose(form, false);
        for (int x = c.caption.Left; x < c.caption.Right; ++x) {
            ASSERT_EQ(c.image->At(x, c.caption.Top), inactive) << "column " << x;
        }
        const TRect title =
            Offset(TitleRect(LayoutOf(form).textArea), c.caption.Left, c.caption.Top);
        EXPECT_GT(WhitePixels(*c.image, title), 30) << "the title stays white";
        ExpectButtonsAt(form, c, 2);
    }
    // The setting is for the inactive caption only.
    const Composed active = Compose(form, true);
    EXPECT_EQ(active.image->At(active.caption.Left, active.caption.Top), RGB(0, 0, 0));
    EXPECT_EQ(active.image->At(active.caption.Right - 1, active.caption.Top),
              GetSysColor(COLOR_ACTIVECAPTION));
}

TEST_F(GradientCaption, SystemMenuShowsTheIconInABlackOrFlatCell) {
    TestGradientForm& form =
        Make(GradientLayout("TGradSizeable", BorderStyle::Sizeable, biSystemMenu));
    const int s = GetSystemMetrics(SM_CXSMICON);
    const auto expectCell = [&](const Composed& c, COLORREF background) {
        const int left = c.caption.Left;
        const int top = c.caption.Top;
        // The cell spans columns 1 to s + 1 over the full height; the icon
        // sits at (2, 1).
        for (int x = 1; x <= s + 1; ++x) EXPECT_EQ(c.image->At(left + x, top), background) << x;
        for (int y = 0; y < c.caption.Height(); ++y)
            EXPECT_EQ(c.image->At(left + 1, top + y), background) << y;
        Bitmap32 icon(s, s, background);
        tk::IconHandle copy(static_cast<HICON>(
            CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, s, s, LR_COPYFROMRESOURCE)));
        DrawIconEx(icon.dc(), 0, 0, copy.get(), 0, 0, 0, nullptr, DI_NORMAL);
        EXPECT_EQ(Differences(icon, {0, 0, s, s}, *c.image, left + 2, top + 1), 0);
    };
    expectCell(Compose(form, true), RGB(0, 0, 0));
    expectCell(Compose(form, false), RGB(0, 0, 0));
    form.SetGradientOnInactive(false);
    expectCell(Compose(form, false), GetSysColor(COLOR_INACTIVECAPTION));

    // Close, then maximise and minimise greyed: the window has neither.
    const Composed c = Compose(form, true);
    ExpectButtonsAt(form, c, 3);
    EXPECT_FALSE(LayoutOf(form).buttons[1].enabled);
}

TEST_F(GradientCaption, MaximisedWindowShowsTheRestoreButton) {
    TestGradientForm& form = Make(GradientLayout("TGradSizeable", BorderStyle::Sizeable,
                                                 biSystemMenu | biMinimize | biMaximize));
    form.Show();
    ShowWindow(form.Handle(), SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(form.IsMaximized());
    const CaptionLayout layout = LayoutOf(form);
    ASSERT_EQ(layout.buttons.size(), 3u);
    EXPECT_EQ(layout.buttons[1].glyph, CaptionGlyph::Restore);
    ExpectButtonsAt(form, Compose(form, true), 3);
}

TEST_F(GradientCaption, DialogWithHelpShowsCloseAndHelpWithoutIcon) {
    TestGradientForm& form =
        Make(GradientLayout("TGradDialog", BorderStyle::Dialog, biSystemMenu | biHelp));
    const Composed c = Compose(form, true);
    ExpectButtonsAt(form, c, 2);
    // No icon cell: the gradient runs on under where an icon would be.
    EXPECT_NE(c.image->At(c.caption.Left + GetSystemMetrics(SM_CXSMICON) + 1, c.caption.Top),
              RGB(0, 0, 0));
}

TEST_F(GradientCaption, ToolWindowHasASmallCaptionAndItsCloseButton) {
    TestGradientForm& form = Make(GradientLayout("TGradTool", BorderStyle::ToolWindow, 0));
    const Composed c = Compose(form, true);
    EXPECT_EQ(c.caption.Height(), GetSystemMetrics(SM_CYSMCAPTION) - 1);
    ExpectButtonsAt(form, c, 1);
    EXPECT_EQ(LayoutOf(form).buttons[0].rect.Width(), GetSystemMetrics(SM_CXSMSIZE) - 2);
}

TEST_F(GradientCaption, WindowWithoutBorderGetsNoCaption) {
    TestGradientForm& form = Make(GradientLayout("TGradNone", BorderStyle::None, biSystemMenu));
    const Composed c = Compose(form, true);
    EXPECT_TRUE(c.caption.IsEmpty());
    for (int y = 0; y < c.image->height(); y += 7) {
        for (int x = 0; x < c.image->width(); x += 7) ASSERT_EQ(c.image->At(x, y), kUntouched);
    }
    EXPECT_EQ(form.paints, 0);
}

TEST_F(GradientCaption, TitleTooLongForTheRoomEndsInAnEllipsis) {
    TestGradientForm& form = Make(GradientLayout("TGradMain", BorderStyle::Single, kMainIcons));
    form.SetGradientOnInactive(false);
    const std::wstring title(
        L"Rytmalo 95 — un titre beaucoup trop long pour tenir dans la barre de titre");
    form.SetCaption(title);
    const Composed c = Compose(form, false);
    const TRect textArea = LayoutOf(form).textArea;
    const auto expected = ExpectedFlatTitle(form, title, textArea);
    const auto cut = ExpectedFlatTitle(form, title, textArea, DT_VCENTER | DT_SINGLELINE);
    const TRect area{0, 0, textArea.Right, textArea.Bottom};
    ASSERT_GT(Differences(*expected, area, *cut, 0, 0), 0) << "the ellipsis shows";
    EXPECT_EQ(Differences(*expected, area, *c.image, c.caption.Left, c.caption.Top), 0);
}

TEST_F(GradientCaption, CaptionPaintHandlerDrawsAndMovesTheTitleWithTheCaptionFontLent) {
    TestGradientForm& form = Make(GradientLayout("TGradMain", BorderStyle::Single, kMainIcons));
    form.SetGradientOnInactive(false);
    form.SetCaption(L"Rytmalo 95");
    HFONT fontSeen = nullptr;
    int calls = 0;
    form.OnCaptionPaint = [&](TGradientForm& sender, tk::TCanvas& canvas, TRect& r) {
        ++calls;
        EXPECT_EQ(&sender, &form);
        fontSeen = canvas.Font();
        EXPECT_EQ(canvas.FontColor(), GetSysColor(COLOR_WINDOWTEXT));
        canvas.FillRect({0, 0, 10, 4}, RGB(255, 0, 0));
        // Whatever the handler leaves selected or set is not the title's.
        SelectObject(canvas.Handle(), GetStockObject(SYSTEM_FIXED_FONT));
        canvas.SetFontColor(RGB(0, 255, 0));
        r.Left += 100;
    };
    const Composed c = Compose(form, false);
    Compose(form, true);
    EXPECT_EQ(calls, 2) << "on every composition, active or not";
    EXPECT_EQ(fontSeen, form.CaptionFont());
    EXPECT_EQ(GetObjectType(form.CaptionFont()), static_cast<DWORD>(OBJ_FONT)) << "lent, not taken";
    EXPECT_EQ(c.image->At(c.caption.Left, c.caption.Top), RGB(255, 0, 0));
    EXPECT_EQ(c.image->At(c.caption.Left + 9, c.caption.Top + 3), RGB(255, 0, 0));
    EXPECT_EQ(c.image->At(c.caption.Left + 10, c.caption.Top), GetSysColor(COLOR_INACTIVECAPTION));

    TRect moved = LayoutOf(form).textArea;
    moved.Left += 100;
    const auto expected = ExpectedFlatTitle(form, L"Rytmalo 95", moved);
    const TRect area{10, 0, moved.Right, moved.Bottom};
    EXPECT_EQ(Differences(*expected, area, *c.image, c.caption.Left, c.caption.Top), 0);

    // Without a handler the same font still writes the same title.
    form.OnCaptionPaint = nullptr;
    const Composed plain = Compose(form, false);
    const auto unmoved = ExpectedFlatTitle(form, L"Rytmalo 95", LayoutOf(form).textArea);
    EXPECT_EQ(Differences(*unmoved, {0, 0, moved.Right, moved.Bottom}, *plain.image,
                          plain.caption.Left, plain.caption.Top),
              0);
}

TEST_F(GradientCaption, FailingHandlerLeavesNoObjectBehindAndNothingOnTheTarget) {
    TestGradientForm& form =
        Make(GradientLayout("TGradSizeable", BorderStyle::Sizeable, biSystemMenu));
    form.OnCaptionPaint = [](TGradientForm&, tk::TCanvas& canvas, TRect&) {
        SelectObject(canvas.Handle(), GetStockObject(BLACK_BRUSH));
        throw tk::Exception(L"Boum");
    };
    Bitmap32 target(form.Width(), form.Height(), kUntouched);
    // What painting keeps, it makes once for each state.
    EXPECT_THROW(form.PaintCaption(target.dc(), true), tk::Exception);
    EXPECT_THROW(form.PaintCaption(target.dc(), false), tk::Exception);
    const long before = GdiObjectCount();
    for (int i = 0; i < 200; ++i) {
        EXPECT_THROW(form.PaintCaption(target.dc(), i % 2 == 0), tk::Exception);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    for (int y = 0; y < target.height(); y += 3) {
        for (int x = 0; x < target.width(); x += 3) ASSERT_EQ(target.At(x, y), kUntouched);
    }
}

TEST_F(GradientCaption, BandFillPaintsEachEntryOverItsColumns) {
    GradientColorTable table{};
    FillGradientTable(table, RGB(40, 200, 255), 64);
    for (int width : {40, 64, 100, 381}) {
        Bitmap32 image(width, 5, kUntouched);
        FillCaptionBands(image.dc(), width, 5, table, 64);
        for (int i = 0; i < 64; ++i) {
            const ColumnSpan band = GradientBand(width, 64, i);
            for (int x = band.begin; x < band.end; ++x) {
                ASSERT_EQ(image.At(x, 0), table[i]) << width << " column " << x;
                ASSERT_EQ(image.At(x, 4), table[i]) << width << " column " << x;
            }
        }
    }
}

TEST_F(GradientCaption, StretchFillSpreadsTheStripOverTheWidth) {
    GradientColorTable table{};
    FillGradientTable(table, RGB(40, 200, 255), 64);
    {
        Bitmap32 image(256, 4, kUntouched);
        FillCaptionStretched(image.dc(), 256, 4, table, 64);
        for (int x = 0; x < 256; ++x) ASSERT_EQ(image.At(x, 3), table[x / 4]) << x;
    }
    Bitmap32 image(381, 4, kUntouched);
    FillCaptionStretched(image.dc(), 381, 4, table, 64);
    int previous = 0;
    for (int x = 0; x < 381; ++x) {
        const int k = EntryOf(table, 64, image.At(x, 0));
        ASSERT_GE(k, previous) << x;
        previous = k;
    }
    EXPECT_EQ(EntryOf(table, 64, image.At(0, 0)), 0);
    EXPECT_EQ(previous, 63);
}

}  // namespace
}  // namespace rytmalo::testing
