// How the gradient form takes the caption bar over through window messages,
// against real windows.
#include "GradientFixture.h"
#include "toolkit/Gdi.h"

namespace rytmalo::testing {
namespace {

tk::FormLayout MainLike() { return GradientLayout("TGradMain", BorderStyle::Single, kMainIcons); }

std::wstring SystemCopyOfText(HWND window) {
    wchar_t text[64] = L"?";
    const int n = InternalGetWindowText(window, text, 64);
    return std::wstring(text, n);
}

// Paints the whole window, frame included, in one colour.
void PaintWindow(HWND window, COLORREF color) {
    tk::WindowDc dc(window, tk::WindowDc::Whole);
    tk::BrushHandle brush(CreateSolidBrush(color));
    RECT r;
    GetWindowRect(window, &r);
    OffsetRect(&r, -r.left, -r.top);
    FillRect(dc.get(), &r, brush.get());
}

bool RowIs(const Bitmap32& image, int y, int from, int to, COLORREF color) {
    for (int x = from; x < to; ++x) {
        if (image.At(x, y) != color) return false;
    }
    return true;
}

using GradientMessages = GradientTest;

// What another program reads (the length, a short buffer, no room) is
// checked end to end (MainWindow.TitlesOfTaskbarEntryAndWindow).
TEST_F(GradientMessages, TitleIsKeptByTheFormAndGivenToEveryReader) {
    TestGradientForm& form = Make(MainLike());
    form.SetCaption(L"Rytmalo 95");
    HWND w = form.Handle();
    EXPECT_EQ(SystemCopyOfText(w), L"") << "the system's copy never gets the title";
    wchar_t text[32];
    EXPECT_EQ(GetWindowTextW(w, text, 32), 10);
    EXPECT_STREQ(text, L"Rytmalo 95");

    EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 10, 0), 0) << "no buffer, nothing written";
    wchar_t one[2] = L"X";
    EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 1, reinterpret_cast<LPARAM>(one)), 0);
    EXPECT_EQ(one[0], L'\0');
}

TEST_F(GradientMessages, SetTextStoresAndPaintsANewTitleOnly) {
    TestGradientForm& form = Make(MainLike());
    form.SetCaption(L"Rytmalo 95");
    HWND w = form.Handle();
    const int paints = form.paints;
    EXPECT_EQ(SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Rytmalo 95")), TRUE);
    EXPECT_EQ(form.paints, paints) << "the same title paints nothing";
    EXPECT_EQ(SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"rytmalo 95")), TRUE);
    EXPECT_EQ(form.paints, paints + 1) << "case matters";
    EXPECT_TRUE(SetWindowTextW(w, L"Autre titre"));
    EXPECT_EQ(form.paints, paints + 2);
    EXPECT_EQ(form.Caption(), L"Autre titre");
    EXPECT_EQ(SystemCopyOfText(w), L"");
    EXPECT_EQ(SendMessageW(w, WM_SETTEXT, 0, 0), TRUE);
    EXPECT_EQ(form.Caption(), L"");
}

TEST_F(GradientMessages, ActivationRepaintsTheCaptionInTheAnnouncedStateOnly) {
    TestGradientForm& form = Make(MainLike());
    form.SetCaption(L"Rytmalo 95");
    form.SetGradientOnInactive(false);
    ShowActive(form);
    const TRect cr = form.GetCaptionRect();

    EXPECT_EQ(SendMessageW(form.Handle(), WM_NCACTIVATE, FALSE, 0), TRUE);
    auto image = Bitmap32::OfWindow(form.Handle());
    EXPECT_TRUE(RowIs(*image, cr.Top, cr.Left, cr.Right - 40, GetSysColor(COLOR_INACTIVECAPTION)))
        << "flat and inactive at once, and the system drew no caption of its own over it";

    EXPECT_EQ(SendMessageW(form.Handle(), WM_NCACTIVATE, TRUE, 0), TRUE);
    image = Bitmap32::OfWindow(form.Handle());
    EXPECT_EQ(image->At(cr.Left, cr.Top), RGB(0, 0, 0));
    EXPECT_EQ(image->At(cr.Right - 1, cr.Top), GetSysColor(COLOR_ACTIVECAPTION));
}

