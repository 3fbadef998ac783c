// A form that paints its own caption bar: a gradient from black at the left
// to the system's caption colour at the right, the small icon, the caption
// buttons and the title in white, composed off-screen and copied in one go.
// The title is kept by the form itself and given to whoever asks the window
// for its text; the system's own copy stays as the window was created.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "components/CaptionCache.h"
#include "core/CaptionGeometry.h"
#include "core/GradientTable.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/WindowHook.h"

namespace rytmalo {

class TGradientForm;

// Runs on every composition of the caption, active or inactive, before the
// title is written. It may draw anywhere on the caption image through the
// canvas (whose font is the caption font, lent) and may change r, the room
// left for the title, in caption-image coordinates.
using TGFOnCaptionPaint = std::function<void(TGradientForm& sender, tk::TCanvas& canvas, TRect& r)>;

class TGradientForm : public tk::TForm {
public:
    TGradientForm(tk::TComponent* owner, const tk::FormLayout& layout);
    ~TGradientForm() override;

    std::wstring Caption() const override { return caption_; }
    // A new title is painted at once; the same title changes nothing.
    void SetCaption(std::wstring_view caption) override;
    // 8 to 256 colours per table; other values are ignored.
    int GradientColors() const { return gradientColors_; }
    void SetGradientColors(int count);
    // Whether an inactive caption is a gradient too, or flat.
    bool GradientOnInactive() const { return gradientOnInactive_; }
    void SetGradientOnInactive(bool on);
    TGFOnCaptionPaint OnCaptionPaint;

    std::span<const tk::PublishedProperty> Published() const override;

    bool IsCaptionActive() const;
    // From the current caption colours and GradientColors.
    void ComputeGradientTable();
    // From the current non-client metrics.
    void CreateCaptionFont();
    // In window coordinates; empty without border.
    TRect GetCaptionRect() const;
    // Composes the caption in the given state and copies it into dc, whose
    // origin is the window's top-left corner; returns the caption rectangle.
    TRect PaintCaption(HDC dc, bool active);
    // Paints the caption on the window at once.
    void RepaintCaption(bool active);

    const GradientTables& GradientTable() const { return gradientTable_; }
    // nullptr when it could not be made: the title then uses the default font.
    HFONT CaptionFont() const { return captionFont_.get(); }

protected:
    void WndProc(tk::Message& m) override;
    void CreateWindowHandle() override;
    void DestroyWindowHandle() override;
    void DpiChanged(int oldDpi) override;

private:
    // The system metrics of the caption at the window's resolution, kept
    // until the resolution or the system's settings change.
    const CaptionMetrics& Metrics() const;
    // The caption's parts for the window as it is now, in caption-image
    // coordinates, the button being pressed drawn pushed.
    CaptionLayout LayOutCaptionFor(const TRect& caption) const;
    // The drawn caption button at a point of the screen, as a hit-test code
    // (HTMINBUTTON, ...); 0 when there is none.
    WPARAM CaptionButtonAt(POINT screen) const;
    // The drawn buttons work as the system's own: pushed while the mouse
    // button is down on them, acting when it is released there.
    bool PressCaptionButton(WPARAM hit, POINT screen);
    void FollowPointer(POINT screen);
    void ReleaseCaptionButton(POINT screen);
    LRESULT PaintNonClient(WPARAM updateRegion, LPARAM lParam);
    LRESULT CopyCaption(WPARAM size, LPARAM buffer) const;
    std::wstring CaptionText() const;
    HICON CaptionIcon() const;
    void HookClient();

    // On the multiple-document client window: repaints the frame's caption
    // when the client says its maximised child changed.
    class TClientHook : public tk::TWindowHook {
    public:
        explicit TClientHook(TGradientForm& form) : form_(form) {}

    protected:
        void WndProc(tk::Message& m) override;

    private:
        TGradientForm& form_;
    };

    GradientTables gradientTable_{};
    // Counts the computations of the tables: a gradient drawn from older
    // ones is drawn again.
    unsigned tablesGeneration_ = 0;
    CaptionCache captionCache_;
    mutable CaptionMetrics metrics_;
    mutable int metricsDpi_ = 0;
    tk::FontHandle captionFont_;
    int captionFontDpi_ = 0;
    TClientHook ClientHook{*this};
    int gradientColors_ = kDefaultGradientColors;
    bool gradientOnInactive_ = true;
    std::wstring caption_;
    // The caption button the mouse button went down on (its hit-test code,
    // 0 for none), and whether the pointer is still on it.
    WPARAM pressedButton_ = 0;
    bool pressedInside_ = false;
};

}  // namespace rytmalo
