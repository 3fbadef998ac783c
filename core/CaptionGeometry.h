// Where the parts of a gradient caption go: the caption bar within the
// window, the icon cell, the caption buttons and the room left for the
// title. Plain arithmetic on a few system metrics; no window needed.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Geometry.h"
#include "core/Layout.h"

namespace rytmalo {

// The caption's rectangles are the toolkit's, by their edges.
using tk::TRect;

// The system metrics the caption depends on, in pixels.
struct CaptionMetrics {
    int cxDlgFrame = 0;   // SM_CXDLGFRAME
    int cyDlgFrame = 0;   // SM_CYDLGFRAME
    int cxFrame = 0;      // SM_CXFRAME
    int cyFrame = 0;      // SM_CYFRAME
    int cyCaption = 0;    // SM_CYCAPTION
    int cySmCaption = 0;  // SM_CYSMCAPTION
    int cxSmIcon = 0;     // SM_CXSMICON
    int cxSmSize = 0;     // SM_CXSMSIZE
};

bool IsToolStyle(tk::BorderStyle style);

// The caption bar in window coordinates (origin at the window's outer
// top-left corner); empty for a window without border. Its bottom line,
// the row below, stays the system's.
TRect CaptionRect(tk::BorderStyle style, int windowWidth, int windowHeight,
                  const CaptionMetrics& metrics);

enum class CaptionGlyph { Close, Minimize, Maximize, Restore, Help };

struct CaptionButton {
    TRect rect;
    CaptionGlyph glyph;
    bool enabled;
    // Drawn pressed in: the mouse button went down on it and the pointer is
    // still there.
    bool pushed = false;
    bool operator==(const CaptionButton&) const = default;
};

// Everything in caption-image coordinates: (0, 0) is the caption bar's
// top-left pixel.
struct CaptionLayout {
    // The cell behind the small icon and where the icon's top-left goes;
    // only for windows that show their system menu with a single or
    // sizeable border.
    std::optional<TRect> iconCell;
    int iconLeft = 0;
    int iconTop = 0;
    // In drawing order, from the right edge leftwards.
    std::vector<CaptionButton> buttons;
    // The room left between the icon and the buttons; what a caption-paint
    // handler receives and may change.
    TRect textArea;
};

CaptionLayout LayOutCaption(tk::BorderStyle style, unsigned borderIcons, bool maximized, int width,
                            int height, const CaptionMetrics& metrics);

// The enabled button that holds a point of the caption image, the way the
// system finds its own caption buttons; nullptr elsewhere.
const CaptionButton* CaptionButtonAt(const CaptionLayout& layout, int x, int y);

// Where the title is written within the text area.
TRect TitleRect(const TRect& textArea);

}  // namespace rytmalo
