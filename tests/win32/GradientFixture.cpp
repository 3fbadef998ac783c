#include "GradientFixture.h"

#include "driver/Screen.h"
#include "toolkit/Gdi.h"

namespace rytmalo::testing {

Bitmap32::Bitmap32(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader = driver::TopDownHeader(width, height);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    bits_ = static_cast<const std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    tk::BrushHandle brush(CreateSolidBrush(fill));
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush.get());
}

Bitmap32::~Bitmap32() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Bitmap32::At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::unique_ptr<Bitmap32> Bitmap32::OfWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    auto image = std::make_unique<Bitmap32>(r.right - r.left, r.bottom - r.top, kUntouched);
    tk::WindowDc dc(window, tk::WindowDc::Whole);
    BitBlt(image->dc(), 0, 0, image->width(), image->height(), dc.get(), 0, 0, SRCCOPY);
    return image;
}

tk::FormLayout GradientLayout(std::string_view className, tk::BorderStyle style, unsigned icons,
                              tk::FormStyle formStyle) {
    tk::FormLayout f = tk::FormAt(className, L"", tk::Bounds(120, 90, 381, 120), style, icons);
    f.formStyle = formStyle;
    return f;
}

HWND TestGradientForm::Client() const {
    return FindWindowExW(Handle(), nullptr, L"MDIClient", nullptr);
}

void TestGradientForm::WndProc(tk::Message& m) {
    if (m.msg == WM_CREATE && GetFormStyle() == tk::FormStyle::MDIForm) {
        CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
        CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                        200, 100, m.hwnd, nullptr, GetModuleHandleW(nullptr), &ccs);
    }
    if (m.msg == WM_DESTROY && Client()) {
        clientProcAtDestroy = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Client(), GWLP_WNDPROC));
    }
    TGradientForm::WndProc(m);
}

void GradientTest::ShowActive(TGradientForm& form) {
    form.Show();
    SetForegroundWindow(form.Handle());
    SetActiveWindow(form.Handle());
    for (int i = 0; i < 100 && GetActiveWindow() != form.Handle(); ++i) {
        Pump();
        Sleep(10);
    }
    Pump();
    ASSERT_EQ(GetActiveWindow(), form.Handle());
}

std::unique_ptr<Bitmap32> GradientTest::ExpectedFlatTitle(const TGradientForm& form,
                                                          const std::wstring& text,
                                                          const TRect& textArea, UINT flags) {
    const TRect caption = form.GetCaptionRect();
    auto image = std::make_unique<Bitmap32>(caption.Width(), caption.Height(),
                                            GetSysColor(COLOR_INACTIVECAPTION));
    RECT r{textArea.Left + 2, textArea.Top, textArea.Right, textArea.Bottom};
    SetTextColor(image->dc(), RGB(255, 255, 255));
    SetBkMode(image->dc(), TRANSPARENT);
    HGDIOBJ old = SelectObject(image->dc(), form.CaptionFont());
    DrawTextW(image->dc(), text.c_str(), -1, &r, flags);
    SelectObject(image->dc(), old);
    return image;
}

int Differences(const Bitmap32& a, const TRect& area, const Bitmap32& b, int dx, int dy) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (a.At(x, y) != b.At(x + dx, y + dy)) ++n;
        }
    }
    return n;
}

}  // namespace rytmalo::testing
