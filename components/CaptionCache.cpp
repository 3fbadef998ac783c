#include "components/CaptionCache.h"

#include "components/CaptionPainter.h"
#include "core/Exception.h"

namespace rytmalo {

void CaptionCache::Clear() {
    composition_.Reset();
    source_.reset();
    for (Gradient& g : gradients_) g = {};
    composed_.reset();
}

HDC CaptionCache::Composition(HDC dc, int width, int height) {
    if (composition_.Holds(width, height)) return composition_.get();
    Clear();
    source_.reset(CreateCompatibleDC(dc));
    HDC composition = composition_.Hold(dc, width, height);
    if (!composition || !source_) {
        Clear();
        throw tk::EOutOfResources();
    }
    paletted_ = GetDeviceCaps(composition, SIZEPALETTE) > 0;
    return composition;
}

void CaptionCache::CopyGradient(GradientState state, const GradientColorTable& table, int count,
                                unsigned generation) {
    HDC composition = composition_.get();
    const int width = composition_.width();
    const int height = composition_.height();
    Gradient& g = gradients_[state];
    if (!g.bitmap || g.generation != generation || g.count != count) {
        g = {};
        tk::BitmapHandle bitmap(CreateCompatibleBitmap(composition, width, height));
        if (!bitmap) throw tk::EOutOfResources();
        const tk::SelectGuard selected(source_.get(), bitmap.get());
        // On a palette display a stretched strip would be dithered: one
        // solid band per colour there.
        if (paletted_) {
            FillCaptionBands(source_.get(), width, height, table, count);
        } else {
            FillCaptionStretched(source_.get(), width, height, table, count);
        }
        g = {std::move(bitmap), generation, count};
    }
    const tk::SelectGuard selected(source_.get(), g.bitmap.get());
    BitBlt(composition, 0, 0, width, height, source_.get(), 0, 0, SRCCOPY);
}

}  // namespace rytmalo
