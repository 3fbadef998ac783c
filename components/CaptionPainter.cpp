#include "components/CaptionPainter.h"

#include <optional>

#include "core/Checked.h"
#include "toolkit/Dpi.h"
#include "core/Exception.h"
#include "toolkit/Gdi.h"
#include "toolkit/WinGeometry.h"

namespace rytmalo {
namespace {

UINT FrameControlState(const CaptionButton& button) {
    UINT state = 0;
    switch (button.glyph) {
        case CaptionGlyph::Close: state = DFCS_CAPTIONCLOSE; break;
        case CaptionGlyph::Minimize: state = DFCS_CAPTIONMIN; break;
        case CaptionGlyph::Maximize: state = DFCS_CAPTIONMAX; break;
        case CaptionGlyph::Restore: state = DFCS_CAPTIONRESTORE; break;
        case CaptionGlyph::Help: state = DFCS_CAPTIONHELP; break;
    }
    if (!button.enabled) state |= DFCS_INACTIVE;
    if (button.pushed) state |= DFCS_PUSHED;
    return state;
}

}  // namespace

CaptionMetrics CaptionMetricsForDpi(int dpi) {
    const auto metric = [dpi](int index) { return tk::SystemMetricForDpi(index, dpi); };
    return {.cxDlgFrame = metric(SM_CXDLGFRAME),
            .cyDlgFrame = metric(SM_CYDLGFRAME),
            .cxFrame = metric(SM_CXFRAME),
            .cyFrame = metric(SM_CYFRAME),
            .cyCaption = metric(SM_CYCAPTION),
            .cySmCaption = metric(SM_CYSMCAPTION),
            .cxSmIcon = metric(SM_CXSMICON),
            .cxSmSize = metric(SM_CXSMSIZE)};
}

CaptionMetrics CurrentCaptionMetrics() { return CaptionMetricsForDpi(tk::SystemDpi()); }

void FillCaptionFlat(HDC dc, int width, int height, COLORREF color) {
    tk::BrushHandle brush(CreateSolidBrush(color));
    if (!brush) throw tk::EOutOfResources();
    tk::SelectGuard selected(dc, brush.get());
    PatBlt(dc, 0, 0, width, height, PATCOPY);
}

void FillCaptionStretched(HDC dc, int width, int height, const GradientColorTable& table,
                          int count) {
    tk::MemoryDcHandle strip(CreateCompatibleDC(dc));
    if (!strip) throw tk::EOutOfResources();
    tk::BitmapHandle pixels(CreateCompatibleBitmap(dc, count, 1));
    if (!pixels) throw tk::EOutOfResources();
    tk::SelectGuard selected(strip.get(), pixels.get());
    for (int x = 0; x < count; ++x)
        SetPixel(strip.get(), x, 0, tk::CheckedAt(table, static_cast<std::size_t>(x)));
    StretchBlt(dc, 0, 0, width, height, strip.get(), 0, 0, count, 1, SRCCOPY);
}

void FillCaptionBands(HDC dc, int width, int height, const GradientColorTable& table, int count) {
    for (int i = 0; i < count; ++i) {
        const ColumnSpan band = GradientBand(width, count, i);
        tk::BrushHandle brush(CreateSolidBrush(tk::CheckedAt(table, static_cast<std::size_t>(i))));
        if (!brush) throw tk::EOutOfResources();
        tk::SelectGuard selected(dc, brush.get());
        if (band.end > band.begin)
            PatBlt(dc, band.begin, 0, band.end - band.begin, height, PATCOPY);
    }
}

void DrawCaptionIcon(HDC dc, const CaptionLayout& layout, HICON icon, COLORREF background) {
    if (!layout.iconCell) return;
    const TRect& cell = *layout.iconCell;
    {
        tk::BrushHandle brush(CreateSolidBrush(background));
        if (!brush) throw tk::EOutOfResources();
        tk::SelectGuard selected(dc, brush.get());
        PatBlt(dc, cell.Left, cell.Top, cell.Width(), cell.Height(), PATCOPY);
    }
    // The cell is one pixel wider than the small icon.
    const int size = cell.Width() - 1;
    // The small image of the icon's resource when it has one, rather than
    // the large one shrunk.
    tk::IconHandle copy(
        static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE)));
    if (copy) {
        DrawIconEx(dc, layout.iconLeft, layout.iconTop, copy.get(), 0, 0, 0, nullptr, DI_NORMAL);
    } else {
        DrawIconEx(dc, layout.iconLeft, layout.iconTop, icon, size, size, 0, nullptr, DI_NORMAL);
    }
}

void DrawCaptionButtons(HDC dc, const std::vector<CaptionButton>& buttons) {
    for (const CaptionButton& button : buttons) {
        RECT r = tk::ToRECT(button.rect);
        DrawFrameControl(dc, &r, DFC_CAPTION, FrameControlState(button));
    }
}

void DrawCaptionText(HDC dc, std::wstring_view text, const TRect& textArea, HFONT font) {
    RECT r = tk::ToRECT(TitleRect(textArea));
    tk::TextStateGuard state(dc);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    std::optional<tk::SelectGuard> selected;
    if (font) selected.emplace(dc, font);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r,
              DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace rytmalo