TEST_F(GradientMessages, NonClientPaintOfTheWholeWindowLeavesTheRestToTheSystem) {
    TestGradientForm& form = Make(MainLike());
    form.SetCaption(L"Rytmalo 95");
    ShowActive(form);
    const TRect cr = form.GetCaptionRect();
    PaintWindow(form.Handle(), kUntouched);
    const long objects = GdiObjectCount();
    SendMessageW(form.Handle(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(GdiObjectCount(), objects) << "the region made for the whole window is gone";

    const auto image = Bitmap32::OfWindow(form.Handle());
    EXPECT_EQ(image->At(cr.Left, cr.Top), RGB(0, 0, 0));
    EXPECT_EQ(image->At(cr.Right - 1, cr.Top), GetSysColor(COLOR_ACTIVECAPTION));
    // The frame and the menu-less bottom line were the system's to paint.
    EXPECT_NE(image->At(0, image->height() / 2), kUntouched);
    EXPECT_NE(image->At(image->width() / 2, image->height() - 1), kUntouched);
    EXPECT_NE(image->At(image->width() / 2, cr.Bottom), kUntouched);
}

TEST_F(GradientMessages, NonClientPaintStaysWithinTheRegionItIsGiven) {
    TestGradientForm& form = Make(MainLike());
    form.SetCaption(L"Rytmalo 95");
    ShowActive(form);
    const TRect cr = form.GetCaptionRect();
    RECT wr;
    GetWindowRect(form.Handle(), &wr);

    // A region below the caption: the caption is composed, but none of it
    // reaches the screen.
    PaintWindow(form.Handle(), kUntouched);
    tk::RegionHandle bottom(CreateRectRgn(wr.left, wr.bottom - 3, wr.right, wr.bottom));
    const int paints = form.paints;
    SendMessageW(form.Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(bottom.get()), 0);
    EXPECT_EQ(form.paints, paints + 1);
    auto image = Bitmap32::OfWindow(form.Handle());
    for (int y = cr.Top; y < cr.Bottom; ++y) {
        ASSERT_TRUE(RowIs(*image, y, 0, image->width(), kUntouched)) << "row " << y;
    }
    EXPECT_NE(image->At(image->width() / 2, image->height() - 1), kUntouched)
        << "the system painted the region";
    RECT box;
    EXPECT_EQ(GetRgnBox(bottom.get(), &box), SIMPLEREGION)
        << "the caller's region is still there, unchanged";
    const RECT given{wr.left, wr.bottom - 3, wr.right, wr.bottom};
    EXPECT_TRUE(EqualRect(&box, &given));

    // A region over the left half of the caption: that half only.
    PaintWindow(form.Handle(), kUntouched);
    const int half = (cr.Left + cr.Right) / 2;
    tk::RegionHandle left(CreateRectRgn(wr.left, wr.top, wr.left + half, wr.top + cr.Bottom));
    SendMessageW(form.Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(left.get()), 0);
    image = Bitmap32::OfWindow(form.Handle());
    EXPECT_EQ(image->At(cr.Left, cr.Top), RGB(0, 0, 0));
    EXPECT_NE(image->At(half - 1, cr.Top), kUntouched);
    EXPECT_TRUE(RowIs(*image, cr.Top, half, image->width(), kUntouched));
}

TEST_F(GradientMessages, SizingRepaintsWhenRestoredOrMaximisedNotMinimised) {
    TestGradientForm& form = Make(MainLike());
    const int paints = form.paints;
    SendMessageW(form.Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
    SendMessageW(form.Handle(), WM_SIZE, SIZE_MAXSHOW, 0);
    EXPECT_EQ(form.paints, paints);
    SendMessageW(form.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(381, 120));
    EXPECT_EQ(form.paints, paints + 1);
    SendMessageW(form.Handle(), WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(381, 120));
    EXPECT_EQ(form.paints, paints + 2);
}

// Where the caption draws its minimise button, in window coordinates.
TRect MinimizeButton(const TGradientForm& form) {
    const TRect cr = form.GetCaptionRect();
    const CaptionLayout layout = LayOutCaption(form.GetBorderStyle(), form.BorderIcons(), false,
                                               cr.Width(), cr.Height(), CurrentCaptionMetrics());
    for (const CaptionButton& b : layout.buttons) {
        if (b.glyph == CaptionGlyph::Minimize)
            return {cr.Left + b.rect.Left, cr.Top + b.rect.Top, cr.Left + b.rect.Right,
                    cr.Top + b.rect.Bottom};
    }
    ADD_FAILURE() << "no minimise button drawn";
    return {};
}

// A press whose mouse capture is lost (another window takes it, a message
// box comes up, the capture is released) is void: the button is drawn up
// again and the release that follows, on the button, does nothing.
TEST_F(GradientMessages, CaptionButtonPressEndsWhenTheMouseCaptureIsLost) {
    TestGradientForm& form = Make(MainLike());
    TestGradientForm& other = Make(GradientLayout("TGradOther", BorderStyle::Single, biSystemMenu));
    ShowActive(form);
    HWND w = form.Handle();
    const TRect button = MinimizeButton(form);
    RECT wr;
    GetWindowRect(w, &wr);
    const POINT screen{wr.left + (button.Left + button.Right) / 2,
                       wr.top + (button.Top + button.Bottom) / 2};
    POINT client = screen;
    ScreenToClient(w, &client);
    const auto up = Bitmap32::OfWindow(w);

    const std::pair<const char*, std::function<void()>> losses[] = {
        {"another window takes it", [&] { SetCapture(other.Handle()); }},
        {"released", [] { ReleaseCapture(); }},
    };
    for (const auto& [how, lose] : losses) {
        SCOPED_TRACE(how);
        // Elsewhere the system would take the press into a loop of its own.
        ASSERT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), HTMINBUTTON);
        SendMessageW(w, WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(screen.x, screen.y));
        ASSERT_EQ(GetCapture(), w);
        EXPECT_GT(Differences(*up, button, *Bitmap32::OfWindow(w), 0, 0), 0) << "not drawn pushed";

        lose();
        EXPECT_NE(GetCapture(), w);
        EXPECT_EQ(Differences(*up, button, *Bitmap32::OfWindow(w), 0, 0), 0)
            << "still drawn pushed";
        SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        ASSERT_FALSE(IsIconic(w)) << "the void press minimised the window";
        ReleaseCapture();
    }
}

TEST_F(GradientMessages, BordersGetTheSizingCursorsEverywhereElseTheUsualOnes) {
    TestGradientForm& form = Make(MainLike());
    const std::pair<WORD, LPCWSTR> borders[] = {
        {HTLEFT, IDC_SIZEWE},       {HTRIGHT, IDC_SIZEWE},        {HTTOP, IDC_SIZENS},
        {HTBOTTOM, IDC_SIZENS},     {HTTOPLEFT, IDC_SIZENWSE},    {HTBOTTOMRIGHT, IDC_SIZENWSE},
        {HTTOPRIGHT, IDC_SIZENESW}, {HTBOTTOMLEFT, IDC_SIZENESW},
    };
    for (const auto& [hit, cursor] : borders) {
        SetCursor(nullptr);
        EXPECT_EQ(SendMessageW(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()),
                               MAKELPARAM(hit, WM_MOUSEMOVE)),
                  1)
            << hit;
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, cursor)) << hit;
    }
    for (WORD hit : {WORD(HTCLIENT), WORD(HTCAPTION)}) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
        SendMessageW(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()),
                     MAKELPARAM(hit, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW)) << hit;
    }
}

