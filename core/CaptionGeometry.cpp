#include "core/CaptionGeometry.h"

#include "core/Checked.h"

namespace rytmalo {

using tk::BorderStyle;
using tk::CheckedAdd;
using tk::CheckedSub;

bool IsToolStyle(BorderStyle style) {
    return style == BorderStyle::ToolWindow || style == BorderStyle::SizeToolWin;
}

TRect CaptionRect(BorderStyle style, int windowWidth, int windowHeight,
                  const CaptionMetrics& metrics) {
    if (style == BorderStyle::None) return {};
    const bool sizeable = style == BorderStyle::Sizeable || style == BorderStyle::SizeToolWin;
    const int fx = sizeable ? metrics.cxFrame : metrics.cxDlgFrame;
    const int fy = sizeable ? metrics.cyFrame : metrics.cyDlgFrame;
    const int captionHeight = IsToolStyle(style) ? metrics.cySmCaption : metrics.cyCaption;
    (void)windowHeight;  // the caption does not depend on it
    return {fx, fy, CheckedSub(windowWidth, fx), CheckedSub(CheckedAdd(fy, captionHeight), 1)};
}

namespace {

void MoveLeft(TRect& r, int by) {
    r.Left = CheckedSub(r.Left, by);
    r.Right = CheckedSub(r.Right, by);
}

}  // namespace

CaptionLayout LayOutCaption(BorderStyle style, unsigned borderIcons, bool maximized, int width,
                            int height, const CaptionMetrics& metrics) {
    CaptionLayout layout;
    TRect r{1, 0, width, height};
    const int s = metrics.cxSmIcon;

    const bool withIcon = (borderIcons & tk::biSystemMenu) &&
                          (style == BorderStyle::Single || style == BorderStyle::Sizeable);
    if (withIcon) {
        layout.iconCell = TRect{r.Left, r.Top, CheckedAdd(r.Left, CheckedAdd(s, 1)), r.Bottom};
        layout.iconLeft = CheckedAdd(r.Left, 1);
        layout.iconTop = CheckedAdd(r.Top, 1);
        r.Left = CheckedAdd(r.Left, CheckedAdd(s, 1));
    }

    TRect b{CheckedAdd(r.Left, 2), CheckedAdd(r.Top, 2), CheckedSub(r.Right, 2),
            CheckedSub(r.Bottom, 2)};
    if (IsToolStyle(style)) {
        // A tool window always shows its close button.
        b.Left = CheckedAdd(CheckedSub(b.Right, metrics.cxSmSize), 2);
        layout.buttons.push_back({b, CaptionGlyph::Close, true});
        r.Right = CheckedSub(b.Left, 5);
        layout.textArea = r;
        return layout;
    }

    b.Left = CheckedSub(b.Right, s);
    if (borderIcons & tk::biSystemMenu) {
        layout.buttons.push_back({b, CaptionGlyph::Close, true});
        MoveLeft(b, CheckedAdd(s, 2));
        r.Right = CheckedSub(r.Right, CheckedAdd(s, 2));
    }
    if (style != BorderStyle::Dialog) {
        // Both are always drawn, greyed when the window lacks them.
        layout.buttons.push_back({b, maximized ? CaptionGlyph::Restore : CaptionGlyph::Maximize,
                                  (borderIcons & tk::biMaximize) != 0});
        MoveLeft(b, s);
        layout.buttons.push_back({b, CaptionGlyph::Minimize, (borderIcons & tk::biMinimize) != 0});
        MoveLeft(b, s);
        r.Right = CheckedSub(r.Right, tk::CheckedMul(2, s));
    } else if (borderIcons & tk::biHelp) {
        layout.buttons.push_back({b, CaptionGlyph::Help, true});
        r.Right = CheckedSub(r.Right, s);
    }
    r.Right = CheckedSub(r.Right, 3);
    layout.textArea = r;
    return layout;
}

const CaptionButton* CaptionButtonAt(const CaptionLayout& layout, int x, int y) {
    for (const CaptionButton& b : layout.buttons) {
        if (b.enabled && b.rect.Contains({x, y})) return &b;
    }
    return nullptr;
}

TRect TitleRect(const TRect& textArea) {
    TRect r = textArea;
    r.Left = CheckedAdd(r.Left, 2);
    return r;
}

}  // namespace rytmalo
