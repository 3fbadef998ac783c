#include "components/CaptionCache.h"

#include "components/CaptionPainter.h"
#include "toolkit/Exception.h"

namespace rytmalo {
namespace {

[[noreturn]] void OutOfResources() { throw tk::Exception(L"Ressources système insuffisantes"); }

}  // namespace

void CaptionCache::Clear() {
    // An image still selected into a context cannot be deleted.
    if (composition_ && originalImage_) SelectObject(composition_.get(), originalImage_);
    originalImage_ = nullptr;
    composition_.reset();
    image_.reset();
    source_.reset();
    for (Gradient& g : gradients_) g = {};
    composed_.reset();
    width_ = height_ = 0;
}

HDC CaptionCache::Composition(HDC dc, int width, int height) {
    if (composition_ && width == width_ && height == height_) return composition_.get();
    Clear();
    tk::MemoryDcHandle composition(CreateCompatibleDC(dc));
    tk::MemoryDcHandle source(CreateCompatibleDC(dc));
    tk::BitmapHandle image(CreateCompatibleBitmap(dc, width, height));
    if (!composition || !source || !image) OutOfResources();
    originalImage_ = SelectObject(composition.get(), image.get());
    composition_ = std::move(composition);
    source_ = std::move(source);
    image_ = std::move(image);
    width_ = width;
    height_ = height;
    paletted_ = GetDeviceCaps(composition_.get(), SIZEPALETTE) > 0;
    return composition_.get();
}

void CaptionCache::CopyGradient(GradientState state, const GradientColorTable& table, int count,
                                unsigned generation) {
    Gradient& g = gradients_[state];
    if (!g.bitmap || g.generation != generation || g.count != count) {
        g = {};
        tk::BitmapHandle bitmap(CreateCompatibleBitmap(composition_.get(), width_, height_));
        if (!bitmap) OutOfResources();
        const tk::SelectGuard selected(source_.get(), bitmap.get());
        // On a palette display a stretched strip would be dithered: one
        // solid band per colour there.
        if (paletted_) {
            FillCaptionBands(source_.get(), width_, height_, table, count);
        } else {
            FillCaptionStretched(source_.get(), width_, height_, table, count);
        }
        g = {std::move(bitmap), generation, count};
    }
    const tk::SelectGuard selected(source_.get(), g.bitmap.get());
    BitBlt(composition_.get(), 0, 0, width_, height_, source_.get(), 0, 0, SRCCOPY);
}

}  // namespace rytmalo