TEST_F(GradientMessages, NonClientMetricsChangeRemakesTheCaptionFont) {
    TestGradientForm& form = Make(MainLike());
    NONCLIENTMETRICSW original{};
    original.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, original.cbSize, &original, 0));
    struct Restore {
        NONCLIENTMETRICSW metrics;
        ~Restore() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0); }
    } restore{original};

    NONCLIENTMETRICSW changed = original;
    changed.lfCaptionFont.lfHeight = -23;
    changed.lfCaptionFont.lfItalic = TRUE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, changed.cbSize, &changed, 0));

    HFONT before = form.CaptionFont();
    SendMessageW(form.Handle(), WM_WININICHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_EQ(form.CaptionFont(), before) << "other settings leave the font alone";

    SendMessageW(form.Handle(), WM_WININICHANGE, SPI_SETNONCLIENTMETRICS, 0);
    LOGFONTW font{};
    ASSERT_NE(form.CaptionFont(), nullptr);
    ASSERT_EQ(GetObjectW(form.CaptionFont(), sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfHeight, -23);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_EQ(GetObjectType(before), 0u) << "the old font is deleted";
}

TEST_F(GradientMessages, SystemColourChangeRecomputesBothTables) {
    TestGradientForm& form = Make(MainLike());
    const int indexes[] = {COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION};
    const COLORREF original[] = {GetSysColor(COLOR_ACTIVECAPTION),
                                 GetSysColor(COLOR_INACTIVECAPTION)};
    struct Restore {
        const int* indexes;
        const COLORREF* colors;
        HWND window;
        ~Restore() {
            SetSysColors(2, indexes, colors);
            SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
        }
    } restore{indexes, original, form.Handle()};

    const COLORREF changed[] = {RGB(0, 128, 0), RGB(128, 0, 64)};
    ASSERT_TRUE(SetSysColors(2, indexes, changed));
    SendMessageW(form.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(form.GradientTable()[kActiveGradient][63], RGB(0, 128, 0));
    EXPECT_EQ(form.GradientTable()[kInactiveGradient][63], RGB(128, 0, 64));

    Bitmap32 image(form.Width(), form.Height(), kUntouched);
    const TRect cr = form.PaintCaption(image.dc(), true);
    EXPECT_EQ(image.At(cr.Right - 1, cr.Top), RGB(0, 128, 0));
}

TEST_F(GradientMessages, PropertyWritesOutsideTheirRangeOrUnchangedDoNothing) {
    TestGradientForm& form = Make(MainLike());
    form.Show();
    Pump();
    const int paints = form.paints;
    form.SetGradientColors(7);
    form.SetGradientColors(257);
    form.SetGradientColors(64);
    form.SetCaption(L"");
    EXPECT_EQ(form.GradientColors(), 64);
    EXPECT_EQ(form.paints, paints);

    // A new count recomputes the tables and the frame is painted again.
    form.SetGradientColors(8);
    Pump();
    EXPECT_EQ(form.GradientColors(), 8);
    EXPECT_EQ(form.GradientTable()[kActiveGradient][7], GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_GT(form.paints, paints);
    form.SetGradientColors(256);
    EXPECT_EQ(form.GradientTable()[kActiveGradient][255], GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(form.GradientTable()[kInactiveGradient][255], GetSysColor(COLOR_INACTIVECAPTION));

    // Layouts assign the published properties by name, in order.
    form.AssignProperties({{"GradientOnInactive", false},
                           {"GradientColors", 100},
                           {"Caption", std::wstring_view(L"Titre")}});
    EXPECT_EQ(form.Caption(), L"Titre");
    EXPECT_EQ(form.GradientColors(), 100);
    EXPECT_FALSE(form.GradientOnInactive());
}

TEST_F(GradientMessages, InactiveSettingRepaintsOnlyAnInactiveCaption) {
    TestGradientForm& form = Make(MainLike());
    TestGradientForm& other = Make(GradientLayout("TGradOther", BorderStyle::Single, biSystemMenu));
    ShowActive(form);
    int paints = form.paints;
    form.SetGradientOnInactive(false);
    Pump();
    EXPECT_EQ(form.paints, paints) << "an active caption does not depend on it";

    ShowActive(other);
    ASSERT_FALSE(form.IsCaptionActive());
    paints = form.paints;
    form.SetGradientOnInactive(true);
    Pump();
    EXPECT_GT(form.paints, paints);
}

TEST_F(GradientMessages, ChildOfAMultipleDocumentFrameIsInactiveWithoutAMainForm) {
    TestGradientForm& form = Make(
        GradientLayout("TGradChild", BorderStyle::Sizeable, biSystemMenu, tk::FormStyle::MDIChild));
    ShowActive(form);
    ASSERT_EQ(tk::Application->MainForm(), nullptr);
    EXPECT_FALSE(form.IsCaptionActive());
}

// A child window class for the multiple-document frame.
const wchar_t* ChildClass() {
    static const wchar_t* name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefMDIChildProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TGradTestChild";
        RegisterClassW(&wc);
        return L"TGradTestChild";
    }();
    return name;
}

TEST_F(GradientMessages, MultipleDocumentClientHookRepaintsOnItsCaptionMessage) {
    TestGradientForm& form = Make(
        GradientLayout("TGradFrame", BorderStyle::Sizeable, biSystemMenu, tk::FormStyle::MDIForm));
    HWND client = form.Client();
    ASSERT_NE(client, nullptr);
    const auto classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(client, GCLP_WNDPROC));
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(client, GWLP_WNDPROC)), classProc)
        << "hooked";

    const int paints = form.paints;
    EXPECT_EQ(SendMessageW(client, WM_MDIGETACTIVE, 0, 0), 0)
        << "the client's own answers come through";
    EXPECT_EQ(form.paints, paints);
    const LRESULT direct = CallWindowProcW(classProc, client, 0x3F, 0, 0);
    EXPECT_EQ(SendMessageW(client, 0x3F, 0, 0), direct);
    EXPECT_EQ(form.paints, paints + 1);

    // A maximised child's title joins the frame's.
    form.SetGradientOnInactive(false);
    form.SetCaption(L"Cadre");
    MDICREATESTRUCTW mcs{ChildClass(), L"Fiche", GetModuleHandleW(nullptr), 0, 0, 100, 60,
                         WS_MAXIMIZE,  0};
    HWND child = reinterpret_cast<HWND>(
        SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    ASSERT_NE(child, nullptr);
    Bitmap32 image(form.Width(), form.Height(), kUntouched);
    const TRect cr = form.PaintCaption(image.dc(), false);
    const CaptionLayout layout = LayOutCaption(form.GetBorderStyle(), form.BorderIcons(), false,
                                               cr.Width(), cr.Height(), CurrentCaptionMetrics());
    const auto expected = ExpectedFlatTitle(form, L"Cadre - [Fiche]", layout.textArea);
    EXPECT_EQ(Differences(*expected, layout.textArea, image, cr.Left, cr.Top), 0);
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);

    // The hook is gone before the frame's window goes.
    form.DestroyWindowNow();
    EXPECT_EQ(form.clientProcAtDestroy, classProc);
}

}  // namespace
}  // namespace rytmalo::testing
