#include "toolkit/TextMeasure.h"

#include <algorithm>

#include "toolkit/Dpi.h"
#include "toolkit/Gdi.h"

namespace tk {

namespace {

// Texts measured in one font on one memory DC: the extent depends on the
// font alone, a window's DC would cost a trip to the window system, and
// making a DC costs more than measuring a line.
class Measurer {
public:
    explicit Measurer(HFONT font) : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.get(), font) {}
    SIZE Extent(std::wstring_view text, bool noPrefix) const {
        const std::wstring line(text.empty() ? std::wstring_view(L" ") : text);
        RECT extent{0, 0, 0, 0};
        DrawTextW(dc_.get(), line.c_str(), static_cast<int>(line.size()), &extent,
                  DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | (noPrefix ? DT_NOPREFIX : 0));
        return {extent.right - extent.left, extent.bottom - extent.top};
    }

private:
    MemoryDcHandle dc_;
    SelectGuard selected_;
};

}  // namespace

SIZE TextExtent(HFONT font, std::wstring_view text, bool noPrefix) {
    return Measurer(font).Extent(text, noPrefix);
}

int NeededWidth(ControlKind kind, HFONT font, int dpi, std::wstring_view caption,
                std::span<const std::wstring> lines, bool noPrefix) {
    const auto scaled = [dpi](int v) { return MulDiv(v, dpi, 96); };
    switch (kind) {
        case ControlKind::Label: return TextExtent(font, caption, noPrefix).cx;
        // Within the button's frame, a margin on each side.
        case ControlKind::Button:
            return TextExtent(font, caption).cx + 2 * SystemMetricForDpi(SM_CXEDGE, dpi) +
                   scaled(12);
        // The box or circle the system draws (12 pixels at 96 dpi and one),
        // the gap after it (half a digit), the caption.
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return scaled(12) + 1 + TextExtent(font, L"0").cx / 2 + TextExtent(font, caption).cx;
        // The widest line, the button that drops the list and the frame.
        case ControlKind::ComboBox: {
            if (lines.empty()) return 0;
            const Measurer measurer(font);
            int widest = 0;
            for (const std::wstring& line : lines)
                widest = std::max<int>(widest, measurer.Extent(line, true).cx);
            return widest + SystemMetricForDpi(SM_CXVSCROLL, dpi) +
                   2 * SystemMetricForDpi(SM_CXEDGE, dpi) + scaled(6);
        }
        default: return 0;
    }
}

}  // namespace tk
