// Gradient forms made from small layouts, and what it takes to look at the
// pixels they paint and count the GDI objects they leave behind.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "GdiObjects.h"
#include "ToolkitFixture.h"
#include "components/CaptionPainter.h"
#include "components/GradForm.h"

namespace rytmalo::testing {

using tk::biHelp;
using tk::biMaximize;
using tk::biMinimize;
using tk::biSystemMenu;
using tk::BorderStyle;
using tk::testing::GdiObjectCount;

// The main window's border icons: no system menu.
inline constexpr unsigned kMainIcons = biMinimize | biMaximize | biHelp;

// A 32-bit top-down bitmap in a memory context, filled with one colour.
class Bitmap32 {
public:
    Bitmap32(int width, int height, COLORREF fill);
    ~Bitmap32();
    Bitmap32(const Bitmap32&) = delete;
    Bitmap32& operator=(const Bitmap32&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF At(int x, int y) const;
    // Copies what the window's own context shows (frame included).
    static std::unique_ptr<Bitmap32> OfWindow(HWND window);

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

inline constexpr COLORREF kUntouched = RGB(255, 0, 255);

// Pixel differences between two images within a rectangle of the first,
// the second one offset.
int Differences(const Bitmap32& a, const TRect& area, const Bitmap32& b, int dx, int dy);

tk::FormLayout GradientLayout(std::string_view className, tk::BorderStyle style, unsigned icons,
                              tk::FormStyle formStyle = tk::FormStyle::Normal);

// A gradient form that counts its caption compositions; a multiple-document
// frame makes its client window while it is created, as such frames do.
class TestGradientForm : public TGradientForm {
public:
    TestGradientForm(tk::TComponent* owner, const tk::FormLayout& layout)
        : TGradientForm(owner, layout) {
        OnCaptionPaint = [this](TGradientForm&, tk::TCanvas&, TRect&) { ++paints; };
    }
    HWND Client() const;
    // Destroys the window while the test form is whole, so that it sees it go.
    void DestroyWindowNow() { DestroyWindowHandle(); }
    int paints = 0;
    // The client window's procedure as it was when the frame was destroyed.
    WNDPROC clientProcAtDestroy = nullptr;

protected:
    void WndProc(tk::Message& m) override;
};

class GradientTest : public tk::testing::ToolkitTest {
protected:
    void TearDown() override {
        forms_.clear();
        layouts_.clear();
        ToolkitTest::TearDown();
    }
    // The form keeps a reference to its layout: the fixture keeps the layout.
    TestGradientForm& Make(tk::FormLayout layout) {
        layouts_.push_back(std::make_unique<tk::FormLayout>(std::move(layout)));
        forms_.push_back(std::make_unique<TestGradientForm>(tk::Application, *layouts_.back()));
        forms_.back()->Load();
        return *forms_.back();
    }
    // Shows the form and waits until it is the active window.
    static void ShowActive(TGradientForm& form);
    // A flat inactive caption image with a white title written here, in the
    // form's caption font, two pixels into the text area.
    static constexpr UINT kTitleFlags = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    static std::unique_ptr<Bitmap32> ExpectedFlatTitle(const TGradientForm& form,
                                                       const std::wstring& text,
                                                       const TRect& textArea,
                                                       UINT flags = kTitleFlags);

    std::vector<std::unique_ptr<tk::FormLayout>> layouts_;
    std::vector<std::unique_ptr<TestGradientForm>> forms_;
};

}  // namespace rytmalo::testing
